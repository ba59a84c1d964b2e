// Everything an inspector module needs to declare its registrations.
#pragma once

#include "foundation/exceptions.h"
#include "framework/aggregate.h"
#include "framework/bundles.h"
#include "framework/cache.h"
#include "framework/contract/evaluator.h"
#include "framework/fingerprint.h"
#include "framework/iterated_property.h"
#include "framework/operator.h"
#include "framework/prop.h"
#include "framework/property.h"
#include "framework/type.h"
