# Framework data files: files and file systems, the storage file, object
# persistence and the storage records of data objects and window objects.
list(APPEND FRAMEWORK_SOURCES
    core/storage/ZafFile.cpp
    core/storage/ZafDiskFileSystem.cpp
    core/storage/ZafDirectoryElement.cpp
    core/storage/ZafStorageFile.cpp
    core/storage/ZafStorage.cpp
    core/storage/ZafStoragePaths.cpp
    core/storage/ZafStorageSave.cpp
    core/storage/ZafObjectPersistence.cpp
    core/data/ZafDataRecord.cpp
    core/data/ZafDataStorage.cpp
    core/data/ZafImageDataStorage.cpp
    core/objects/ZafWindowObjectStorage.cpp
    core/objects/ZafWindowStorage.cpp
    core/text/ZafLanguageStorage.cpp
    core/objects/ZafApplicationStorage.cpp
)
