# The options dialog and its group lists.
list(APPEND TEST_SOURCES
    options/QVZOptionsDialogTest.cpp
)
