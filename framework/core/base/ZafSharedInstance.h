#pragma once
// ZafSharedInstance: the one instance of a service class that the framework
// shares process-wide (the display, the event manager, the error and help
// systems). A service derives from ZafSharedInstance<Service> and so answers
// Shared() and SetShared(). The shared pointer owns nothing, and an instance
// whose destructor calls ForgetShared is forgotten when it dies while
// shared, so that nobody reaches a dead object. GUI thread only.

template <class Service>
class ZafSharedInstance
{
public:
    // The shared instance; null while none is installed.
    static Service *Shared() { return current; }
    // Shares value (null: none); answers the instance shared before, so
    // that a caller can put it back.
    static Service *SetShared(Service *value)
    {
        Service *previous = current;
        current = value;
        return previous;
    }

protected:
    ZafSharedInstance() = default;
    ~ZafSharedInstance() = default;

    // Called by a dying instance: it stops being shared.
    static void ForgetShared(const Service *dying)
    {
        if (current == dying)
            current = nullptr;
    }

private:
    static inline Service *current = nullptr;
};
