# What every area shares: command codes, setting keys and their reading, the
# overlay list, the text of a port that cannot be opened. It includes no
# other area.
list(APPEND UI_SOURCES
    common/QVZOverlayList.cpp
    common/QVZPortNotOpen.cpp
    common/QVZUnitSilent.cpp
)
