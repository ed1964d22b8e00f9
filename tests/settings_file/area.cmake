# orvan-settings' command line is the program's own, compiled in here.
target_sources(test_settings_file PRIVATE ${PROJECT_SOURCE_DIR}/src/cli/settings_options.cpp)
target_compile_definitions(test_settings_file PRIVATE ORVAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
