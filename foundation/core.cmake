list(APPEND FOUNDATION_SOURCES
    containers/KList.cpp
    containers/KSortedList.cpp
    containers/KSparseArray.cpp
    messages/KMessageObject.cpp
    strings/KString.cpp
    strings/KText.cpp
    values/KDateTime.cpp
    values/KHelpers.cpp
    values/KInt48.cpp
    values/KPoint.cpp
    values/KRational.cpp
    values/KRect.cpp
)
list(APPEND FOUNDATION_LIBS user32)
