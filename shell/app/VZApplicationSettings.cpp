// Settings defaults, the settings file, the language files and the data
// folders.
#include "shell/app/VZApplication.h"

#include "domain/schedule/QVSchedule.h"
#include "domain/schedule/QVServiceKeys.h"
#include "foundation/errors/KX.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KBufferedFile.h"
#include "foundation/streams/KFileInfo.h"
#include "foundation/streams/KReplacingFile.h"
#include "shell/app/VZSettingKeys.h"

namespace {

// The file of that name in the program's folder.
KString ProgramFolderFile(const KFile &program, const KString &name)
{
    KString path;
    program.GetFolder(path);
    path.Append(name);
    return path;
}

KString ProgramFileWithExtension(const KFile &program, const wchar_t *extension)
{
    KFile file(program);
    file.SetExtension(extension);
    return file.FullName();
}

} // namespace

bool VZApplication::LoadDefaults()
{
    if (!registry)
        return false;
    registry->AddDefaults(DefaultsTable());
    KString folder;
    GetProgramFile().GetFolder(folder);
    if (KRString *in = registry->GetString(kKeyDataInDir)) {
        in->SetChangeHandler(&VZApplication::DataInDirChanged, this);
        in->SetValue(folder);
    }
    if (KRString *out = registry->GetString(kKeyDataOutDir)) {
        out->SetChangeHandler(&VZApplication::DataOutDirChanged, this);
        out->SetValue(folder);
    }
    return true;
}

bool VZApplication::DataInDirChanged(KRString &node, const KString &text, void *context)
{
    auto *self = static_cast<VZApplication *>(context);
    return self ? FolderChanged(self->dataInFolder, node, text) : KRString::DefaultChangeHandler(node, text, nullptr);
}

bool VZApplication::DataOutDirChanged(KRString &node, const KString &text, void *context)
{
    auto *self = static_cast<VZApplication *>(context);
    return self ? FolderChanged(self->dataOutFolder, node, text) : KRString::DefaultChangeHandler(node, text, nullptr);
}

bool VZApplication::FolderChanged(KFile &folder, KRString &node, const KString &text)
{
    KString path(text);
    // An empty folder means the program's own folder, never the drive's root.
    if (path.IsEmpty() && application)
        application->GetProgramFile().GetFolder(path);
    if (!path.IsEmpty() && path[path.Length() - 1] != L'\\' && path[path.Length() - 1] != L'/')
        path.AppendChar(L'\\');
    folder.SetFullName(path);
    KRString::DefaultChangeHandler(node, path, nullptr);
    if (QVSchedule *schedule = QVSchedule::Instance())
        schedule->ApplySettings();
    return true;
}

bool VZApplication::LoadSettingsFile()
{
    if (!registry)
        return false;
    const int encoding = registry->Load(ProgramFileWithExtension(GetProgramFile(), L"cfg"));
    if (encoding >= 0) {
        settingsLoaded = 1;
        settingsEncoding = encoding;
    }
    return true;
}

bool VZApplication::ListLanguages()
{
    KRGroup *choices = registry ? registry->GetGroup(kKeyLanguageChoices) : nullptr;
    if (!choices)
        return false;
    choices->SetSaved(false);
    KFile pattern(GetProgramFile());
    pattern.SetName(KString(L"*.lng"), true);
    KFileInfo info;
    int count = 0;
    while (pattern.FindNext(info)) {
        if (info.IsFolder())
            continue;
        KBufferedFile file(4096);
        file.SetFullName(ProgramFolderFile(GetProgramFile(), info.GetName()));
        try {
            file.Open(KFile::kModeRead);
            KString255 header;
            const int end = file.ReadLine(header, L"\n", L"\r");
            KString line;
            line.AppendInt(count + 1).Append(L":String=").Append(info.GetName()).AppendChar(L',').Append(header);
            if (end == L'\n' && choices->ParseLine(line) == 0)
                ++count;
        } catch (const KX &) {
            // An unreadable file is not offered.
        }
        file.Close();
    }
    return true;
}

KRString *VZApplication::FindLanguage() const
{
    KRGroup *choices = registry ? registry->GetGroup(kKeyLanguageChoices) : nullptr;
    if (!choices)
        return nullptr;
    const KString &choice = registry->GetText(kKeyLanguageChoice);
    KRString *best = nullptr;
    int rank = 0;
    for (KRNode *child = choices->NextChild(); child; child = choices->NextChild(child)) {
        auto *entry = dynamic_cast<KRString *>(child);
        if (!entry)
            break;
        KString code;
        if (!entry->GetValue().GetField(code, 2))
            continue;
        if (rank < 3 && code.EqualsIgnoreCase(choice)) {
            best = entry;
            rank = 3;
        } else if (rank < 2 && code.EqualsIgnoreCase(choice, 5)) {
            best = entry;
            rank = 2;
        } else if (rank == 0 && code.EqualsIgnoreCase(choice, 2)) {
            best = entry;
            rank = 1;
        }
    }
    return best;
}

bool VZApplication::LoadLanguageFile()
{
    KRString *entry = FindLanguage();
    if (!entry)
        return false;
    KString name;
    entry->GetValue().GetField(name, 0);
    const KString path = ProgramFolderFile(GetProgramFile(), name);
    KBufferedFile file(4096);
    file.SetFullName(path);
    try {
        file.Open(KFile::kModeRead);
        KString15 header;
        file.ReadLine(header, L"\n");   // the language header; the rest of a long line is dropped too
        KRNode::ReadReport report;
        registry->Read(file, path, 2, &report);   // its header is the file's line 2
        languageFile = path;
        languageFirstBadLine = report.firstSkipped;
        languageEncoding = file.ReadEncoding() == KStream::kEncoding16Bit ? KStream::kEncoding16Bit
                                                                          : KStream::kEncoding8Bit;
    } catch (const KX &) {
        file.Close();
        return false;
    }
    file.Close();
    return true;
}

void VZApplication::WarnAboutLanguageFile()
{
    if (languageFirstBadLine <= 0 || !registry)
        return;
    KString text(registry->GetText(kKeyAlertLanguageLines));
    text.Append(L"\r\n\r\n").Append(languageFile).Append(L"\r\n");
    text.Append(registry->GetText(kKeyAlertLanguageFirstLine)).AppendChar(L' ').AppendInt(languageFirstBadLine);
    languageFirstBadLine = 0;   // said once
    ShowAlert(messageCaption, text);
}

bool VZApplication::SaveSettingsFile()
{
    if (!registry)
        return false;
    if (KRGroup *strings = registry->GetGroup(kKeyStrings))
        strings->SetSaved(false);
    if (KRGroup *choices = registry->GetGroup(kKeyLanguageChoices))
        choices->SetSaved(false);
    settingsEncoding = registry->Save(ProgramFileWithExtension(GetProgramFile(), L"cfg"), settingsEncoding);
    return true;
}

bool VZApplication::WriteLanguageFile()
{
    KRString *entry = FindLanguage();
    KRGroup *strings = registry ? registry->GetGroup(kKeyStrings) : nullptr;
    if (!entry || !strings)
        return false;
    const KString &value = entry->GetValue();
    const int comma = value.Find(L',');
    if (comma < 0)
        return false;
    KString name, header;
    value.Extract(name, 0, comma);
    value.Extract(header, comma + 1, -1);
    header.AppendChar(L'\n');
    int encoding = languageEncoding == KStream::kEncoding16Bit ? KStream::kEncoding16Bit : KStream::kEncoding8Bit;
    for (;;) {
        KReplacingFile file(ProgramFolderFile(GetProgramFile(), name));
        file.Begin();
        file.SetWriteEncoding(encoding);
        file.WriteByteOrderMark();
        file.WriteText(header);
        strings->Write(file);
        // A text the code page cannot carry is written in 16-bit instead of being lost.
        if (encoding == KStream::kEncoding8Bit && file.LostCharacters()) {
            file.Abandon();
            encoding = KStream::kEncoding16Bit;
            continue;
        }
        file.Commit();
        languageEncoding = encoding;
        return true;
    }
}

int VZApplication::LanguageIndex() const
{
    KRString *entry = FindLanguage();
    return entry ? entry->Index() : -1;
}

void VZApplication::SetLanguage(int index)
{
    if (!registry || index == LanguageIndex())
        return;
    KRGroup *choices = registry->GetGroup(kKeyLanguageChoices);
    auto *entry = choices ? dynamic_cast<KRString *>(choices->ChildAt(index)) : nullptr;
    if (!entry)
        return;
    KString code;
    if (!entry->GetValue().GetField(code, 2))
        return;
    if (KRString *choice = registry->GetString(kKeyLanguageChoice))
        choice->SetValue(code);
    // The window layouts are built again in the new language at the next start.
    if (KRGroup *layout = registry->GetGroup(kKeyEventLayout))
        layout->SetOmitted(true);
}
