# Event retrieval, input devices, window-object event handling, the window
# container with its frame, message routing and the window manager.
list(APPEND FRAMEWORK_SOURCES
    core/objects/ZafApplicationWindows.cpp
    core/events/ZafKeyboard.cpp
    core/objects/ZafWindow.cpp
    core/objects/ZafWindowManager.cpp
    windows/ZafEventManagerGet.cpp
    windows/ZafMouse.cpp
    windows/ZafMouseImages.cpp
    windows/ZafCursor.cpp
    windows/ZafWindowObjectInput.cpp
    windows/ZafWindowObjectDrag.cpp
    windows/ZafWindowOS.cpp
    windows/ZafFrameStyle.cpp
    windows/ZafWindowOSEvent.cpp
    windows/ZafFrameRouter.cpp
    windows/ZafWindowManagerOS.cpp
)
list(APPEND FRAMEWORK_LIBS user32 gdi32)
