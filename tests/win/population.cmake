# The normalising pass and the filling of the FCO list against the real Wine registry and a real dialog.
mendwright_windows_test(win_population_tests
    ${CMAKE_CURRENT_LIST_DIR}/fco_values_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fco_population_test.cpp)
target_link_libraries(win_population_tests PRIVATE win_test_support)

# Figures, not a test: the pass and the filling against the bare calls they are built on.
mendwright_test_program(bench_population
    ${CMAKE_SOURCE_DIR}/tests/bench/bench_population.cpp
    ${CMAKE_SOURCE_DIR}/tests/bench/BenchSupport.cpp
    ${MENDWRIGHT_RESOURCES})
target_link_libraries(bench_population PRIVATE win_test_support psapi)
