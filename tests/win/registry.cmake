# CRegistryKey, the FCO key choice and the FCO value writes against the real Wine registry.
mendwright_windows_test(win_registry_tests
    ${CMAKE_CURRENT_LIST_DIR}/registry_key_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fco_key_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fco_value_writer_test.cpp)
target_link_libraries(win_registry_tests PRIVATE win_test_support)
