# The image and hardware window modules' start-ups in the program's order.
list(APPEND IMAGING_SOURCES
    startup/VZWindowModules.cpp
)
