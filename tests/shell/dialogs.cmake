# Dialogs, the port-settings panel, the printer and the settings editor.
list(APPEND TEST_SOURCES
    support/DialogTestSupport.cpp
    support/TestPrinterDevice.cpp
    ../support/DibSurface.cpp
    toolkit/dialogs/KZDialogTest.cpp
    toolkit/dialogs/KZLineBreaksTest.cpp
    toolkit/printing/KZPrinterTest.cpp
    toolkit/dialogs/KZRegistryDialogTest.cpp
    toolkit/ports/KZSerialPortTest.cpp
)

# One page through the spooler to the CUPS PDF printer, checked as a picture;
# the spooler test prints only there.
list(APPEND TEST_ALLOW_SKIPS KZPrinterSpooler.*)
add_test(NAME shell_print_pdf
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/toolkit/printing/print-report-to-pdf.sh
        $<TARGET_FILE:shell_tests> ${QT_TEST_WINE_RUN})
set_tests_properties(shell_print_pdf PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120 RESOURCE_LOCK test_display)
