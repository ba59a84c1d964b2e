# Checks the run paths of the built binaries: each holds exactly what the installed
# layout needs (no empty entry, which would make the loader search the current
# directory, and no build directory). Run by CTest with
#   -DPROGRAMS=a|b -DLIBRARIES=c|d -DPLAIN=e -DPROGRAM_RUNPATH=... -DLIBRARY_RUNPATH=...
function(expect_runpath kind files expected)
  string(REPLACE "|" ";" files "${files}")
  foreach(file IN LISTS files)
    file(READ_ELF "${file}" RUNPATH runpath RPATH rpath CAPTURE_ERROR error)
    if(error)
      message(SEND_ERROR "${file}: ${error}")
    elseif(NOT "${rpath}" STREQUAL "")
      message(SEND_ERROR "${file}: has an RPATH (${rpath}); only RUNPATH is used")
    elseif(NOT "${runpath}" STREQUAL "${expected}")
      message(SEND_ERROR "${file} (${kind}): run path '${runpath}', expected '${expected}'")
    endif()
  endforeach()
endfunction()

expect_runpath(program "${PROGRAMS}" "${PROGRAM_RUNPATH}")
expect_runpath(library "${LIBRARIES}" "${LIBRARY_RUNPATH}")
expect_runpath("library without dependencies of its own" "${PLAIN}" "")
