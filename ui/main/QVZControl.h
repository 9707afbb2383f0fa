#pragma once
// QVZControl: the program's main window, titled "Quorvane Training  v1.32".
// This form is the toolkit's MDI frame with its title and no menus yet: the
// frame's own handling answers the exit query, the menu-opening and the idle
// events, and its OpenEvent only records the file name in the program log.
// It publishes itself as the application's main window and withdraws when
// it goes. Made once by the start-up, owned by the window manager once
// added. GUI thread only.

#include <string>

#include "shell/toolkit/KZControl.h"

class KString;
class QVZEventMDI;

class QVZControl : public KZControl
{
public:
    QVZControl();
    ~QVZControl() override;

    ZafEventType Event(const ZafEventStruct &event) override;

    // Opens the event or workout file (none: asks for one); answers the
    // window that shows it, or none.
    QVZEventMDI *OpenEvent(const KString *fileName);

    // "Quorvane Training  v" and the version.
    static void Title(KString &out);
};
