# The rich tooltip window driven by a real owner window under Wine, and its benchmark.
mendwright_windows_test(win_tooltip_tests
    ${CMAKE_CURRENT_LIST_DIR}/rich_tip_tracking_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rich_tip_drawing_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rich_tip_text_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/RichTipHost.cpp)
target_link_libraries(win_tooltip_tests PRIVATE win_test_support)

# Figures, not a test: from the mouse at rest to the painted tip, and painting against plain DrawText.
mendwright_test_program(bench_tooltip
    ${CMAKE_SOURCE_DIR}/tests/bench/bench_tooltip.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/RichTipHost.cpp)
target_link_libraries(bench_tooltip PRIVATE mendwright_core)
