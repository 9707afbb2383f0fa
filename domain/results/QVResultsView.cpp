#include "domain/results/QVResultsView.h"

#include "domain/QVDomainCodes.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/ui/QVWindowHooks.h"
#include "foundation/messages/KMessage.h"

#include <algorithm>

namespace
{
// Default widths of the columns: trial, first name, last name, source,
// reaction time, power, time to distance, time to distance - reaction time.
int32_t g_defaultWidths[QVResultsView::kColumnCount] = {40, 100, 100, 80, 90, 60, 100, 80};
constexpr int kFirstElastic = 1;   // name and source columns take the slack
constexpr int kLastElastic = 3;
}

QVResultsView::QVResultsView(QVResults *results) : m_results(results), m_selection(-1, -1)
{
    m_edges[0] = 0;
    for (int i = 0; i < kColumnCount; ++i)
        m_edges[i + 1] = m_edges[i] + g_defaultWidths[i];
}

QVResultsView::~QVResultsView() = default;

int32_t QVResultsView::ColumnPosition(int edge) const
{
    if (edge < 0 || edge > kColumnCount)
        return 0;
    return m_edges[edge];
}

int32_t QVResultsView::ColumnWidth(int column) const
{
    if (column < 0 || column >= kColumnCount)
        return 0;
    return m_edges[column + 1] - m_edges[column];
}

void QVResultsView::FitColumns(int32_t width, bool keep)
{
    if (width <= 0)
        return;
    int32_t widths[kColumnCount];
    for (int i = 0; i < kColumnCount; ++i)
        widths[i] = ColumnWidth(i);
    int first = kFirstElastic;
    // Keep the columns left of the divider the user moved last.
    if (keep && m_lastMoved > kFirstElastic && m_lastMoved <= kLastElastic)
        first = m_lastMoved;
    int32_t delta = width - (m_edges[kColumnCount] - m_edges[0]);
    // Hand out the difference one share at a time so that a column that
    // reaches its minimum passes the rest on to the others.
    for (int round = 0; round < 4 && delta != 0; ++round) {
        int open = 0;
        for (int c = first; c <= kLastElastic; ++c)
            if (delta > 0 || widths[c] > kMinimumWidth)
                ++open;
        if (open == 0)
            break;
        int32_t share = delta / open;
        int32_t rest = delta - share * open;
        for (int c = first; c <= kLastElastic; ++c) {
            if (delta < 0 && widths[c] <= kMinimumWidth)
                continue;
            int32_t want = share + rest;
            rest = 0;
            int32_t next = std::max<int32_t>(kMinimumWidth, widths[c] + want);
            delta -= next - widths[c];
            widths[c] = next;
        }
    }
    for (int i = 0; i < kColumnCount; ++i)
        m_edges[i + 1] = m_edges[i] + widths[i];
}

bool QVResultsView::SetColumnPosition(int edge, int32_t x)
{
    if (edge < 1 || edge > kColumnCount)
        return false;
    int32_t low = m_edges[edge - 1] + kMinimumWidth;
    int32_t high = edge < kColumnCount ? m_edges[edge + 1] - kMinimumWidth : x;
    x = std::max(low, std::min(x, std::max(low, high)));
    if (x == m_edges[edge])
        return false;
    m_edges[edge] = x;
    m_lastMoved = edge;
    return true;
}

void QVResultsView::Handle(const KMessage &message)
{
    if (!m_window)
        return;
    uint32_t topic = message.Topic();
    uint32_t phase = message.Phase();
    // A change announced in two steps is shown after it; a notice without
    // before or after phase (a broadcast) is shown at once.
    bool before = (phase & (kMsgBefore | kMsgListBefore)) != 0;
    switch (topic) {
    case kMsgResultList:
    case kMsgResultsChanged:
    case kMsgResultChanged:
    case kMsgOptionsChanged:
        if (!before)
            m_window->Refresh(true);
        break;
    case kMsgShowResult:
        m_window->ShowResult(reinterpret_cast<QVResult *>(message.data));
        break;
    case kMsgSendEventName:
        m_window->SendEventName();
        break;
    case kMsgSendResults:
        m_window->SendResults();
        break;
    default:
        break;
    }
}

void QVResultsView::CopyFrom(const QVResultsView &other)
{
    m_filter.CopyFrom(other.m_filter);
    m_scroll = other.m_scroll;
    m_selection = other.m_selection;
    std::copy(other.m_edges, other.m_edges + kColumnCount + 1, m_edges);
}

void QVResultsView::Startup() {}

void QVResultsView::Shutdown() {}
