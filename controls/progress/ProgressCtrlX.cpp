#include "controls/progress/ProgressCtrlX.h"

#include <string.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CProgressCtrlX, CProgressCtrl)

BEGIN_MESSAGE_MAP(CProgressCtrlX, CProgressCtrl)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_MESSAGE(PBM_SETRANGE, &CProgressCtrlX::OnSetRange)
    ON_MESSAGE(PBM_SETPOS, &CProgressCtrlX::OnSetPos)
    ON_MESSAGE(PBM_DELTAPOS, &CProgressCtrlX::OnDeltaPos)
    ON_MESSAGE(PBM_SETSTEP, &CProgressCtrlX::OnSetStep)
    ON_MESSAGE(PBM_STEPIT, &CProgressCtrlX::OnStepIt)
    ON_MESSAGE(PBM_SETRANGE32, &CProgressCtrlX::OnSetRange32)
    ON_MESSAGE(PBM_GETRANGE, &CProgressCtrlX::OnGetRange)
    ON_MESSAGE(PBM_GETPOS, &CProgressCtrlX::OnGetPos)
    ON_MESSAGE(PBM_SETBARCOLOR, &CProgressCtrlX::OnSetBarColor)
    ON_MESSAGE(PBM_SETBKCOLOR, &CProgressCtrlX::OnSetBkColor)
    ON_MESSAGE(WM_SETTEXT, &CProgressCtrlX::OnSetText)
    ON_MESSAGE(WM_GETTEXT, &CProgressCtrlX::OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, &CProgressCtrlX::OnGetTextLength)
    ON_MESSAGE(WM_SETFONT, &CProgressCtrlX::OnSetFontMsg)
    ON_MESSAGE(WM_GETFONT, &CProgressCtrlX::OnGetFontMsg)
END_MESSAGE_MAP()

namespace {

const COLORREF kDefaultColour = 0xFF000000;   // CLR_DEFAULT
const UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
const DWORD kTooltipStyle = TTS_ALWAYSTIP | TTS_NOPREFIX;

} // namespace

CProgressCtrlX::CProgressCtrlX()
    : m_tooltip(), m_strTooltipFormat(), m_dwTooltipTextMode(0), m_nAnimStep(0), m_fontRef()
{
}

CProgressCtrlX::~CProgressCtrlX()
{
    if (::IsWindow(m_tooltip.GetSafeHwnd()))
        m_tooltip.DestroyWindow();
    m_fontRef.Detach();
}

DWORD CProgressCtrlX::GetStyle() const
{
    return ::IsWindow(m_hWnd) ? CWnd::GetStyle() : CProgress::GetStyle();
}

BOOL CProgressCtrlX::ModifyStyle(DWORD dwRemove, DWORD dwAdd)
{
    if (!::IsWindow(m_hWnd))
        return CProgress::ModifyStyle(dwRemove, dwAdd);
    const BOOL changed = CWnd::ModifyStyle(dwRemove, dwAdd);
    Invalidate();
    return changed;
}

void CProgressCtrlX::Changed()
{
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
}

int CProgressCtrlX::StepIt()
{
    const int old = CProgress::StepIt();
    Changed();
    return old;
}

void CProgressCtrlX::OnPosChanged(int nNewPos)
{
    UpdateTooltipText(nNewPos);
}

void CProgressCtrlX::SetTooltipFormat(LPCTSTR lpszFormat, DWORD dwTextMode)
{
    m_strTooltipFormat = lpszFormat ? lpszFormat : "";
    m_dwTooltipTextMode = dwTextMode & TextModeMask;
    if (!m_strTooltipFormat.IsEmpty() && m_dwTooltipTextMode != 0) {
        if (!::IsWindow(m_tooltip.GetSafeHwnd())) {
            if (!::IsWindow(m_hWnd) || !m_tooltip.Create(this, kTooltipStyle))
                return;
            m_tooltip.AddTool(this, "");
            UpdateTooltipText(GetPos());
        }
        m_tooltip.Activate(TRUE);
    } else if (::IsWindow(m_tooltip.GetSafeHwnd())) {
        m_tooltip.Activate(FALSE);
    }
}

void CProgressCtrlX::UpdateTooltipText(int nPos)
{
    if (!::IsWindow(m_tooltip.GetSafeHwnd()))
        return;
    const CString text = FormatText(m_dwTooltipTextMode, m_strTooltipFormat, CalcTextValue(m_dwTooltipTextMode, nPos));
    if (!text.IsEmpty())
        m_tooltip.UpdateTipText(text, this);
}

BOOL CProgressCtrlX::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE && ::IsWindow(m_tooltip.GetSafeHwnd()))
        m_tooltip.RelayEvent(pMsg);
    return CProgressCtrl::PreTranslateMessage(pMsg);
}

void CProgressCtrlX::RunStepping(UINT nElapse)
{
    SetTimer(StepTimerId, nElapse, nullptr);
}

void CProgressCtrlX::RunAnimation(UINT nElapse, int nStep)
{
    m_nAnimStep = nStep;
    SetTimer(AnimationTimerId, nElapse, nullptr);
}

void CProgressCtrlX::Stop()
{
    KillTimer(StepTimerId);
    KillTimer(AnimationTimerId);
}

void CProgressCtrlX::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CPalette* oldPalette = nullptr;
    if (GetCreatePalette() && GetPalette().GetSafeHandle()) {
        oldPalette = dc.SelectPalette(&GetPalette(), FALSE);
        dc.RealizePalette();
    }
    CProgress::Draw(&dc, client);
    if (oldPalette)
        dc.SelectPalette(oldPalette, TRUE);
}

BOOL CProgressCtrlX::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CProgressCtrlX::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == StepTimerId) {
        StepIt();
    } else if (nIDEvent == AnimationTimerId) {
        Animate(m_nAnimStep);
        Changed();
    }
    Default();
}

LRESULT CProgressCtrlX::OnSetRange(WPARAM /*wParam*/, LPARAM lParam)
{
    int lower = 0, upper = 0;
    GetRange(lower, upper);
    SetRange(LOWORD(lParam), HIWORD(lParam));
    Changed();
    return PackedRange(lower, upper);
}

LRESULT CProgressCtrlX::OnSetRange32(WPARAM wParam, LPARAM lParam)
{
    int lower = 0, upper = 0;
    GetRange(lower, upper);
    SetRange(static_cast<int>(wParam), static_cast<int>(lParam));
    Changed();
    return PackedRange(lower, upper);
}

LRESULT CProgressCtrlX::OnGetRange(WPARAM wParam, LPARAM lParam)
{
    int lower = 0, upper = 0;
    GetRange(lower, upper);
    if (PBRANGE* range = reinterpret_cast<PBRANGE*>(lParam)) {
        range->iLow = lower;
        range->iHigh = upper;
    }
    return wParam ? lower : upper;
}

LRESULT CProgressCtrlX::OnSetPos(WPARAM wParam, LPARAM /*lParam*/)
{
    const int old = SetPos(static_cast<int>(wParam));
    Changed();
    return old;
}

LRESULT CProgressCtrlX::OnDeltaPos(WPARAM wParam, LPARAM /*lParam*/)
{
    const int old = OffsetPos(static_cast<int>(wParam));
    Changed();
    return old;
}

LRESULT CProgressCtrlX::OnSetStep(WPARAM wParam, LPARAM /*lParam*/)
{
    const int old = SetStep(static_cast<int>(wParam));
    Changed();
    return old;
}

LRESULT CProgressCtrlX::OnStepIt(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return StepIt();
}

LRESULT CProgressCtrlX::OnGetPos(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return GetPos();
}

LRESULT CProgressCtrlX::OnSetBarColor(WPARAM wParam, LPARAM lParam)
{
    const COLORREF start = static_cast<COLORREF>(lParam);
    SetColors(2, start, wParam ? static_cast<COLORREF>(wParam) : start);
    Changed();
    return kDefaultColour;
}

LRESULT CProgressCtrlX::OnSetBkColor(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    Changed();
    return kDefaultColour;
}

LRESULT CProgressCtrlX::OnSetText(WPARAM /*wParam*/, LPARAM lParam)
{
    const char* text = reinterpret_cast<const char*>(lParam);
    m_strTextFormat = text ? text : "";
    return TRUE;
}

LRESULT CProgressCtrlX::OnGetText(WPARAM wParam, LPARAM lParam)
{
    char* buffer = reinterpret_cast<char*>(lParam);
    if (!buffer || wParam == 0)
        return 0;
    // Room for the terminating zero comes out of the caller's count.
    const int copied = std::min(static_cast<int>(wParam) - 1, m_strTextFormat.GetLength());
    memcpy(buffer, static_cast<LPCTSTR>(m_strTextFormat), copied);
    buffer[copied] = '\0';
    return copied;
}

LRESULT CProgressCtrlX::OnGetTextLength(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return m_strTextFormat.GetLength();
}

LRESULT CProgressCtrlX::OnSetFontMsg(WPARAM wParam, LPARAM lParam)
{
    m_fontRef.Detach();
    HFONT font = reinterpret_cast<HFONT>(wParam);
    if (font) {
        m_fontRef.Attach(font);
        CProgress::SetFont(&m_fontRef);
    } else {
        CProgress::SetFont(nullptr);
    }
    if (lParam)
        RedrawWindow(nullptr, nullptr, kRedrawNow);
    return 0;
}

LRESULT CProgressCtrlX::OnGetFontMsg(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    CFont* font = CProgress::GetFont();
    return reinterpret_cast<LRESULT>(font ? font->GetSafeHandle() : nullptr);
}
