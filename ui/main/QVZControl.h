#pragma once
// QVZControl: the program's main window, titled "Quorvane Training  v1.32".
// This form is the framework's MDI frame with a system-drawn frame: it allows
// the exit (10019 answers 1), takes the menu-opening and idle events without
// effect, and its OpenEvent only records the file name in the program log.
// It publishes itself as the application's main window and withdraws when
// it goes. Made once by the start-up, owned by the window manager once
// added. GUI thread only.

#include "framework/controls/ZafMDIWindow.h"

class KString;
class QVZEventMDI;

class QVZControl : public ZafMDIWindow
{
public:
    QVZControl();
    ~QVZControl() override;

    ZafEventType Event(const ZafEventStruct &event) override;
    const ZafIChar *Text() override;
    void OSRegisterObject() override;

    // Opens the event or workout file (none: asks for one); answers the
    // window that shows it, or none.
    QVZEventMDI *OpenEvent(const KString *fileName);

    // "Quorvane Training  v" and the version.
    static void Title(KString &out);

private:
    std::wstring title;
};
