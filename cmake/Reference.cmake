# docs/reference.md, made from the built library's registry by the built command:
# target `reference` writes it into the build tree (every build), target
# `update_reference` copies it over the checked-in one, and a test
# (tests/packaging/) fails while the two differ.
find_program(JQ_PROGRAM jq)
if(TARGET inspect AND TARGET inspectors AND JQ_PROGRAM)
  set(INSPECTORS_REFERENCE ${PROJECT_BINARY_DIR}/docs/reference.md)
  add_custom_command(OUTPUT ${INSPECTORS_REFERENCE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/docs
    COMMAND ${INSPECTORS_ROOT}/docs/make_reference -o ${INSPECTORS_REFERENCE}
            $<TARGET_FILE:inspect> --library $<TARGET_FILE:inspectors>
    DEPENDS inspect inspectors ${INSPECTORS_ROOT}/docs/make_reference
    COMMENT "Writing the phrase reference"
    VERBATIM)
  add_custom_target(reference ALL DEPENDS ${INSPECTORS_REFERENCE})
  add_custom_target(update_reference
    COMMAND ${CMAKE_COMMAND} -E copy ${INSPECTORS_REFERENCE} ${INSPECTORS_ROOT}/docs/reference.md
    DEPENDS ${INSPECTORS_REFERENCE}
    VERBATIM)
endif()
