// Another running copy of the program that has a workout open, for the
// tests of what a save leaves of it (QVEventFileTest.cpp starts it): it
// opens the workout as the program does, sets the first named event, and
// ends as the program does, its workout closed, once the second is set, or
// when it is killed.
//
// Usage: open_workout FILE OPENED_EVENT END_EVENT
// Exit code: 2 for wrong arguments, 3 when the workout did not open, 4 when
// not told to end within a minute.

#include "domain/event/QVEvent.h"

#include <windows.h>

int wmain(int argc, wchar_t **argv)
{
    HANDLE opened = argc == 4 ? OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]) : nullptr;
    HANDLE end = argc == 4 ? OpenEventW(SYNCHRONIZE, FALSE, argv[3]) : nullptr;
    if (!opened || !end)
        return 2;
    QVEvent workout;
    if (workout.Open(QVEvent::kOpenRead, argv[1]) != 0)
        return 3;
    SetEvent(opened);
    return WaitForSingleObject(end, 60 * 1000) == WAIT_OBJECT_0 ? 0 : 4;
}
