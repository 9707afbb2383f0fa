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
    core/ZafCaseTables.cpp
    core/ZafCharacters.cpp
    core/ZafCodeSetData.cpp
    core/ZafImageData.cpp
    core/ZafErrorSystem.cpp
    core/ZafHelpSystem.cpp
    core/ZafStaticData.cpp
    core/ZafApplication.cpp
    windows/ZafCodeSetDataWin.cpp
    windows/ZafImageDataWin.cpp
    windows/ZafEventManagerThread.cpp
)
list(APPEND FRAMEWORK_LIBS gdi32 user32)
