#include "domain/fdm/VFDM.h"

bool VFDM::SendResult(const QVResult &)
{
    return false;
}
