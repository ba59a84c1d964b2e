# One warning policy for every target of the project.
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)

# GCC 12 reports -Wrestrict on std::string concatenation inlined at -O2 and above
# (GCC bugs 105329 and 105651): memcpy sizes it derives from impossible paths. The
# warning says nothing true about our code there, so it is off for that compiler.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(project_warnings INTERFACE -Wno-restrict)
endif()
