# The backup folder's creation and the shell launches, in-process under Wine.
mendwright_windows_test(win_maintenance_tests
    ${CMAKE_CURRENT_LIST_DIR}/folder_launch_test.cpp)
target_link_libraries(win_maintenance_tests PRIVATE win_test_support)

# Started by the launch tests from the same folder; it reports the show command it was given.
mendwright_test_program(show_command_probe WIN32 ${CMAKE_CURRENT_LIST_DIR}/support/show_command_probe.cpp)
add_dependencies(win_maintenance_tests show_command_probe)

# Figures, not a test: the backup, the restore and Update Registry against fixed waits and bare writes.
mendwright_test_program(bench_maintenance
    ${CMAKE_SOURCE_DIR}/tests/bench/bench_maintenance.cpp
    ${CMAKE_SOURCE_DIR}/tests/bench/BenchSupport.cpp
    ${MENDWRIGHT_RESOURCES})
target_link_libraries(bench_maintenance PRIVATE win_test_support psapi)
