list(APPEND TEST_SOURCES
    strings/KStringTest.cpp
    values/KGeometryTest.cpp
    values/KHelpersTest.cpp
    values/KNumbersTest.cpp
)
