#pragma once
// ZafReplaceOwned: puts replacement into an owning pointer and deletes what
// it held before; nothing happens when replacement is already held, so an
// object is never deleted while it stays in place.

template <class Owned>
void ZafReplaceOwned(Owned *&owner, Owned *replacement)
{
    if (replacement == owner)
        return;
    Owned *old = owner;
    owner = replacement;
    delete old;
}
