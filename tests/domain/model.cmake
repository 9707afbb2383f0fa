list(APPEND TEST_SOURCES
    ../foundation/support/TestStreams.cpp
    timing/VRaceTimeTest.cpp
    results/QVResultsTest.cpp
    results/QVResultsViewTest.cpp
    event/QVEventFileTest.cpp
    event/QVEventTest.cpp
    charts/VZoomTest.cpp
    hardware/VHardwareTest.cpp
    ui/QVSettingsTest.cpp
    hardware/QVSerialPortTest.cpp
    hardware/VSerialPortTest.cpp
    event/QVEventExamplesTest.cpp
)
set_source_files_properties(event/QVEventExamplesTest.cpp PROPERTIES
    COMPILE_DEFINITIONS "QV_EXAMPLES=L\"Z:${PROJECT_SOURCE_DIR}/docs/examples\"")

# Save/open speed against a plain file transfer; a program to run by hand,
# not a test.
add_executable(domain_bench bench/QVEventBench.cpp)
target_include_directories(domain_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(domain_bench PRIVATE ${QT_WARNINGS})
target_link_libraries(domain_bench PRIVATE domain)
