list(APPEND TEST_SOURCES
    values/cf_FormatTest.cpp
    values/cf_StringTest.cpp
    values/cf_ContainersTest.cpp
    values/cf_XYZTest.cpp
    kernel/cf_KernelTest.cpp
    backend/bf_FontTest.cpp
    attribs/cf_AttribsTest.cpp
    model/cf_DataGroupTest.cpp
    model/cf_ChartModelTest.cpp
    harness/RecordingDisplay.cpp
    harness/MemoryDC.cpp
    backend/bf_DisplayTest.cpp
    backend/bf_DisplayPixelTest.cpp
    backend/bf_PolylineReductionTest.cpp
    scene/cf_SceneTest.cpp
    attribs/cf_AttribsDisplayTest.cpp
)
