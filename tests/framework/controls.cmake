# Tests of the framework windows and controls (tests/framework/controls/).

# Dialog and MDI windows, buttons, border, title, icons.
list(APPEND TEST_SOURCES
    controls/ZafControlTestSupport.cpp
    controls/ZafControlColorsTest.cpp
    controls/ZafDialogWindowTest.cpp
    controls/ZafMDIWindowTest.cpp
    controls/ZafButtonTest.cpp
    controls/ZafFrameObjectsTest.cpp
    controls/ZafIconTest.cpp
    controls/ZafControlStorageTest.cpp
    controls/ZafWindowManagerCommandsTest.cpp
)

# Menus, frame buttons, string and text fields, prompts, message window,
# error reporter, help tips.
list(APPEND TEST_SOURCES
    controls/ZafFieldTestSupport.cpp
    controls/ZafStringFieldTest.cpp
    controls/ZafPromptTest.cpp
    controls/ZafTextTest.cpp
    controls/ZafHelpTipsTest.cpp
    controls/ZafFieldStorageTest.cpp
    controls/ZafMenuTest.cpp
    controls/ZafFrameButtonsTest.cpp
    controls/ZafMessageWindowTest.cpp
    controls/ZafMenuStorageTest.cpp
    controls/ZafPinnedSettingsTest.cpp
)
# Their 8-bit window-system paths, run as a Windows 98 program (the wide
# clipboard text has no 8-bit form there).
qt_win98_test(framework_controls_win98
    ZafPlatformVersion.*:ZafStringField.*:ZafPromptLabel.*:ZafTextField.*:ZafPopUp*:ZafPullDownMenuBar.*:ZafSystemButtonMenu.*:-*WideClipboardText)

# Scroll bars and sliders, lists, combo boxes, number fields, notebook.
list(APPEND TEST_SOURCES
    controls/ZafScrollBarTest.cpp
    controls/ZafVtListTest.cpp
    controls/ZafNumberFieldTest.cpp
    controls/ZafComboBoxTest.cpp
    controls/ZafNotebookTest.cpp
)

# Geometry manager, tool and status bars, printer and print dialog.
list(APPEND TEST_SOURCES
    controls/ZafLayoutTestSupport.cpp
    controls/ZafGeometryManagerTest.cpp
    controls/ZafToolBarTest.cpp
    controls/ZafStatusBarTest.cpp
    controls/ZafBarTest.cpp
    controls/ZafPrinterTest.cpp
)

# One page through the spooler to the CUPS PDF printer, checked as a picture;
# the spooler test prints only there.
list(APPEND TEST_ALLOW_SKIPS ZafPrinterSpooler.*)
add_test(NAME framework_print_pdf
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/controls/print-to-pdf.sh
        $<TARGET_FILE:framework_tests> ${QT_TEST_WINE_RUN})
set_tests_properties(framework_print_pdf PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)

# Chart stub.
list(APPEND TEST_SOURCES
    controls/ZafChartStubTest.cpp
)
