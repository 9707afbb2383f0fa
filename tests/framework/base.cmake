list(APPEND TEST_SOURCES
    core/ZafListTest.cpp
    core/ZafRegionTest.cpp
    core/ZafEventManagerTest.cpp
    core/ZafDataTest.cpp
    core/ZafCharactersTest.cpp
    core/ZafCodeSetDataTest.cpp
    core/ZafImageDataTest.cpp
    core/ZafApplicationTest.cpp
)
