list(APPEND TEST_SOURCES
    scoreboards/QVScoreboardScriptTest.cpp
    schedule/QVStartListTest.cpp
)
set_source_files_properties(schedule/QVStartListTest.cpp PROPERTIES
    COMPILE_DEFINITIONS "QV_SERVICES_INPUTS=L\"Z:${CMAKE_CURRENT_SOURCE_DIR}/inputs\"")
list(APPEND TEST_SOURCES
    camera/VCameraTest.cpp
    results/QVResultsQueriesTest.cpp
)
list(APPEND TEST_SOURCES
    schedule/QVScheduleTest.cpp
)
set_source_files_properties(schedule/QVScheduleTest.cpp PROPERTIES
    COMPILE_DEFINITIONS "QV_SERVICES_INPUTS=L\"Z:${CMAKE_CURRENT_SOURCE_DIR}/inputs\"")
list(APPEND TEST_SOURCES
    resultslink/ResultsLinkTest.cpp
    resultslink/QVResultsLinkTest.cpp
    resultslink/QVResultsLinkPeersTest.cpp
)
# A slow reader in a Linux process of its own, started through socat.
set_source_files_properties(resultslink/QVResultsLinkPeersTest.cpp PROPERTIES
    COMPILE_DEFINITIONS "QV_STEADY_READER=\"${CMAKE_CURRENT_SOURCE_DIR}/resultslink/steady-reader.sh\"")
# Idle tick of the results link under a flood against a quiet one; a program
# to run by hand, not a test.
add_executable(domain_link_bench bench/QVResultsLinkBench.cpp)
target_include_directories(domain_link_bench PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
target_compile_options(domain_link_bench PRIVATE ${QT_WARNINGS})
target_link_libraries(domain_link_bench PRIVATE domain)

# Scoreboards on COM port pairs: COM61/COM62 and COM63/COM64 in the test prefix.
include(${PROJECT_SOURCE_DIR}/tools/comport/ComPort.cmake)
qt_test(domain_comport_tests LIBS domain SOURCES
    scoreboards/QVScoreboardPortTest.cpp
    ../foundation/support/TestStreams.cpp
    ../support/ComPortPair.cpp
)
qt_use_comports(domain_comport_tests 61 62)
qt_use_second_comports(domain_comport_tests 63 64)
list(APPEND TEST_SOURCES
    scoreboards/QVScoreboardsTest.cpp
)
list(APPEND TEST_SOURCES
    schedule/QVScheduleLookupTest.cpp
)
set_source_files_properties(scoreboards/QVScoreboardScriptTest.cpp PROPERTIES
    COMPILE_DEFINITIONS "QV_SERVICES_INPUTS=L\"Z:${CMAKE_CURRENT_SOURCE_DIR}/inputs\"")
