#include "framework/dialogs/TipDlg.h"

#include "afx/DataExchange.h"
#include "afx/DC.h"
#include "afx/WinApp.h"
#include "framework/app/BasedApp.h"

#include <algorithm>

namespace {
const char TipsFileName[] = "tips.txt";
const char Section[] = "Tip";
const char StartUpKey[] = "StartUp";
const char FilePosKey[] = "FilePos";
const char TimeStampKey[] = "TimeStamp";

const char NoFileText[] = "Tips file does not exist in the prescribed directory";
const char TroubleText[] = "Trouble reading the tips file";
const char TroubleCaption[] = "Warning";
const char HeaderText[] = "Did you know...";

const int FrameId = 1004;
const int PanelId = 1001;
const int StartupCheckId = 1003;
const int NextTipId = 1011;
const int TipTextId = 1020;
const int HeaderBitmapId = 110;
const int CloseIconId = 160;
const int NextTipIconId = 504;
const int IconSize = 16;

int ReadProfileInt(LPCTSTR key, int defaultValue)
{
    CWinApp* app = AfxGetApp();
    return app ? static_cast<int>(app->GetProfileInt(Section, key, defaultValue)) : defaultValue;
}

void WarnUser(LPCTSTR text)
{
    if (CBasedApp* app = GetBasedApp())
        app->WarningMessage(text, TroubleCaption);
    else
        MessageBoxA(nullptr, text, TroubleCaption, MB_ICONEXCLAMATION | MB_OK);
}
}

IMPLEMENT_DYNAMIC(CTipDlg, CBaseDlg)

BEGIN_MESSAGE_MAP(CTipDlg, CBaseDlg)
    ON_BN_CLICKED(NextTipId, &CTipDlg::OnNextTip)
    ON_WM_CTLCOLOR()
    ON_WM_PAINT()
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CTipDlg, CBaseDlg)
    DYNAMIC_MAP_ENTRY(FrameId, ModeStretch, ModeStretch)
    DYNAMIC_MAP_ENTRY(PanelId, ModeStretch, ModeStretch)
    DYNAMIC_MAP_ENTRY(StartupCheckId, ModeFixed, ModeMove)
    DYNAMIC_MAP_ENTRY(NextTipId, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(IDCANCEL, ModeMove, ModeMove)
END_DYNAMIC_MAP()

CTipDlg::CTipDlg(CWnd* pParent)
    : CBaseDlg(IDD, pParent), m_file(), m_bStartup(TRUE), m_strTip(), m_btnClose(), m_btnNextTip()
{
    m_bStartup = ReadProfileInt(StartUpKey, 0) == 0;
    long position = ReadProfileInt(FilePosKey, 0);

    if (!m_file.Open(TipsFileName)) {
        m_strTip = NoFileText;
        return;
    }

    // A changed file starts again from its first tip.
    const CString stamp = m_file.GetTimeStamp();
    CWinApp* app = AfxGetApp();
    const CString stored = app ? app->GetProfileString(Section, TimeStampKey, nullptr) : CString();
    if (stamp != stored) {
        if (app)
            app->WriteProfileString(Section, TimeStampKey, stamp);
        position = 0;
    }

    if (m_file.Seek(position))
        GetNextTipString(m_strTip);
    else
        WarnUser(TroubleText);
}

CTipDlg::~CTipDlg()
{
    // Just behind the last tip shown: the next run starts with the following one.
    if (m_file.IsOpen()) {
        if (CWinApp* app = AfxGetApp())
            app->WriteProfileInt(Section, FilePosKey, static_cast<int>(m_file.GetPosition()));
        m_file.Close();
    }
}

void CTipDlg::DoDataExchange(CDataExchange* pDX)
{
    CBaseDlg::DoDataExchange(pDX);
    DDX_Check(pDX, StartupCheckId, m_bStartup);
    DDX_Text(pDX, TipTextId, m_strTip);
    DDX_Control(pDX, IDCANCEL, m_btnClose);
    DDX_Control(pDX, NextTipId, m_btnNextTip);
}

BOOL CTipDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    if (!m_file.IsOpen())
        m_btnNextTip.EnableWindow(FALSE);
    m_btnClose.SetIconFromResource(CloseIconId, IconSize, IconSize);
    m_btnClose.EnableBalloonTooltip();
    m_btnClose.SetTooltipText("Close this dialog");
    m_btnNextTip.SetIconFromResource(NextTipIconId, IconSize, IconSize);
    m_btnNextTip.EnableBalloonTooltip();
    m_btnNextTip.SetTooltipText("Show next tip");
    return TRUE;
}

void CTipDlg::GetNextTipString(CString& tip)
{
    switch (m_file.ReadNextTip(tip)) {
    case CTipsFile::TipFound:
        break;
    case CTipsFile::NoTipInFile:
        tip.Empty();
        break;
    case CTipsFile::RewindFailed:
        // Trying again would fail the same way for ever: warn once and stop.
        WarnUser(TroubleText);
        tip.Empty();
        break;
    }
}

void CTipDlg::OnNextTip()
{
    GetNextTipString(m_strTip);
    UpdateData(FALSE);
}

void CTipDlg::OnCancel()
{
    UpdateData(TRUE);
    CBaseDlg::OnCancel();
    if (CWinApp* app = AfxGetApp())
        app->WriteProfileInt(Section, StartUpKey, m_bStartup ? 0 : 1);
}

HBRUSH CTipDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (pWnd && pWnd->GetDlgCtrlID() == TipTextId) {
        pDC->SetBkColor(RGB(255, 255, 255));
        return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    }
    return CBaseDlg::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CTipDlg::OnPaint()
{
    CPaintDC dc(this);
    CWnd* panel = GetDlgItem(PanelId);
    if (!panel)
        return;
    CRect rect;
    panel->GetWindowRect(&rect);
    ScreenToClient(&rect);
    ::FillRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));

    CBitmap header;
    BITMAP info = {};
    if (!header.LoadBitmap(HeaderBitmapId) || !header.GetBitmap(&info))
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    {
        CSelectGuard keep(memory, header);
        // The image is narrower than the panel: copying the panel's width
        // would read past the bitmap.
        dc.BitBlt(rect.left, rect.top, std::min<int>(rect.Width(), info.bmWidth), info.bmHeight, &memory, 0, 0, SRCCOPY);
    }

    CRect textRect(rect.left + info.bmWidth, rect.top, rect.right, rect.top + info.bmHeight);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(HeaderText, -1, &textRect, DT_SINGLELINE | DT_VCENTER);
    dc.SetBkMode(oldMode);
}
