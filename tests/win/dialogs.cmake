# The resources, the machine type picker and the main dialog's frame, in-process under Wine.
mendwright_windows_test(win_dialog_tests
    ${CMAKE_CURRENT_LIST_DIR}/resources_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/machine_type_dlg_test.cpp)
target_link_libraries(win_dialog_tests PRIVATE win_test_support)

# The import table may name Windows' own DLLs only: anything else would have to
# be shipped beside the program.
add_test(NAME mendwright_imports_only_windows_dlls
         COMMAND ${CMAKE_SOURCE_DIR}/tests/harness/check-imports.sh $<TARGET_FILE:Mendwright>)
