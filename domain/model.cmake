# Race times, the timing model, results, charts, the event document and the hub.
list(APPEND DOMAIN_SOURCES
    timing/VRaceTime.cpp
    timing/VGray15.cpp
    timing/VWind.cpp
    ui/QVUserInterface.cpp
)
