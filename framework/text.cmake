# Formatted text, the wide string library, string data, language and locale.
list(APPEND FRAMEWORK_SOURCES
    core/text/ZafStrings.cpp
    core/text/ZafStringsCase.cpp
    core/text/ZafCollation.cpp
    core/storage/ZafFileNames.cpp
    core/text/ZafFormatOutput.cpp
    core/text/ZafDirectiveFlags.cpp
    core/text/ZafPrintf.cpp
    core/text/ZafScanf.cpp
    core/text/ZafStringConversions.cpp
    core/text/ZafNumberConventions.cpp
    core/text/ZafFormatData.cpp
    core/data/ZafNumberValueData.cpp
    core/data/ZafIntegerData.cpp
    core/data/ZafRealData.cpp
    core/data/ZafScrollData.cpp
    core/data/ZafStringData.cpp
    core/data/ZafStringDataFormat.cpp
    core/data/ZafStringDataLocal.cpp
    core/text/ZafLanguageData.cpp
    core/text/ZafI18nData.cpp
    core/text/ZafLocaleData.cpp
    core/text/ZafLocaleProfile.cpp
    windows/ZafLocaleDataWindows.cpp
)
list(APPEND FRAMEWORK_LIBS kernel32)
