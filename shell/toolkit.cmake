# The toolkit's window layer: leeches and plain windows, the font cache,
# status bar, field and geometry wrappers, menus, the MDI frame, the splash.
list(APPEND SHELL_SOURCES
    toolkit/KZFontCache.cpp
    toolkit/KZPalette.cpp
    toolkit/KZProgressBar.cpp
    toolkit/KZStatusBar.cpp
    toolkit/KZStatusString.cpp
    toolkit/KZWindow.cpp
    toolkit/KZWindowHelpers.cpp
    toolkit/KZWindowLeech.cpp
    toolkit/KZWindowObjectLeech.cpp
    toolkit/KZWindowObjectLeechDraw.cpp
    toolkit/KZWindowObjectLeechImage.cpp
)
