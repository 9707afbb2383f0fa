// The event document's part of the results interface.

#include "domain/event/QVEvent.h"
#include "domain/resultslink/QVResultsLink.h"

int QVEvent::SendResults()
{
    return QVResultsLink::Instance().SendResults(*this);
}

void QVEvent::ServeResultsRequests()
{
    QVResultsLink::Instance().Serve(*this);
}
