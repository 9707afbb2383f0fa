#pragma once
// VImage: one captured photo-finish image: the camera description that
// decides its block format and pixels per frame, and the module state the
// image code shares (the print time steps and the print line colour
// setting, taken at start-up). Owned by whoever made it; GUI thread.

#include "domain/camera/VCamera.h"
#include "foundation/containers/KList.h"
#include "foundation/messages/KMessageObject.h"

#include <cstdint>

class KRInt;

class VImage : public KListItem, public KMessageObject
{
public:
    static constexpr int kPrintTimeSteps = 3;

    // owner: the message parent (or none); an id other than -1 gives the
    // camera a new message id.
    explicit VImage(KMessageObject *owner = nullptr, int32_t id = -1);

    VCamera &Camera() { return itsCamera; }
    const VCamera &Camera() const { return itsCamera; }

    // Module start-up and shut-down (every run of the program).
    static void Startup();
    static void Shutdown();
    // The race-time steps whose boundaries get the print hash lines, in
    // ticks, widest first (1 s, 0.1 s, 0.01 s); 0 outside 0..2.
    static int64_t PrintTimeStep(int index);
    // The print line colour setting, none when the settings lack it.
    static KRInt *PrintLineColorNode();

private:
    VCamera itsCamera;
};
