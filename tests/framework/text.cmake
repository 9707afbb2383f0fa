# Tests of formatted text, wide strings, string data, language and locale.
list(APPEND TEST_SOURCES
    core/ZafStringsTest.cpp
    core/ZafCollationTest.cpp
    core/ZafPrintfTest.cpp
    core/ZafScanfTest.cpp
    core/ZafStringDataTest.cpp
    core/ZafNumberDataTest.cpp
    core/ZafLocaleDataTest.cpp
    core/ZafLanguageDataTest.cpp
)
