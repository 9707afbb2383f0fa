# Storage file, object persistence and storage records.
list(APPEND TEST_SOURCES
    storage/ZafStorageTestSupport.cpp
    storage/ZafStorageTest.cpp
    storage/ZafStorageHostileTest.cpp
    storage/ZafDataStorageTest.cpp
    storage/ZafWindowStorageTest.cpp
    storage/ZafLanguageStorageTest.cpp
    storage/ZafWriterDataTest.cpp
)
# The data files zafwrite writes into build/data and (the program's) build/bin,
# as Wine sees those folders.
set_source_files_properties(storage/ZafWriterDataTest.cpp PROPERTIES
    COMPILE_DEFINITIONS "ZAF_TEST_DATA_DIR=\"Z:${CMAKE_BINARY_DIR}/data\";ZAF_PROGRAM_DATA_DIR=\"Z:${CMAKE_BINARY_DIR}/bin\"")
