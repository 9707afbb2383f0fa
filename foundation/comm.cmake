# Port descriptions, serial ports, sockets, the stream factory, OS texts and bitmaps.
list(APPEND FOUNDATION_SOURCES
    bitmap/KBitmap.cpp
    bitmap/KBitmapTarga.cpp
    bitmap/KPixel.cpp
    comm/KAddress.cpp
    comm/KPortStream.cpp
    comm/KSerialPort.cpp
    comm/KSerialPortDescription.cpp
    comm/KSerialPortList.cpp
    comm/KSerialPortShare.cpp
    comm/KSocket.cpp
    comm/KTCPSocket.cpp
    comm/KUDPSocket.cpp
    comm/KZOSText.cpp
)
list(APPEND FOUNDATION_LIBS ws2_32)
