list(APPEND TEST_SOURCES
    containers/KListTest.cpp
    messages/KMessageObjectTest.cpp
    strings/KStringTest.cpp
    values/KGeometryTest.cpp
    values/KHelpersTest.cpp
    values/KNumbersTest.cpp
)
