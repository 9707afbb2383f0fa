list(APPEND TEST_SOURCES
    scoreboards/QVScoreboardScriptTest.cpp
    schedule/QVStartListTest.cpp
)
set_source_files_properties(schedule/QVStartListTest.cpp PROPERTIES
    COMPILE_DEFINITIONS "QV_SERVICES_INPUTS=L\"Z:${CMAKE_CURRENT_SOURCE_DIR}/inputs\"")
list(APPEND TEST_SOURCES
    camera/VCameraTest.cpp
)
list(APPEND TEST_SOURCES
    schedule/QVScheduleTest.cpp
)
set_source_files_properties(schedule/QVScheduleTest.cpp PROPERTIES
    COMPILE_DEFINITIONS "QV_SERVICES_INPUTS=L\"Z:${CMAKE_CURRENT_SOURCE_DIR}/inputs\"")
list(APPEND TEST_SOURCES
    resultslink/QVResultsLinkTest.cpp
)
