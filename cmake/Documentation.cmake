# The documents the build makes: the phrase reference and the manual page.

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

# The manual page, with this version, compressed as Debian keeps them.
set(INSPECTORS_MANUAL_DATE 2026-12-07)  # the last change of the page's text
configure_file(${INSPECTORS_ROOT}/packaging/inspect.1.in ${PROJECT_BINARY_DIR}/inspect.1 @ONLY)
set(INSPECTORS_MANUAL_PAGE ${PROJECT_BINARY_DIR}/inspect.1)
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/inspect.1.gz
  COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_BINARY_DIR}/inspect.1
          > ${PROJECT_BINARY_DIR}/inspect.1.gz
  DEPENDS ${PROJECT_BINARY_DIR}/inspect.1
  COMMENT "Compressing the manual page")
add_custom_target(manual_page ALL DEPENDS ${PROJECT_BINARY_DIR}/inspect.1.gz)
