#pragma once
// KRString: a text setting. New texts pass through a change handler, which
// decides what is stored: the default handler stores the text and accepts
// it; a live object (a scoreboard, a port, the data folders) may install its
// own, with a context word it can read back, to see each new text at once,
// normalise it (storing it through DefaultChangeHandler) or refuse it. Texts
// read from the settings file pass through the handler too. The stored text
// keeps its address for the node's life. GUI thread only.

#include "foundation/registry/KRTypedNode.h"

class KRString;

// Receives the node, the offered text and the context word; answers whether
// the text was accepted.
using KRStringChangeHandler = bool (*)(KRString &node, const KString &text, void *context);

class KRString : public KRTypedNode<KRString>
{
public:
    static constexpr const wchar_t *kTypeName = L"String";

    bool ParseValue(const KString &text) override { return SetValue(text); }
    // Appends the text; a line break in it is written as a blank so that it
    // can never start a line of its own.
    void WriteValue(KString &out) const override;

    const KString &GetValue() const { return itsValue; }
    // Offers text to the change handler; answers its answer.
    bool SetValue(const KString &text);
    // Installs handler with its context; a null handler restores the default
    // (the context is kept).
    void SetChangeHandler(KRStringChangeHandler handler, void *context);
    void *ChangeContext() const { return itsContext; }
    // Stores text in node and accepts it.
    static bool DefaultChangeHandler(KRString &node, const KString &text, void *context);

private:
    KString itsValue;
    KRStringChangeHandler itsHandler = DefaultChangeHandler;
    void *itsContext = nullptr;
};
