# Formatted text, the wide string library, string data, language and locale.
list(APPEND FRAMEWORK_SOURCES
    core/ZafStrings.cpp
    core/ZafStringsCase.cpp
    core/ZafCollation.cpp
    core/ZafFileNames.cpp
    core/ZafFormatOutput.cpp
    core/ZafPrintf.cpp
    core/ZafScanf.cpp
    core/ZafStringConversions.cpp
    core/ZafNumberConventions.cpp
    core/ZafFormatData.cpp
    core/ZafIntegerData.cpp
    core/ZafRealData.cpp
    core/ZafScrollData.cpp
    core/ZafStringData.cpp
    core/ZafStringDataFormat.cpp
    core/ZafStringDataLocal.cpp
    core/ZafLanguageData.cpp
    core/ZafI18nData.cpp
    core/ZafLocaleData.cpp
    core/ZafLocaleProfile.cpp
    windows/ZafLocaleDataWindows.cpp
)
list(APPEND FRAMEWORK_LIBS kernel32)
