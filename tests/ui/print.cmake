# A results page and a chart page through the real spooler (run by print-to-pdf.sh).
list(APPEND TEST_SOURCES
    print/QVZPrintSpoolerTest.cpp
)
