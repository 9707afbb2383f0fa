// KRNode: reading and writing the settings text, and saving it safely.
#include "foundation/registry/KRNode.h"

#include "foundation/log/KLog.h"
#include "foundation/streams/KBufferedFile.h"
#include "foundation/streams/KReplacingFile.h"

namespace
{
const wchar_t kHeader[] = L"Registry Version: 1.00";
const wchar_t kHeaderStart[] = L"Registry Version:";
// Skipped lines are reported one by one up to this many.
constexpr int kReportedLines = 20;

bool IsBlank(const KString &line)
{
    KString copy(line);
    copy.Trim();
    return copy.IsEmpty();
}

void Warn(const KString &text)
{
    if (KLog *log = KProgramLog())
        log->Warning(text);
}

void WarnAboutHeader(const KString &line, const KString &source)
{
    KString start;
    line.Extract(start, 0, int(sizeof kHeaderStart / sizeof kHeaderStart[0]) - 1);
    if (start == kHeaderStart)
        return;
    KString text(L"KRNode::Read: ");
    if (!source.IsEmpty())
        text.Append(source).AppendChar(L' ');
    text.Append(L"first line is not a registry header and was skipped: ");
    KString shown;
    line.Extract(shown, 0, 80);
    text.Append(shown);
    Warn(text);
}

void WarnAboutLine(const KString &source, int number, const KString &reason)
{
    KString text(L"KRNode::Read: ");
    if (!source.IsEmpty())
        text.Append(source).AppendChar(L' ');
    text.Append(L"line ").AppendInt(number).Append(L" skipped: ").Append(reason);
    Warn(text);
}
} // namespace

int KRNode::Read(KStream &stream)
{
    return Read(stream, KString(), 1, nullptr);
}

int KRNode::Read(KStream &stream, const KString &source, int firstLine, ReadReport *report)
{
    ReadReport found;
    KString line;
    int end = stream.ReadLine(line, L"\n", L"\r", nullptr, kMaxLine);
    if (end < 0 && line.IsEmpty()) {
        if (report)
            *report = found;
        return 0;
    }
    WarnAboutHeader(line, source);
    KString reason;
    for (int number = firstLine + 1; end >= 0; ++number) {
        end = stream.ReadLine(line, L"\n", L"\r", nullptr, kMaxLine);
        if (IsBlank(line) || Parse(line.CStr(), 0, &reason))
            continue;
        if (++found.skipped == 1) {
            found.firstSkipped = number;
            found.firstReason = reason;
        }
        if (found.skipped <= kReportedLines)
            WarnAboutLine(source, number, reason);
    }
    if (report)
        *report = found;
    return found.skipped;
}

void KRNode::Write(KStream &stream) const
{
    KString header(kHeader);
    header.AppendChar(L'\n');
    stream.WriteText(header);
    WriteLines(stream);
}

void KRNode::WriteLines(KStream &stream) const
{
    // The node's own flags do not keep it from being written when asked for
    // directly; they apply when its parent writes it.
    if (itsParent)
        WriteLine(stream);
    for (const KRNode *child = itsFirstChild; child; child = child->itsNext)
        child->WriteTree(stream);
}

void KRNode::WriteTree(KStream &stream) const
{
    if (!IsSaved() || IsOmitted())
        return;
    WriteLine(stream);
    for (const KRNode *child = itsFirstChild; child; child = child->itsNext)
        child->WriteTree(stream);
}

void KRNode::WriteLine(KStream &stream) const
{
    KString path, line;
    GetPath(path);
    path.Extract(line, 1, -1);
    if (IsGroup()) {
        line.Append(L"\\:=");
    } else {
        line.AppendChar(L':');
        line.Append(TypeName());
        KString attribute;
        WriteAttribute(attribute);
        if (!attribute.IsEmpty()) {
            line.AppendChar(L',');
            line.Append(attribute);
        }
        line.AppendChar(L'=');
        WriteValue(line);
    }
    line.AppendChar(L'\n');
    stream.WriteText(line);
}

int KRNode::Save(KReplacingFile &file, int encoding) const
{
    encoding = encoding == KStream::kEncoding16Bit ? KStream::kEncoding16Bit : KStream::kEncoding8Bit;
    for (;;) {
        file.Begin();
        try {
            file.SetWriteEncoding(encoding);
            file.SetWriteLineEnd(KStream::kLineEndCRLF);
            file.ClearLostCharacters();
            file.WriteByteOrderMark();
            Write(file);
            if (encoding == KStream::kEncoding8Bit && file.LostCharacters()) {
                // Nothing may be lost: start again in an encoding that holds every character.
                file.Abandon();
                encoding = KStream::kEncoding16Bit;
                continue;
            }
            file.Commit();
            return encoding;
        } catch (...) {
            file.Abandon();
            throw;
        }
    }
}

int KRNode::Save(const KString &path, int encoding) const
{
    KReplacingFile file(path);
    return Save(file, encoding);
}

int KRNode::Load(const KString &path)
{
    KBufferedFile file(4096);
    file.SetFullName(path);
    if (!file.Exists())
        return -1;
    file.Open(KFile::kModeRead);
    if (file.GetSize() < 1) {
        file.Close();
        return -1;
    }
    Read(file, path, 1, nullptr);
    int encoding = file.ReadEncoding() == KStream::kEncoding16Bit ? KStream::kEncoding16Bit : KStream::kEncoding8Bit;
    file.Close();
    return encoding;
}
