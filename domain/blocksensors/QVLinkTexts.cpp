#include "domain/blocksensors/QVLinkTexts.h"

#include "foundation/strings/KString.h"

void QVLinkText(const QVLinkTextKey &key, KString &out)
{
    out.Append(key.english);
}
