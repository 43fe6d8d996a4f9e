# The resources, the machine type picker, the main dialog's frame and its tooltips, in-process under Wine.
mendwright_windows_test(win_dialog_tests
    ${CMAKE_CURRENT_LIST_DIR}/resources_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/machine_type_dlg_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fco_dlg_tips_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_dialog_frame_test.cpp)
target_link_libraries(win_dialog_tests PRIVATE win_test_support)

# NT 4.0 and later and the 9x line must load the program: every imported function is listed with
# the oldest Windows that has it, nothing newer than NT 4.0 is allowed, and the header asks for 4.0.
add_test(NAME mendwright_loads_on_nt4_and_later
         COMMAND ${CMAKE_SOURCE_DIR}/tests/harness/check-imports.sh ${MENDWRIGHT_PRODUCT_EXE})
# The check itself must catch what it is for: a test program, linked with winpthread like the
# product once was, imports Windows Vista's GetTickCount64.
add_test(NAME import_check_refuses_a_vista_import
         COMMAND ${CMAKE_SOURCE_DIR}/tests/harness/check-imports.sh $<TARGET_FILE:win_dialog_tests>)
set_tests_properties(import_check_refuses_a_vista_import PROPERTIES
    PASS_REGULAR_EXPRESSION "TOO NEW +KERNEL32.dll GetTickCount64 \\(Windows Vista\\)")

# The release zip carries the very program these tests ran (where Wine runs only 64-bit
# programs, the 32-bit program the twin was built beside).
add_test(NAME release_zip_holds_the_tested_program
         COMMAND ${CMAKE_SOURCE_DIR}/tests/harness/check-package.sh ${CMAKE_BINARY_DIR} ${MENDWRIGHT_PRODUCT_EXE}
                 ${CMAKE_SOURCE_DIR}/demo/QX-200.txt)
# It builds the package in the build tree while it runs, so nothing else may run beside it.
set_tests_properties(release_zip_holds_the_tested_program PROPERTIES RUN_SERIAL TRUE)
