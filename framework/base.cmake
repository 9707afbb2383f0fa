# Framework base services: elements, lists, regions, the event record and
# event manager, devices, display base, data objects, palettes, code sets.
list(APPEND FRAMEWORK_SOURCES
    core/base/ZafElement.cpp
    core/base/ZafList.cpp
    core/display/ZafRegionStruct.cpp
    core/display/ZafRegionList.cpp
    core/events/ZafEventStruct.cpp
    core/events/ZafDevice.cpp
    core/base/ZafQueueBlock.cpp
    core/events/ZafEventManager.cpp
    core/display/ZafDisplay.cpp
    core/data/ZafNotification.cpp
    core/data/ZafData.cpp
    core/data/ZafPaletteData.cpp
    core/text/ZafCaseTables.cpp
    core/text/ZafCharacters.cpp
    core/text/ZafCodeSetData.cpp
    core/data/ZafImageData.cpp
    core/objects/ZafErrorSystem.cpp
    core/objects/ZafHelpSystem.cpp
    core/base/ZafStaticData.cpp
    core/objects/ZafApplication.cpp
    windows/ZafCodeSetDataWin.cpp
    windows/ZafImageDataWin.cpp
    windows/ZafEventManagerThread.cpp
)
list(APPEND FRAMEWORK_LIBS gdi32 user32)
