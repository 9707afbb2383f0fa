list(APPEND TEST_SOURCES
    app/KApplicationHooksTest.cpp
    containers/KListTest.cpp
    log/KLogTest.cpp
    messages/KMessageObjectTest.cpp
    strings/KStringTest.cpp
    threads/KMutexTest.cpp
    threads/KPeriodicTaskTest.cpp
    values/KGeometryTest.cpp
    values/KHelpersTest.cpp
    values/KNumbersTest.cpp
)
