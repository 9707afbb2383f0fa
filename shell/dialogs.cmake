# Dialogs and what they hold: the layout builder, the message window, browse
# buttons, the port-settings panel, the printer and the settings editor.
list(APPEND SHELL_SOURCES
    toolkit/fields/KZBrowseButton.cpp
    toolkit/dialogs/KZDialog.cpp
    toolkit/dialogs/KZDialogBuilder.cpp
    toolkit/dialogs/KZDialogLayout.cpp
    toolkit/dialogs/KZLineBreaks.cpp
    toolkit/dialogs/KZMessageWindow.cpp
    toolkit/dialogs/KZNodeSelector.cpp
    toolkit/printing/KZPrinter.cpp
    toolkit/printing/KZPrinterDevice.cpp
    toolkit/printing/KZPrinterDraw.cpp
    toolkit/printing/KZPrinterPageSetup.cpp
    toolkit/dialogs/KZRegistryDialog.cpp
    toolkit/ports/KZSerialPort.cpp
    toolkit/ports/KZSerialPortDescription.cpp
    toolkit/dialogs/KZSettingText.cpp
)
list(APPEND SHELL_LIBS gdi32 comdlg32)
