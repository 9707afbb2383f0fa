# Dialogs and what they hold: the layout builder, the message window, browse
# buttons, the port-settings panel, the printer and the settings editor.
list(APPEND SHELL_SOURCES
    toolkit/KZBrowseButton.cpp
    toolkit/KZDialog.cpp
    toolkit/KZDialogBuilder.cpp
    toolkit/KZDialogLayout.cpp
    toolkit/KZMessageWindow.cpp
    toolkit/KZNodeSelector.cpp
    toolkit/KZPrinter.cpp
    toolkit/KZPrinterDevice.cpp
    toolkit/KZPrinterDraw.cpp
    toolkit/KZPrinterPageSetup.cpp
    toolkit/KZRegistryDialog.cpp
    toolkit/KZSerialPort.cpp
    toolkit/KZSerialPortDescription.cpp
    toolkit/KZSettingText.cpp
)
list(APPEND SHELL_LIBS gdi32 comdlg32)
