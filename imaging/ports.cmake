# The serial-port panel of the options pages.
list(APPEND IMAGING_SOURCES
    ports/VZSerialPort.cpp
)
