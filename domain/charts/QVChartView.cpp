#include "domain/charts/QVChartView.h"

#include "domain/QVDomainCodes.h"
#include "domain/ui/QVWindowHooks.h"
#include "foundation/messages/KMessage.h"

QVChartView::QVChartView(QVChart *chart) : m_chart(chart), m_zoom(nullptr) {}

QVChartView::~QVChartView() = default;

void QVChartView::Handle(const KMessage &message)
{
    if (!m_window)
        return;
    uint32_t phase = message.Phase();
    bool before = (phase & (kMsgBefore | kMsgListBefore)) != 0;
    switch (message.Topic()) {
    case kMsgSelect: {
        const KPoint *cell = reinterpret_cast<const KPoint *>(message.data);
        m_window->Update(cell ? *cell : KPoint(-1, -1));
        break;
    }
    case kMsgClearSelection:
        m_window->Clear();
        break;
    case kMsgShowData:
        m_window->ShowChartData();
        break;
    case kMsgOptionsChanged:
        if (!before) {
            m_window->RefreshFrame();
            m_window->UpdateButtons(true);
        }
        break;
    case kMsgResultsChanged:
    case kMsgResultList:
        if (!before)
            m_window->Update(KPoint(-1, -1));
        break;
    default:
        break;
    }
}
