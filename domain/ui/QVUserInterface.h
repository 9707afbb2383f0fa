#pragma once
// QVUserInterface: what the training domain asks of the user interface: errors
// and messages, questions, the status line and the save-file dialog. The
// application shell installs one implementation at start-up and removes it at
// shut-down; any other implementation may be installed instead. Without an
// installed interface the domain stays silent and every question answers
// Cancel. Called on the GUI thread only.

#include <cstdint>

class KString;

class QVUserInterface
{
public:
    // Dialog results (as the shell's dialogs answer them).
    static constexpr int kOk = -2999;
    static constexpr int kYes = -2998;
    static constexpr int kNo = -2997;
    static constexpr int kAbort = -2996;
    static constexpr int kRetry = -2995;
    static constexpr int kIgnore = -2994;
    static constexpr int kCancel = -2993;
    // Button flags of Ask.
    static constexpr int kButtonOk = 16;
    static constexpr int kButtonYes = 32;
    static constexpr int kButtonNo = 64;
    static constexpr int kButtonCancel = 128;
    static constexpr int kButtonAbort = 256;
    static constexpr int kButtonRetry = 512;
    static constexpr int kButtonIgnore = 1024;

    virtual ~QVUserInterface() = default;

    // Shows the text of an error code (extra < 0: none).
    virtual void ShowError(int32_t code, int32_t extra) = 0;
    // The same, then on lines of their own what the error is about (a port
    // and unit, a file) and why; empty ones are left out. The default shows
    // the code alone.
    virtual void ShowErrorAbout(int32_t code, int32_t extra, const KString &about, const KString &why);
    // An error met on a file: the code, the file's path and why when the
    // interface knows it. The default shows the path as ShowErrorAbout.
    virtual void ShowFileError(int32_t code, int32_t extra, const KString &file);
    virtual void ShowMessage(const KString &title, const KString &text) = 0;
    // Asks a question with the given buttons; answers one dialog result.
    virtual int Ask(const KString &title, const KString &text, int buttons) = 0;
    // Shows a text in the status line; an empty text clears it.
    virtual void StatusText(const KString &text) = 0;
    // The save-file dialog: starts at path, offers the comma-separated
    // extensions ("qvw"), and on Ok replaces path with the chosen file.
    // False when the user cancelled.
    virtual bool ChooseSaveFile(KString &path, const wchar_t *extensions) = 0;
    // A long operation (an upload): BeginWork shows its text in the status
    // line (and the wait pointer; no percentage yet); Work shows percent (0 to 100, -1 none)
    // and lets the windows repaint, and answers false once the user asked
    // to stop (Escape); EndWork ends it however it ended. WorkText changes
    // the text. The defaults only show the texts.
    virtual void BeginWork(const KString &text);
    virtual void WorkText(const KString &text);
    virtual bool Work(int percent);
    virtual void EndWork();

    // The installed interface, or none.
    static QVUserInterface *Installed();
    static void Install(QVUserInterface *ui);
};
