list(APPEND FOUNDATION_SOURCES
    app/KApplicationHooks.cpp
    containers/KList.cpp
    containers/KSortedList.cpp
    containers/KSparseArray.cpp
    log/KLog.cpp
    messages/KMessageObject.cpp
    strings/KPathText.cpp
    strings/KString.cpp
    strings/KText.cpp
    threads/KMutex.cpp
    threads/KPeriodicTask.cpp
    values/KDateTime.cpp
    values/KHelpers.cpp
    values/KInt48.cpp
    values/KPoint.cpp
    values/KRational.cpp
    values/KRect.cpp
)
# The foundation stands on the framework's character, format and code-set services.
list(APPEND FOUNDATION_LIBS framework user32)
