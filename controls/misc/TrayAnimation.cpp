#include "controls/misc/TrayAnimation.h"

void CTrayAnimation::SetIconList(const HICON* pIcons, int nCount)
{
    m_icons.clear();
    for (int i = 0; pIcons && i < nCount; ++i)
        m_icons.push_back(pIcons[i]);
}

void CTrayAnimation::Start(__time64_t tNow, int nDurationSeconds, HICON hIconBefore)
{
    m_nCurrent = 0;
    m_tStart = tNow;
    m_nDuration = nDurationSeconds;
    m_hIconBefore = hIconBefore;
    m_bRunning = true;
}

bool CTrayAnimation::IsOver(__time64_t tNow) const
{
    return m_nDuration > 0 && tNow - m_tStart > m_nDuration;
}

HICON CTrayAnimation::Step()
{
    if (m_icons.empty())
        return nullptr;
    if (++m_nCurrent >= GetIconCount())
        m_nCurrent = 0;
    return m_icons[m_nCurrent];
}

HICON CTrayAnimation::Stop()
{
    HICON before = m_hIconBefore;
    m_hIconBefore = nullptr;
    m_bRunning = false;
    return before;
}
