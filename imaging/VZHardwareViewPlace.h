#pragma once
// VZHardwareViewPlace: a window object's place in the hardware view it shows
// (the view's window, tool bar, alignment window or lane bar). The place is
// taken while the object shows the view and given back when it moves to
// another view or goes, but only while the place still names it: a newer
// holder keeps its place. A member of the window object; GUI thread only.

#include "domain/hardware/VHardwareView.h"

template <class Hook>
class VZHardwareViewPlace
{
public:
    using Get = Hook *(VHardwareView::*)() const;
    using Set = void (VHardwareView::*)(Hook *);

    // get and set: the view's accessors of the place.
    VZHardwareViewPlace(Get get, Set set) : get(get), set(set) {}
    ~VZHardwareViewPlace() { Leave(); }
    VZHardwareViewPlace(const VZHardwareViewPlace &) = delete;
    VZHardwareViewPlace &operator=(const VZHardwareViewPlace &) = delete;

    // Gives back the place held so far and takes the place in view (none:
    // no view) for holder.
    void Take(VHardwareView *view, Hook *holder)
    {
        Leave();
        shown = view;
        named = holder;
        if (shown)
            (shown->*set)(named);
    }

private:
    void Leave()
    {
        if (shown && (shown->*get)() == named)
            (shown->*set)(nullptr);
        shown = nullptr;
    }

    Get get;
    Set set;
    VHardwareView *shown = nullptr;
    Hook *named = nullptr;
};
