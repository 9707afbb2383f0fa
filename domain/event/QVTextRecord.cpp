#include "domain/event/QVTextRecord.h"

#include "foundation/log/KLog.h"
#include "foundation/strings/KString.h"

void QVReadText(KStream &stream, KString &target, const wchar_t *field)
{
    KString whole;
    whole.Read(stream);
    target = whole;
    if (target.Length() == whole.Length())
        return;
    if (KLog *log = KProgramLog()) {
        KString line(L"document file: ");
        line.Append(field).Append(L" of ").AppendInt(whole.Length());
        line.Append(L" characters cut to ").AppendInt(target.Length());
        log->Warning(line);
    }
}
