#pragma once
// KZSwitchView: how a window or pane moves from the document view it shows
// to another one. Nothing happens when the view stays the same. Otherwise
// release(old view) runs while the old view is still held, the held view
// becomes none, and take(new view) runs once the new view is held (not at
// all when the new view is none), so that what take does through the
// window (scrolling, selecting) already reaches the new view. GUI thread.

template <class View, class Release, class Take>
void KZSwitchView(View *&held, View *next, Release release, Take take)
{
    if (next == held)
        return;
    if (held)
        release(*held);
    held = nullptr;
    if (!next)
        return;
    held = next;
    take(*next);
}
