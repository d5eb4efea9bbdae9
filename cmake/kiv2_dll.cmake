# kiv2.dll (32-bit Windows), included by the top-level CMakeLists.txt when
# cross-building with cmake/mingw-i686.cmake; scripts/build-dll.sh drives it.
#
#   tarlec.dll          stand-in for the host's print library
#   kiv2.dll            the library, exporting exactly the export table's names
#   kiv2_smoke.exe      a Windows host that loads kiv2.dll and calls its exports
#   ctest               the export/import checks and the smoke run under wine

enable_language(Fortran)

set(KIV2_LAPACK_SOURCE "" CACHE PATH
    "Unpacked reference BLAS/LAPACK sources (Debian's lapack source package)")
if(NOT EXISTS "${KIV2_LAPACK_SOURCE}/SRC/dgetrf.f")
  message(FATAL_ERROR "KIV2_LAPACK_SOURCE must name the unpacked reference LAPACK "
                      "sources (scripts/build-dll.sh fetches them)")
endif()

set_target_properties(tarlec PROPERTIES PREFIX "")

# The module-definition file and the list of export names, both made by the
# preprocessor from the export table.
foreach(made kiv2.def export_names.txt)
  add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/${made}
    COMMAND ${CMAKE_C_COMPILER} -E -P -x c -I ${PROJECT_SOURCE_DIR}
            ${PROJECT_SOURCE_DIR}/win/${made}.in -o ${PROJECT_BINARY_DIR}/${made}
    DEPENDS ${PROJECT_SOURCE_DIR}/win/${made}.in ${PROJECT_SOURCE_DIR}/frame/all_exports.inc
            ${KIV2_EXPORT_LISTS}
    VERBATIM)
endforeach()
add_custom_target(kiv2_export_names ALL DEPENDS ${PROJECT_BINARY_DIR}/export_names.txt)

# The BLAS/LAPACK routines that the library's objects call, with their own
# callees, compiled from the reference sources into a static archive.
set(subset_dir ${PROJECT_BINARY_DIR}/lapack_subset)
set(subset_lib ${subset_dir}/liblapack_subset.a)
separate_arguments(subset_fflags UNIX_COMMAND "${CMAKE_Fortran_FLAGS} -O2 -frecursive")
add_custom_command(
  OUTPUT ${subset_lib} ${subset_dir}/routines.txt
  COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/lapack_subset.sh ${KIV2_LAPACK_SOURCE} ${subset_dir}
          ${CMAKE_Fortran_COMPILER} ${CMAKE_NM} ${CMAKE_AR} -- ${subset_fflags} --
          $<TARGET_OBJECTS:kiv2_objects>
  DEPENDS kiv2_objects $<TARGET_OBJECTS:kiv2_objects> ${PROJECT_SOURCE_DIR}/cmake/lapack_subset.sh
  COMMAND_EXPAND_LISTS VERBATIM)
add_custom_target(kiv2_lapack_subset DEPENDS ${subset_lib})
add_library(lapack_subset STATIC IMPORTED)
set_target_properties(lapack_subset PROPERTIES IMPORTED_LOCATION ${subset_lib})
add_dependencies(lapack_subset kiv2_lapack_subset)

# XERBLA and the Fortran string helper the subset needs, in an archive linked
# after it.
add_library(kiv2_lapack_runtime STATIC win/lapack_runtime.cpp)
target_include_directories(kiv2_lapack_runtime PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/include)

add_library(kiv2 SHARED $<TARGET_OBJECTS:kiv2_objects> ${PROJECT_BINARY_DIR}/kiv2.def)
set_target_properties(kiv2 PROPERTIES PREFIX "")
target_link_libraries(kiv2 PRIVATE kiv2_objects lapack_subset kiv2_lapack_runtime tarlec)

# The smoke host: loads kiv2.dll by LoadLibrary and resolves exports by name.
add_executable(kiv2_smoke win/smoke.cpp)
target_include_directories(kiv2_smoke PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/include
                                              ${PROJECT_SOURCE_DIR}/host)
target_link_libraries(kiv2_smoke PRIVATE tarlec)
add_dependencies(kiv2_smoke kiv2)

enable_testing()
add_test(NAME dll_exports
         COMMAND bash ${PROJECT_SOURCE_DIR}/win/check_dll.sh exports ${KIV2_OBJDUMP}
                 $<TARGET_FILE:kiv2> ${PROJECT_BINARY_DIR}/export_names.txt)
add_test(NAME dll_imports
         COMMAND bash ${PROJECT_SOURCE_DIR}/win/check_dll.sh imports ${KIV2_OBJDUMP}
                 $<TARGET_FILE:kiv2>)
add_test(NAME wine_smoke
         COMMAND bash ${PROJECT_SOURCE_DIR}/win/run_smoke.sh $<TARGET_FILE:kiv2_smoke>)
# run_smoke.sh exits 77 when wine cannot run here, after saying why.
set_tests_properties(wine_smoke PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 1500)
