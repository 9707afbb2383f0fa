#include "framework/core/objects/ZafApplication.h"

#include "framework/core/text/ZafCodeSetData.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/base/ZafStaticData.h"

ZafApplication::ZafApplication(int argc, char **argv)
{
    ZafCodeSetData *codeSet = ZafCodeSetData::Shared();
    for (int i = 0; argv && i < argc; ++i) {
        if (!argv[i])
            continue;
        ZafIChar *wide = codeSet->LocalToWide(argv[i], nullptr, true);
        arguments.emplace_back(wide);
        delete[] wide;
    }
    StartUp();
}

ZafApplication::ZafApplication(int argc, wchar_t **argv)
{
    for (int i = 0; argv && i < argc; ++i)
        if (argv[i])
            arguments.emplace_back(argv[i]);
    StartUp();
}

ZafApplication::~ZafApplication()
{
    EndWindows();
    CloseI18nStorage();
    if (ownsEventManager)
        delete eventManager;
    ZafReleaseStaticData();
}

void ZafApplication::StartUp()
{
    eventManager = ZafEventManager::Shared();
    if (!eventManager) {
        eventManager = new ZafEventManager;
        ownsEventManager = true;
        ZafEventManager::SetShared(eventManager);
    }
    OpenI18nStorage();
    StartWindows();
}

const ZafIChar *ZafApplication::Argument(int index) const
{
    if (index < 0 || index >= int(arguments.size()))
        return nullptr;
    return arguments[size_t(index)].c_str();
}

ZafInt32 ZafApplication::SetStatus(ZafInt32 value)
{
    status = value;
    return status;
}
