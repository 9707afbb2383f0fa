# The image window and its pane.
list(APPEND TEST_SOURCES
    support/ImagePaneTest.cpp
    windows/VZImagePaneTest.cpp
    windows/VZImagePaneMouseTest.cpp
    windows/VZImagePaneExportTest.cpp
    windows/VZImagePaneLinesTest.cpp
    windows/VZImagePaneRangeTest.cpp
    windows/VZImageWindowTest.cpp
)
