#pragma once
// KApplicationHooks: what the foundation asks of the application object:
// the program's path, the command-line options, and what a wait that may
// last does meanwhile or refuses while it runs. The application object
// implements this interface and installs itself at start-up with
// KSetApplicationHooks (any other implementation may be installed
// instead). The hooks are not owned;
// install them before other threads start and remove them (none) before
// they are destroyed.

class KString;

class KApplicationHooks
{
public:
    virtual ~KApplicationHooks() = default;

    // Appends the program's full path (folder, name and extension) to path.
    virtual void ProgramPath(KString &path) const = 0;
    // The first command-line argument after the program's own that begins
    // with option, case ignored (so "-DEVEL" and "-develX" match "-devel");
    // none when no argument matches.
    virtual const wchar_t *FindOption(const wchar_t *option) const = 0;
    // Called by a wait that may last (a unit's reply, a port's settling, a
    // peer taking a large file) between two slices of at most kWaitSlice ms,
    // on any thread. On the GUI thread inside a long operation it lets the
    // windows repaint and looks for the user's Escape or a close request;
    // false once the operation under way is to stop. Elsewhere true.
    virtual bool WaitGoesOn() { return true; }
    // Called on the waiting thread when a wait begins (true) and when it
    // ends (false) that lets that thread's windows paint and answer what is
    // sent to them, and runs nothing else (the wait for the list of open
    // files that the program's copies share). What a window answers
    // meanwhile must start nothing that the wait's caller did not ask for
    // (a session end's questions). The calls pair and may nest.
    virtual void AnsweringWait(bool begins) { (void)begins; }
};

// Longest a wait that may last runs between two calls of KWaitGoesOn, in ms.
constexpr int KWaitSlice = 40;

// Installs hooks; none restores the built-in answers below.
void KSetApplicationHooks(KApplicationHooks *hooks);
KApplicationHooks *KGetApplicationHooks();

// Appends the program's path: the hooks' answer, or the path of the running
// executable when none are installed.
void KProgramPath(KString &path);
// The hooks' answer; none when no hooks are installed.
const wchar_t *KFindOption(const wchar_t *option);
// The hooks' answer; true when no hooks are installed.
bool KWaitGoesOn();
// Tells the hooks that an answering wait begins or ends; nothing when no
// hooks are installed.
void KAnsweringWait(bool begins);
// Sleeps milliseconds in slices of at most KWaitSlice ms, asking
// KWaitGoesOn after each; false (at once) when it answered false.
bool KWaitSleep(int milliseconds);
