# Framework data files: files and file systems, the storage file, object
# persistence and the storage records of data objects and window objects.
list(APPEND FRAMEWORK_SOURCES
    core/ZafFile.cpp
    core/ZafDiskFileSystem.cpp
    core/ZafDirectoryElement.cpp
    core/ZafStorageFile.cpp
    core/ZafStorage.cpp
    core/ZafStoragePaths.cpp
    core/ZafStorageSave.cpp
    core/ZafObjectPersistence.cpp
    core/ZafDataRecord.cpp
    core/ZafDataStorage.cpp
    core/ZafImageDataStorage.cpp
    core/ZafWindowObjectStorage.cpp
    core/ZafWindowStorage.cpp
    core/ZafLanguageStorage.cpp
    core/ZafApplicationStorage.cpp
)
