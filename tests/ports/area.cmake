# The loader's tests open the stand-in libraries from the folders they are
# built into.
add_dependencies(test_ports LNKCMD LNKSET HueAdvisor LNKCOM LNKCMD_without_mode_select)
target_compile_definitions(test_ports PRIVATE ORVAN_BIN_DIR="${ORVAN_BIN_DIR}"
                           ORVAN_TEST_LIB_DIR="${ORVAN_TEST_LIB_DIR}")
target_link_libraries(test_ports PRIVATE ${CMAKE_DL_LIBS})
