# The image window and its pane.
list(APPEND TEST_SOURCES
    support/ImagePaneTest.cpp
    support/ImageWindowLegTest.cpp
    support/PopUpMenuProbe.cpp
    windows/VZImagePaneTest.cpp
    windows/VZImagePaneMouseTest.cpp
    windows/VZImagePaneExportTest.cpp
    windows/VZImagePaneLinesTest.cpp
    windows/VZImagePaneRangeTest.cpp
    windows/VZImageWindowTest.cpp
    windows/VZImageWindowResultTest.cpp
    windows/VZImageWindowPopUpTest.cpp
)
