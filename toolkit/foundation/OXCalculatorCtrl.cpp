#include "toolkit/foundation/OXCalculatorCtrl.h"

#include "afx/DataExchange.h"
#include "afx/WinApp.h"
#include "toolkit/resources/ToolkitResource.h"

namespace {
const COLORREF Maroon = RGB(128, 0, 0);
const COLORREF Blue = RGB(0, 0, 255);
const COLORREF Navy = RGB(0, 0, 128);
const COLORREF Red = RGB(255, 0, 0);

COLORREF KeyColor(UINT id)
{
    switch (id) {
    case IDC_OXCALC_CLEAR:
    case IDC_OXCALC_CLEARENTRY:
    case IDC_OXCALC_BACK:
        return Maroon;
    case IDC_OXCALC_SIGN:
    case IDC_OXCALC_POINT:
        return Blue;
    case IDC_OXCALC_PI:
        return Navy;
    default:
        break;
    }
    if ((id >= IDC_OXCALC_7 && id <= IDC_OXCALC_3) || id == IDC_OXCALC_0)
        return Blue;
    if (id >= IDC_OXCALC_A && id <= IDC_OXCALC_F)
        return Navy;
    return Red;
}

// One bold font for the keys of every calculator, released at exit.
CFont& KeyFont()
{
    static CFont font;
    if (!font.GetSafeHandle()) {
        LOGFONT lf = {};
        lf.lfHeight = -8;
        lf.lfWeight = FW_BOLD;
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpynA(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE);
        font.CreateFontIndirect(&lf);
    }
    return font;
}

char LocaleDecimalSeparator()
{
    char text[8] = {};
    return ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof(text)) > 1 ? text[0] : '.';
}
} // namespace

COXCalculatorKey::COXCalculatorKey()
{
    m_textMargins = CSize(-4, -4);
    m_focusMargins = CSize(-3, -3);
}

// Declared order: ln, log, F to A, then the others.
const UINT COXCalculatorCtrl::KeyIds[KeyCount] = {
    IDC_OXCALC_LN, IDC_OXCALC_LOG, IDC_OXCALC_F, IDC_OXCALC_E, IDC_OXCALC_D, IDC_OXCALC_C, IDC_OXCALC_B,
    IDC_OXCALC_A, IDC_OXCALC_CLEAR, IDC_OXCALC_CLEARENTRY, IDC_OXCALC_BACK, IDC_OXCALC_7, IDC_OXCALC_8,
    IDC_OXCALC_9, IDC_OXCALC_4, IDC_OXCALC_5, IDC_OXCALC_6, IDC_OXCALC_1, IDC_OXCALC_2, IDC_OXCALC_3,
    IDC_OXCALC_0, IDC_OXCALC_DIVIDE, IDC_OXCALC_MULTIPLY, IDC_OXCALC_SUBTRACT, IDC_OXCALC_ADD, IDC_OXCALC_MOD,
    IDC_OXCALC_POWER, IDC_OXCALC_EQUALS, IDC_OXCALC_SIGN, IDC_OXCALC_POINT, IDC_OXCALC_SQRT,
    IDC_OXCALC_RECIPROCAL, IDC_OXCALC_PI, IDC_OXCALC_COS, IDC_OXCALC_SIN, IDC_OXCALC_TAN, IDC_OXCALC_TANH,
    IDC_OXCALC_FACTORIAL,
};

COXCalculatorCtrl::COXCalculatorCtrl(CWnd* pParent, double dInitialValue)
    : CDialog(IDD_OXCALCULATOR, pParent), m_bScientific(FALSE), m_nBase(COXCalculatorEngine::BaseDecimal),
      m_engine(dInitialValue, LocaleDecimalSeparator()),
      m_hAccel(::LoadAcceleratorsA(AfxFindResourceHandle(MAKEINTRESOURCE(IDD_OXCALCULATOR), RT_ACCELERATOR),
                                   MAKEINTRESOURCE(IDD_OXCALCULATOR)))
{
}

COXCalculatorCtrl::~COXCalculatorCtrl()
{
    if (m_hAccel)
        ::DestroyAcceleratorTable(m_hAccel);
}

BOOL COXCalculatorCtrl::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return CDialog::Create(nIDTemplate, pParentWnd);
}

BOOL COXCalculatorCtrl::Create(CWnd* pParentWnd)
{
    return Create(IDD_OXCALCULATOR, pParentWnd);
}

void COXCalculatorCtrl::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OXCALC_BASE, m_comboBase);
    DDX_Control(pDX, IDC_OXCALC_DISPLAY, m_display);
    for (int i = 0; i < KeyCount; ++i)
        DDX_Control(pDX, static_cast<int>(KeyIds[i]), m_keys[i]);
    DDX_Check(pDX, IDC_OXCALC_SCIENTIFIC, m_bScientific);
    DDX_CBIndex(pDX, IDC_OXCALC_BASE, m_nBase);
    DDX_Text(pDX, IDC_OXCALC_DISPLAY, m_sDisplay);
}

BOOL COXCalculatorCtrl::OnInitDialog()
{
    CDialog::OnInitDialog();
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    m_comboBase.ResetContent();
    for (int i = 0; i < 4; ++i) {
        CString name;
        name.LoadString(IDS_OX_CALC_BASE_FIRST + i);
        m_comboBase.AddString(name);
    }
    for (int i = 0; i < KeyCount; ++i) {
        m_keys[i].EnableButtonToolTip(TRUE);
        m_keys[i].SetTextColor(KeyColor(KeyIds[i]));
        m_keys[i].SetTextFont(&KeyFont());
    }
    m_display.SetBkColor(::GetSysColor(COLOR_WINDOW));
    Redisplay();
    return TRUE;
}

void COXCalculatorCtrl::Redisplay()
{
    if (!GetSafeHwnd())
        return;
    for (int i = 0; i < KeyCount; ++i)
        m_keys[i].EnableWindow(m_engine.IsKeyEnabled(KeyIds[i]));
    m_comboBase.EnableWindow(m_engine.IsKeyEnabled(IDC_OXCALC_BASE));
    m_bScientific = m_engine.IsScientific();
    m_nBase = m_engine.GetBase();
    m_sDisplay = m_engine.GetDisplayText();
    UpdateData(FALSE);
}

void COXCalculatorCtrl::SetEntry(double dValue, BOOL bDetectFraction)
{
    m_engine.SetEntry(dValue, bDetectFraction);
    Redisplay();
}

void COXCalculatorCtrl::SetResult(double dValue)
{
    m_engine.SetResult(dValue);
    Redisplay();
}

void COXCalculatorCtrl::SetBase(int nBase)
{
    m_engine.SetBase(nBase);
    Redisplay();
}

void COXCalculatorCtrl::SetDecimalSeparator(char cSep)
{
    if (cSep == m_engine.GetDecimalSeparator())
        return;
    m_engine.SetDecimalSeparator(cSep);
    Redisplay();
}

void COXCalculatorCtrl::DoOperation(int nCode)
{
    m_engine.DoOperation(nCode);
    Redisplay();
}

void COXCalculatorCtrl::DoFunction(int nCode)
{
    m_engine.DoFunction(nCode);
    Redisplay();
}

BOOL COXCalculatorCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == IDC_OXCALC_BASE) {
        if (code == CBN_SELCHANGE)
            SetBase(m_comboBase.GetCurSel());
        return TRUE;
    }
    if (id == IDC_OXCALC_SCIENTIFIC) {
        if (code == BN_CLICKED) {
            UpdateData(TRUE);
            m_engine.SetScientific(m_bScientific);
            Redisplay();
        }
        return TRUE;
    }
    // Key buttons click; accelerators send their id with code 1.
    if (code == BN_CLICKED || code == 1) {
        for (UINT key : KeyIds) {
            if (key == id) {
                m_engine.PressKey(id);
                Redisplay();
                return TRUE;
            }
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL COXCalculatorCtrl::PreTranslateMessage(MSG* pMsg)
{
    // Enter and Esc belong to the calculator's host, not to a dialog ending.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
        ::TranslateMessage(pMsg);
        ::DispatchMessageA(pMsg);
        return TRUE;
    }
    if (m_hAccel && GetSafeHwnd() && ::TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}
