#pragma once
// QVZIdPane: a tool-bar text field that knows the window that owns it and
// ignores the logical event kEvtEnter; everything else is the string field's.
// Owned by its tool bar; GUI thread only.

#include "shell/toolkit/bars/KZTBString.h"

class ZafWindowObject;

class QVZIdPane : public KZTBString
{
public:
    QVZIdPane(ZafWindowObject *owner, ZafStringData *text, int width);

    ZafEventType Event(const ZafEventStruct &event) override;
    ZafWindowObject *Owner() const { return owner; }

private:
    ZafWindowObject *owner;
};
