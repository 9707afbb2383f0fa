# Tests of the block-sensor and Control Center link.
list(APPEND TEST_SOURCES
    blocksensors/QVUnitPacketTest.cpp
    blocksensors/QVUnitWireAgreementTest.cpp
    blocksensors/QVUnitExchangeTest.cpp
    blocksensors/QVBlockSensorsSettingsTest.cpp
)
# The link's tests talk to the simulated units of tools/unitsim; the test
# program is made after the fragments are read.
cmake_language(DEFER CALL target_link_libraries domain_tests PRIVATE unitsim)
