# orvan-status run as a program against the stand-in port libraries, with
# promtool and a JSON schema validator from Debian.
add_dependencies(test_status_cli orvan-status orvan-settings LNKCMD LNKSET)
if(ORVAN_WITH_QT)
    add_dependencies(test_status_cli OrvanStatusMonitor)
endif()
target_link_libraries(test_status_cli PRIVATE orvan_headless_san PkgConfig::CPP_HTTPLIB)
target_compile_definitions(test_status_cli PRIVATE ORVAN_BIN_DIR="${ORVAN_BIN_DIR}"
                           ORVAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_dependencies(test_status_cli orvan-history-gen)
