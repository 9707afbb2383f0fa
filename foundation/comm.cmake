# Port descriptions, serial ports, sockets, the stream factory, OS texts and bitmaps.
list(APPEND FOUNDATION_SOURCES
    comm/KAddress.cpp
    comm/KZOSText.cpp
)
