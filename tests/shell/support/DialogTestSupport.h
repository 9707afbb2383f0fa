#ifndef SHELL_DIALOG_TEST_SUPPORT_H
#define SHELL_DIALOG_TEST_SUPPORT_H

// Helpers of the dialog tests: an action run from inside the next modal
// loop (the hand of a user at a dialog that is open), the answer of the file
// dialogs, and walks over the open windows and a window's fields.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/objects/ZafWindow.h"
#include "framework/core/objects/ZafWindowManager.h"

// Runs action once from inside the next modal loop: a thread timer is
// dispatched by the loop like any message.
void WhileModal(std::function<void()> action);

// Every file dialog from now on answers path, or is cancelled when path is
// empty, until KFile::SetDialogHook({}).
void AnswerFileDialogs(const std::wstring &path);

// The front window of the window manager (an open dialog), none without one.
ZafWindow *FrontWindow();

// Posts a click to every button below window whose value is value (a
// standard button's dialog result, a command button's code).
void PressButton(ZafWindow *window, int32_t value);

// The first of the window manager's windows that is a T (an open dialog of
// that kind), none without one.
template <typename T> T *OpenWindowOf()
{
    ZafWindowManager *manager = ZafWindowManager::Shared();
    for (ZafElement *e = manager ? manager->ZafList::First() : nullptr; e; e = e->Next())
        if (auto *window = dynamic_cast<T *>(static_cast<ZafWindowObject *>(e)))
            return window;
    return nullptr;
}

// Every object of type T below window (children, then their children), in order.
template <typename T> std::vector<T *> FieldsOf(ZafWindow *window)
{
    std::vector<T *> found;
    for (ZafWindowObject *child = window ? window->FirstChild() : nullptr; child;
         child = static_cast<ZafWindowObject *>(child->Next())) {
        if (auto *field = dynamic_cast<T *>(child))
            found.push_back(field);
        if (auto *inner = dynamic_cast<ZafWindow *>(child)) {
            const std::vector<T *> below = FieldsOf<T>(inner);
            found.insert(found.end(), below.begin(), below.end());
        }
    }
    return found;
}

#endif
