# Tests of port descriptions, sockets, OS texts and bitmaps.
list(APPEND TEST_SOURCES
    comm/KAddressTest.cpp
    comm/KZOSTextTest.cpp
)
