# The program's printer and its print-image dialog.
list(APPEND IMAGING_SOURCES
    printer/VZPrinter.cpp
    printer/VZPrintImageDialog.cpp
)
