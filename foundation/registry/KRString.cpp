// KRString: the text, its writer and the change handler.
#include "foundation/registry/KRString.h"

void KRString::WriteValue(KString &out) const
{
    for (int i = 0; i < itsValue.Length(); ++i) {
        wchar_t c = itsValue[i];
        out.AppendChar(c == L'\r' || c == L'\n' ? L' ' : c);
    }
}

bool KRString::SetValue(const KString &text) { return itsHandler(*this, text, itsContext); }

void KRString::SetChangeHandler(KRStringChangeHandler handler, void *context)
{
    itsHandler = handler ? handler : DefaultChangeHandler;
    itsContext = context;
}

bool KRString::DefaultChangeHandler(KRString &node, const KString &text, void *)
{
    if (&text != &node.itsValue)
        node.itsValue = text;
    return true;
}
