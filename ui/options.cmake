# The options dialog and its group lists.
list(APPEND UI_SOURCES
    options/QVZGroupSelectors.cpp
    options/QVZOptionsDialog.cpp
    options/QVZOptionsGroups.cpp
    options/QVZOptionsPages.cpp
)
