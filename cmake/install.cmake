# What `cmake --install` puts in a prefix: libkiv2 (with its SONAME), the
# stand-in print library, the headers, kivhost, the CMake package
# (find_package(kiv2) -> kiv2::kiv2) and kiv2.pc.  The examples are installed
# as sources, to be built against the package.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

target_include_directories(kiv2 INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
target_include_directories(tarlec PUBLIC $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
set_target_properties(tarlec PROPERTIES INSTALL_RPATH "$ORIGIN")
# kivhost opens libkiv2 from beside itself or from the installed library
# folder (and links the print library through its run path).
file(RELATIVE_PATH KIV2_LIBDIR_FROM_BIN /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
target_compile_definitions(kivhost PRIVATE KIV2_LIBDIR_FROM_BIN="${KIV2_LIBDIR_FROM_BIN}")
set_target_properties(kivhost PROPERTIES INSTALL_RPATH "$ORIGIN/${KIV2_LIBDIR_FROM_BIN}")

install(TARGETS kiv2 tarlec EXPORT kiv2Targets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS kivhost RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES include/kiv2.h host/tarlec.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

set(KIV2_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/kiv2)
install(EXPORT kiv2Targets NAMESPACE kiv2:: DESTINATION ${KIV2_CMAKE_DIR})
configure_package_config_file(cmake/kiv2Config.cmake.in
  ${PROJECT_BINARY_DIR}/kiv2Config.cmake INSTALL_DESTINATION ${KIV2_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/kiv2ConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/kiv2Config.cmake ${PROJECT_BINARY_DIR}/kiv2ConfigVersion.cmake
        DESTINATION ${KIV2_CMAKE_DIR})

# kiv2.pc finds its prefix from its own place, so the installed tree may move.
file(RELATIVE_PATH KIV2_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" KIV2_PC_TO_PREFIX "${KIV2_PC_TO_PREFIX}")
configure_file(kiv2.pc.in ${PROJECT_BINARY_DIR}/kiv2.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/kiv2.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kiv2/examples)
