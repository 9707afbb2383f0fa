list(APPEND TEST_SOURCES
    streams/KFileDialogTest.cpp
    streams/KFileTest.cpp
    streams/KRecordTest.cpp
    streams/KStreamTest.cpp
    support/TestStreams.cpp
)
