# Tests of the block-sensor and Control Center link.
list(APPEND TEST_SOURCES
    blocksensors/QVUnitPacketTest.cpp
)
