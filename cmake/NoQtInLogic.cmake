# Adds the target cambist_no_qt_check, which fails when a source file under
# text/, finance/ or core/ includes a Qt header. The logic libraries depend on
# it, so the check runs on every build before they compile.
set(_logic_dirs text finance core)
set(_logic_sources "")
foreach(dir IN LISTS _logic_dirs)
    file(GLOB _found CONFIGURE_DEPENDS
        "${CMAKE_SOURCE_DIR}/${dir}/*.h" "${CMAKE_SOURCE_DIR}/${dir}/*.cpp")
    list(APPEND _logic_sources ${_found})
endforeach()

set(_stamp "${CMAKE_BINARY_DIR}/no_qt_check.stamp")
add_custom_command(
    OUTPUT "${_stamp}"
    COMMAND "${CMAKE_COMMAND}" "-DFILES=${_logic_sources}" "-DSTAMP=${_stamp}"
            -P "${CMAKE_SOURCE_DIR}/cmake/ScanForQtIncludes.cmake"
    DEPENDS ${_logic_sources} "${CMAKE_SOURCE_DIR}/cmake/ScanForQtIncludes.cmake"
    COMMENT "Checking that the calculator logic includes no Qt header"
    VERBATIM)
add_custom_target(cambist_no_qt_check DEPENDS "${_stamp}")
