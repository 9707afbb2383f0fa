# The toolkit's window layer: leeches and plain windows, the font cache,
# status bar, field and geometry wrappers, menus, the MDI frame, the splash.
list(APPEND SHELL_SOURCES
    toolkit/window/KZAccelerator.cpp
    toolkit/menus/KZAnchoredPopUpMenu.cpp
    toolkit/window/KZBitmap.cpp
    toolkit/window/VZNamedBitmaps.cpp
    toolkit/fields/KZButton.cpp
    toolkit/fields/KZComboBox.cpp
    toolkit/window/KZControl.cpp
    toolkit/window/KZFontCache.cpp
    toolkit/window/KZGeometry.cpp
    toolkit/menus/KZHotKeyText.cpp
    toolkit/fields/KZInteger.cpp
    toolkit/window/KZMDIChild.cpp
    toolkit/menus/KZMenuWatchDog.cpp
    toolkit/window/KZMessageBeep.cpp
    toolkit/fields/KZNumberRange.cpp
    toolkit/window/KZPalette.cpp
    toolkit/menus/KZPopUpItem.cpp
    toolkit/menus/KZPopUpMenu.cpp
    toolkit/bars/KZProgressBar.cpp
    toolkit/fields/KZPrompt.cpp
    toolkit/menus/KZPullDownItem.cpp
    toolkit/menus/KZPullDownMenu.cpp
    toolkit/fields/KZRadioGroup.cpp
    toolkit/fields/KZReal.cpp
    toolkit/fields/KZSlider.cpp
    toolkit/bars/KZStatusBar.cpp
    toolkit/bars/KZStatusPane.cpp
    toolkit/bars/KZStatusString.cpp
    toolkit/fields/KZString.cpp
    toolkit/fields/KZText.cpp
    toolkit/window/KZWindow.cpp
    toolkit/window/KZWindowHelpers.cpp
    toolkit/window/KZWindowLeech.cpp
    toolkit/window/KZWindowObjectLeech.cpp
    toolkit/window/KZWindowObjectLeechDraw.cpp
    toolkit/window/KZWindowObjectLeechImage.cpp
)

# Owner-drawn lists and bars: the scrolling unit window, the selector grid,
# the editable selector, the column-title bar, the tool bar and its items.
list(APPEND SHELL_SOURCES
    toolkit/lists/KZEditableSelector.cpp
    toolkit/lists/KZEditableSelectorString.cpp
    toolkit/lists/KZScroller.cpp
    toolkit/lists/KZScrollerDraw.cpp
    toolkit/lists/KZSelector.cpp
    toolkit/lists/KZSelectorMouse.cpp
    toolkit/lists/KZSizer.cpp
    toolkit/lists/KZSizerMouse.cpp
    toolkit/bars/KZTBButton.cpp
    toolkit/bars/KZTBComboBox.cpp
    toolkit/bars/KZTBSelector.cpp
    toolkit/bars/KZTBSpace.cpp
    toolkit/bars/KZTBString.cpp
    toolkit/bars/KZToolBar.cpp
)
