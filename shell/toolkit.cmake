# The toolkit's window layer: leeches and plain windows, the font cache,
# status bar, field and geometry wrappers, menus, the MDI frame, the splash.
list(APPEND SHELL_SOURCES
    toolkit/KZAccelerator.cpp
    toolkit/KZAnchoredPopUpMenu.cpp
    toolkit/KZBitmap.cpp
    toolkit/KZButton.cpp
    toolkit/KZComboBox.cpp
    toolkit/KZControl.cpp
    toolkit/KZFontCache.cpp
    toolkit/KZGeometry.cpp
    toolkit/KZHotKeyText.cpp
    toolkit/KZInteger.cpp
    toolkit/KZMDIChild.cpp
    toolkit/KZMenuWatchDog.cpp
    toolkit/KZMessageBeep.cpp
    toolkit/KZNumberRange.cpp
    toolkit/KZPalette.cpp
    toolkit/KZPopUpItem.cpp
    toolkit/KZPopUpMenu.cpp
    toolkit/KZProgressBar.cpp
    toolkit/KZPrompt.cpp
    toolkit/KZPullDownItem.cpp
    toolkit/KZPullDownMenu.cpp
    toolkit/KZRadioGroup.cpp
    toolkit/KZReal.cpp
    toolkit/KZSlider.cpp
    toolkit/KZStatusBar.cpp
    toolkit/KZStatusPane.cpp
    toolkit/KZStatusString.cpp
    toolkit/KZString.cpp
    toolkit/KZText.cpp
    toolkit/KZWindow.cpp
    toolkit/KZWindowHelpers.cpp
    toolkit/KZWindowLeech.cpp
    toolkit/KZWindowObjectLeech.cpp
    toolkit/KZWindowObjectLeechDraw.cpp
    toolkit/KZWindowObjectLeechImage.cpp
)

# Owner-drawn lists and bars: the scrolling unit window, the selector grid,
# the editable selector, the column-title bar, the tool bar and its items.
list(APPEND SHELL_SOURCES
    toolkit/KZEditableSelector.cpp
    toolkit/KZEditableSelectorString.cpp
    toolkit/KZScroller.cpp
    toolkit/KZScrollerDraw.cpp
    toolkit/KZSelector.cpp
    toolkit/KZSelectorMouse.cpp
    toolkit/KZSizer.cpp
    toolkit/KZSizerMouse.cpp
    toolkit/KZTBButton.cpp
    toolkit/KZTBComboBox.cpp
    toolkit/KZTBSelector.cpp
    toolkit/KZTBSpace.cpp
    toolkit/KZTBString.cpp
    toolkit/KZToolBar.cpp
)
