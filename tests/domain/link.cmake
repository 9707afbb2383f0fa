# Tests of the block-sensor and Control Center link: the protocol on byte
# vectors in domain_tests, the link against simulated units on a COM port
# pair in domain_unit_tests.
list(APPEND TEST_SOURCES
    blocksensors/QVUnitPacketTest.cpp
    blocksensors/QVUnitWireAgreementTest.cpp
    blocksensors/QVUnitExchangeTest.cpp
    blocksensors/QVBlockSensorsSettingsTest.cpp
    blocksensors/QVWaveCheckTest.cpp
)
# domain_tests is made after the fragments are read; the agreement test
# compares with the simulated units' own wire code.
cmake_language(DEFER CALL target_link_libraries domain_tests PRIVATE unitsim)

include(${PROJECT_SOURCE_DIR}/tools/comport/ComPort.cmake)
qt_test(domain_unit_tests LIBS domain unitsim SOURCES
    blocksensors/QVBlockSensorsTest.cpp
    blocksensors/QVBlockSensorsUploadTest.cpp
    ../foundation/support/TestStreams.cpp
    ../support/ComPortPair.cpp
)
# COM43 and COM44 (tools/comport/README.md lists the numbers in use).
qt_use_comports(domain_unit_tests 43 44)
