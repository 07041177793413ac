#include "tooltip/PPTextMeasurer.h"

CPPDCMeasurer::CPPDCMeasurer(HDC hDC)
    : m_hDC(hDC), m_hFont(nullptr), m_hOldFont(nullptr)
{
}

CPPDCMeasurer::~CPPDCMeasurer()
{
    if (m_hOldFont)
        SelectObject(m_hDC, m_hOldFont);
    if (m_hFont)
        DeleteObject(m_hFont);
}

void CPPDCMeasurer::SelectFont(const LOGFONT& lf)
{
    HFONT font = CreateFontIndirect(&lf);
    if (!font)
        return;
    HGDIOBJ previous = SelectObject(m_hDC, font);
    if (!m_hOldFont)
        m_hOldFont = previous;
    if (m_hFont)
        DeleteObject(m_hFont);
    m_hFont = font;
}

SIZE CPPDCMeasurer::GetTextExtent(LPCTSTR text, int length)
{
    SIZE size = {0, 0};
    if (length > 0)
        GetTextExtentPoint32(m_hDC, text, length, &size);
    return size;
}

void CPPDCMeasurer::GetTextMetrics(TEXTMETRIC& tm)
{
    if (!::GetTextMetrics(m_hDC, &tm))
        ZeroMemory(&tm, sizeof tm);
}

int CPPDCMeasurer::GetLogPixelsY()
{
    return GetDeviceCaps(m_hDC, LOGPIXELSY);
}
