list(APPEND TEST_SOURCES
    values/KHelpersTest.cpp
)
