# Windows platform object, window object, GDI and screen display, images and
# window-object drawing.
list(APPEND FRAMEWORK_SOURCES
    core/objects/ZafWindowObject.cpp
    core/objects/ZafWindowObjectPalette.cpp
    windows/ZafMSWindowsApp.cpp
    windows/ZafOSText.cpp
    windows/ZafWindowObjectOS.cpp
    windows/ZafControlStyle.cpp
    windows/ZafWindowObjectDraw.cpp
    windows/ZafWindowObjectEvent.cpp
    windows/ZafCache.cpp
    windows/ZafGdiDisplay.cpp
    windows/ZafGdiDisplayDraw.cpp
    windows/ZafGdiDisplayText.cpp
    windows/ZafGdiDisplayFonts.cpp
    windows/ZafGdiDisplayImages.cpp
    windows/ZafImagePacking.cpp
    windows/ZafScreenDisplay.cpp
)
list(APPEND FRAMEWORK_LIBS gdi32 user32)
