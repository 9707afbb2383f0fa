#pragma once
// KApplicationHooks: what the foundation asks of the application object:
// the program's path and the command-line options. The application object
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
};

// Installs hooks; none restores the built-in answers below.
void KSetApplicationHooks(KApplicationHooks *hooks);
KApplicationHooks *KGetApplicationHooks();

// Appends the program's path: the hooks' answer, or the path of the running
// executable when none are installed.
void KProgramPath(KString &path);
// The hooks' answer; none when no hooks are installed.
const wchar_t *KFindOption(const wchar_t *option);
