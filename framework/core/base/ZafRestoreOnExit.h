#ifndef ZAF_RESTOREONEXIT_H
#define ZAF_RESTOREONEXIT_H

// Sets a value for one scope and gives back what it found when the scope
// ends, so that requests of one kind may nest: a second session end, or a
// close met while the first one asks, leaves the outer one's mark as it was.
template <typename Value>
class ZafRestoreOnExit
{
public:
    ZafRestoreOnExit(Value &value, Value during) : value(value), found(value) { value = during; }
    ~ZafRestoreOnExit() { value = found; }
    ZafRestoreOnExit(const ZafRestoreOnExit &) = delete;
    ZafRestoreOnExit &operator=(const ZafRestoreOnExit &) = delete;

private:
    Value &value;
    Value found;
};

#endif
