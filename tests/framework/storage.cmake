# Storage file, object persistence and storage records.
list(APPEND TEST_SOURCES
    storage/ZafStorageTestSupport.cpp
    storage/ZafStorageTest.cpp
    storage/ZafStorageHostileTest.cpp
    storage/ZafDataStorageTest.cpp
    storage/ZafWindowStorageTest.cpp
    storage/ZafLanguageStorageTest.cpp
)
