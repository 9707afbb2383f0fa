# Start-list database, results interface, scoreboards and the camera side.
list(APPEND DOMAIN_SOURCES
    scoreboards/QVScoreboardScript.cpp
    scoreboards/QVScoreboardEncoding.cpp
    schedule/QVStartList.cpp
)
list(APPEND DOMAIN_SOURCES
    camera/VCamera.cpp
    fdm/VFDM.cpp
    results/QVResultsQueries.cpp
)
list(APPEND DOMAIN_SOURCES
    schedule/QVScheduleItem.cpp
    schedule/QVSchedule.cpp
    schedule/QVScheduleLookup.cpp
    resultslink/QVResultsFile.cpp
)
list(APPEND DOMAIN_SOURCES
    resultslink/QVResultsLink.cpp
    resultslink/QVResultsLinkHandOver.cpp
    resultslink/QVLinkConnection.cpp
    resultslink/QVEventResults.cpp
    scoreboards/QVScoreboard.cpp
    scoreboards/QVScoreboards.cpp
)
