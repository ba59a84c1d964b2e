// The inspectors' side of reading time text: a text that is not of its form, or of
// the form but naming no date, time or zone, has no value.
#pragma once

#include "foundation/exceptions.h"

namespace inspectors {

// `read()`, with `ParsingFailure`, `StackFull` and every `InvalidTime` given as no
// value (`NoSuchObject`). Other failures, such as overflow, pass through.
template <class Read>
auto ValueOfText(Read&& read) -> decltype(read()) {
  try {
    return read();
  } catch (ParsingFailure const&) {
    throw NoSuchObject();
  } catch (StackFull const&) {
    throw NoSuchObject();
  } catch (InvalidTime const&) {
    throw NoSuchObject();
  }
}

}  // namespace inspectors
