# Formatted text, the wide string library, string data, language and locale.
list(APPEND FRAMEWORK_SOURCES
    core/ZafStrings.cpp
    core/ZafCollation.cpp
    core/ZafFormatOutput.cpp
    core/ZafPrintf.cpp
    core/ZafScanf.cpp
    core/ZafStringConversions.cpp
    core/ZafNumberConventions.cpp
)
