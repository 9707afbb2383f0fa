# The block-sensor and Control Center link.
list(APPEND DOMAIN_SOURCES
    blocksensors/QVUnitCrc.cpp
    blocksensors/QVUnitPacket.cpp
    blocksensors/QVUnitReplies.cpp
    blocksensors/QVUnitExchange.cpp
    blocksensors/QVLinkTexts.cpp
    blocksensors/QVBlockSensorFiles.cpp
    blocksensors/QVBlockSensors.cpp
    blocksensors/QVBlockSensorsControlCenter.cpp
    blocksensors/QVBlockSensorsSettings.cpp
    blocksensors/QVMonitorDialogue.cpp
    blocksensors/QVBlockSensorsUpload.cpp
    blocksensors/QVWaveCheck.cpp
)
