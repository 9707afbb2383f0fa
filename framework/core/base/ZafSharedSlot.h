#pragma once
// ZafSharedSlot: the one instance of a service class that the framework
// shares process-wide (the display, the event manager, the error and help
// systems). The slot only points: it owns nothing, and an instance that is
// destroyed while shared is forgotten so that nobody reaches a dead object.
// GUI thread only.

template <class Service>
class ZafSharedSlot
{
public:
    Service *Get() const { return current; }
    // Shares value (null: none); answers the instance shared before.
    Service *Set(Service *value)
    {
        Service *previous = current;
        current = value;
        return previous;
    }
    // Called by a dying instance: the slot forgets it when it is shared.
    void Forget(const Service *dying)
    {
        if (current == dying)
            current = nullptr;
    }

private:
    Service *current = nullptr;
};
