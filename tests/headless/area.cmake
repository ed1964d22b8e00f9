# orvan-status's own layer sits above the shell.
target_link_libraries(test_headless PRIVATE orvan_headless_san PkgConfig::CPP_HTTPLIB)
