# Tests of the framework windows and controls (tests/framework/controls/).

# Dialog and MDI windows, buttons, border, title, icons.
list(APPEND TEST_SOURCES
    controls/ZafControlTestSupport.cpp
    controls/ZafControlColorsTest.cpp
    controls/ZafDialogWindowTest.cpp
)

# Menus, frame buttons, string and text fields, prompts, message window,
# error reporter, help tips.
list(APPEND TEST_SOURCES
)

# Scroll bars and sliders, lists, combo boxes, number fields, notebook.
list(APPEND TEST_SOURCES
    controls/ZafScrollBarTest.cpp
)

# Geometry manager, tool bar, status bar, printer and print dialog.
list(APPEND TEST_SOURCES
)

# Chart stub.
list(APPEND TEST_SOURCES
)
