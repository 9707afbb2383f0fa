list(APPEND FOUNDATION_SOURCES
    values/KHelpers.cpp
)
