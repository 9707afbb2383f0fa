#include "imaging/interface/VInterface.h"

int32_t VInterface::Query() const
{
    (void)Parent();
    return 0;
}
