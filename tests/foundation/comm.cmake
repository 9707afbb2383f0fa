# Tests of port descriptions, sockets, OS texts and bitmaps (in foundation_tests),
# and of serial ports on a COM port pair (foundation_comport_tests).
list(APPEND TEST_SOURCES
    bitmap/KBitmapTest.cpp
    comm/KAddressTest.cpp
    comm/KPortDescriptionTest.cpp
    comm/KSocketTest.cpp
    comm/KZOSTextTest.cpp
)

include(${PROJECT_SOURCE_DIR}/tools/comport/ComPort.cmake)
qt_test(foundation_comport_tests LIBS foundation SOURCES
    comm/KSerialPortTest.cpp
    ../support/ComPortPair.cpp
)
# COM41 and COM42 in the test prefix (tools/comport/README.md lists the numbers in use).
qt_use_comports(foundation_comport_tests 41 42)
set_source_files_properties(bitmap/KBitmapTest.cpp PROPERTIES
    COMPILE_DEFINITIONS "QV_FOUNDATION_INPUTS=L\"Z:${CMAKE_CURRENT_SOURCE_DIR}/inputs\"")
