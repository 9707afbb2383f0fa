#include "domain/results/QVResultFilter.h"

#include "domain/QVDomainCodes.h"
#include "domain/results/QVResult.h"

void QVResultFilter::SetMatch(int32_t field, const KString &text)
{
    m_field = field < 0 || field >= kResultTextFields ? -1 : field;
    m_text = text;
}

bool QVResultFilter::Matches(const QVResult &result) const
{
    if ((m_options & kHideCodeLast) && result.ResultCode() == QVResult::kCodeLast)
        return false;
    if (m_field < 0 || m_text.IsEmpty())
        return true;
    return result.TextField(m_field).EqualsIgnoreCase(m_text);
}

void QVResultFilter::CopyFrom(const QVResultFilter &other)
{
    m_options = other.m_options;
    m_field = other.m_field;
    m_text = other.m_text;
}
