# Module start-ups and shut-downs the program's start-up sequence calls.
list(APPEND IMAGING_SOURCES
    startup/VImageStoreModules.cpp
)
