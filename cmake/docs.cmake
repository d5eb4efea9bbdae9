# The reference manual: `cmake --build <dir> --target docs` builds the HTML of
# include/kiv2.h (<dir>/docs/html/index.html) with doxygen, and fails on any
# warning, such as an undocumented declaration or parameter.
find_program(DOXYGEN_EXECUTABLE doxygen)
if(DOXYGEN_EXECUTABLE)
  set(KIV2_DOCS_DIR ${PROJECT_BINARY_DIR}/docs)
  configure_file(docs/Doxyfile.in ${PROJECT_BINARY_DIR}/Doxyfile @ONLY)
  add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KIV2_DOCS_DIR}
    COMMAND ${DOXYGEN_EXECUTABLE} ${PROJECT_BINARY_DIR}/Doxyfile
    DEPENDS ${PROJECT_SOURCE_DIR}/include/kiv2.h ${PROJECT_BINARY_DIR}/Doxyfile
    COMMENT "Reference manual (doxygen)" VERBATIM)
else()
  add_custom_target(docs COMMAND ${CMAKE_COMMAND} -E echo "docs: doxygen is not installed" && false)
endif()
