# The FCO list control on a real list view, hosted in a visible window under Wine.
mendwright_windows_test(win_listctrl_tests
    ${CMAKE_CURRENT_LIST_DIR}/list_ctrl_fco_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/ListCtrlFcoHost.cpp)
target_link_libraries(win_listctrl_tests PRIVATE win_test_support)
