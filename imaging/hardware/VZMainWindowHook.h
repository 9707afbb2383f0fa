#pragma once
// The main window as the hardware tool bar reaches it: making and opening
// event documents. The main window implements it and hands itself to the
// bar it makes. GUI thread.

class QVEvent;

class VZMainWindowHook
{
public:
    virtual ~VZMainWindowHook() = default;
    // Makes a new event document with its window; the window's event, none
    // when no window was made.
    virtual QVEvent *NewEventDocument() = 0;
    // Opens an event or workout file (none: asks the user for one); the
    // event of the window that shows it, none when nothing was opened.
    virtual QVEvent *OpenEventDocument(const wchar_t *fileName) = 0;
};
