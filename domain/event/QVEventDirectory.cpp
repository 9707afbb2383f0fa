#include "domain/event/QVEvent.h"

#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KFile.h"

namespace
{
const wchar_t *const kDirectoryKey = L"\\Event\\Directory";

// The folder of the last document saved or opened, for a program whose
// settings have no event folder.
KString &LastFolder()
{
    static KString folder;
    return folder;
}
}

void QVEvent::Directory(KString &folder)
{
    KRegistry *settings = QVSettings();
    const KString &stored = settings ? settings->GetText(kDirectoryKey) : KRNode::EmptyText();
    if (stored.IsEmpty()) {
        folder.Append(LastFolder());
        return;
    }
    folder.Append(stored);
    wchar_t last = stored[stored.Length() - 1];
    if (last != L'\\' && last != L'/')
        folder.AppendChar(L'\\');
}

void QVEvent::SetDirectory(const KString &file)
{
    KFile path;
    path.SetFullName(file);
    KString folder;
    path.GetFolder(folder);
    LastFolder() = folder;
    KRegistry *settings = QVSettings();
    if (KRString *node = settings ? settings->GetString(kDirectoryKey) : nullptr)
        node->SetValue(folder);
}
