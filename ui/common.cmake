# What every area shares: command codes, setting keys and their reading, the
# overlay list. It includes no other area.
list(APPEND UI_SOURCES
    common/QVZOverlayList.cpp
)
