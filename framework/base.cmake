# Framework base services: elements, lists, regions, the event record and
# event manager, devices, display base, data objects, palettes, code sets.
list(APPEND FRAMEWORK_SOURCES
    core/ZafElement.cpp
    core/ZafList.cpp
    core/ZafRegionStruct.cpp
    core/ZafRegionList.cpp
    core/ZafEventStruct.cpp
    core/ZafDevice.cpp
    core/ZafQueueBlock.cpp
    core/ZafEventManager.cpp
    core/ZafDisplay.cpp
    core/ZafNotification.cpp
    core/ZafData.cpp
    core/ZafPaletteData.cpp
)
