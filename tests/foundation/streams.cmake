list(APPEND TEST_SOURCES
    registry/KRIteratorTest.cpp
    registry/KRegistryFileTest.cpp
    registry/KRegistryTest.cpp
    streams/KDamageTest.cpp
    streams/KFileDialogTest.cpp
    streams/KFileTest.cpp
    streams/KStreamBufferTest.cpp
    streams/KRecordTest.cpp
    streams/KStreamTest.cpp
    support/TestStreams.cpp
)
