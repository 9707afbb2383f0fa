# Framework windows and controls: portable halves in controls/, Windows
# halves in windows/. One block per group of controls.

# Dialog and MDI windows, buttons, border, title, icons.
list(APPEND FRAMEWORK_SOURCES
    controls/ZafDialogWindow.cpp
    windows/ZafDialogWindowOS.cpp
    controls/ZafMDIWindow.cpp
    windows/ZafMDIWindowOS.cpp
    controls/ZafButton.cpp
    controls/ZafButtonImages.cpp
    controls/ZafButtonStorage.cpp
    windows/ZafButtonOS.cpp
    windows/ZafButtonDraw.cpp
    controls/ZafBorder.cpp
    windows/ZafBorderOS.cpp
    controls/ZafTitle.cpp
    windows/ZafTitleOS.cpp
    controls/ZafFrameObjects.cpp
    controls/ZafIcon.cpp
    windows/ZafIconOS.cpp
)

# Menus, frame buttons, string and text fields, prompts, message window,
# error reporter, help tips.
list(APPEND FRAMEWORK_SOURCES
    controls/ZafControlData.cpp
    controls/ZafString.cpp
    controls/ZafStringStorage.cpp
    windows/ZafTextControl.cpp
    windows/ZafStringOS.cpp
    controls/ZafPrompt.cpp
    controls/ZafPromptStorage.cpp
    windows/ZafPromptOS.cpp
    controls/ZafText.cpp
    controls/ZafTextStorage.cpp
    windows/ZafTextOS.cpp
    core/events/ZafHelpTips.cpp
    windows/ZafHelpTipsOS.cpp
    controls/ZafMenuImages.cpp
    windows/ZafMenuOS.cpp
    controls/ZafPopUpMenu.cpp
    windows/ZafPopUpMenuOS.cpp
    controls/ZafPopUpItem.cpp
    windows/ZafPopUpItemOS.cpp
    controls/ZafPullDownMenu.cpp
    controls/ZafMenuEntryButton.cpp
    windows/ZafPullDownMenuOS.cpp
    controls/ZafMenuStorage.cpp
    controls/ZafMenuItemStorage.cpp
    controls/ZafFrameButtons.cpp
    windows/ZafFrameButtonsOS.cpp
    controls/ZafMessageWindow.cpp
    controls/ZafMessageWindowStorage.cpp
    windows/ZafMessageWindowOS.cpp
    windows/ZafErrorReporter.cpp
)

# Scroll bars and sliders, lists, combo boxes, number fields, notebook.
list(APPEND FRAMEWORK_SOURCES
    controls/ZafObjectRecord.cpp
    controls/ZafScrollBar.cpp
    windows/ZafScrollBarOS.cpp
    controls/ZafVtList.cpp
    windows/ZafVtListOS.cpp
    windows/ZafListControl.cpp
    controls/ZafNumberField.cpp
    controls/ZafNumberFieldStorage.cpp
    controls/ZafComboBox.cpp
    windows/ZafComboBoxOS.cpp
    controls/ZafNotebook.cpp
    windows/ZafNotebookOS.cpp
    controls/ZafNotebookParts.cpp
)
list(APPEND FRAMEWORK_LIBS comctl32)

# Geometry manager, tool bar, status bar, printer and print dialog.
list(APPEND FRAMEWORK_SOURCES
    controls/ZafConstraint.cpp
    controls/ZafAttachment.cpp
    controls/ZafRelativeConstraint.cpp
    controls/ZafDimensionConstraint.cpp
    controls/ZafGeometryManager.cpp
    controls/ZafGeometryManagerStorage.cpp
    controls/ZafBar.cpp
    controls/ZafToolBar.cpp
    windows/ZafToolBarOS.cpp
    controls/ZafStatusBar.cpp
    windows/ZafStatusBarOS.cpp
    windows/ZafBarOS.cpp
    windows/ZafPrinter.cpp
    windows/ZafPrinterJob.cpp
    windows/ZafPrintDialog.cpp
)
list(APPEND FRAMEWORK_LIBS comdlg32 winspool)

# Chart stub.
list(APPEND FRAMEWORK_SOURCES
    controls/ZafChartStub.cpp
    controls/ZafChartStubStorage.cpp
    windows/ZafChartStubDraw.cpp
)
