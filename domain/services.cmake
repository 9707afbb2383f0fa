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
