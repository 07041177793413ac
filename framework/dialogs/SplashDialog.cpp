#include "framework/dialogs/SplashDialog.h"

#include "afx/DataExchange.h"

#include <algorithm>

namespace {
const int ProgressId = 1002;
const int StatusId = 1018;
const int NoticeId = 1029;
const int PictureId = 1340;
const int TitleId = 1341;

const int TitleFontSize = 12;
const COLORREF TitleColor = RGB(45, 45, 60);

const char NoticeText[] =
    "Warning: this computer program is protected by copyright law and international treaties. "
    "Unauthorized reproduction or distribution of this program, or any portion of it, may result "
    "in severe civil and criminal penalties, and will be prosecuted to the maximum extent possible under the law.";
}

IMPLEMENT_DYNAMIC(CSplashDialog, CDialog)

BEGIN_MESSAGE_MAP(CSplashDialog, CDialog)
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CSplashDialog::CSplashDialog(CString title, CWnd* parent)
    : CDialog(IDD, parent),
      m_strTitle(title),
      m_nTotalTime(DefaultTotalTime),
      m_nElapsedTime(0),
      m_progress(),
      m_status(),
      m_picture(),
      m_title(),
      m_strNotice(),
      m_notice()
{
}

CSplashDialog::~CSplashDialog() = default;

void CSplashDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, ProgressId, m_progress);
    DDX_Control(pDX, StatusId, m_status);
    DDX_Control(pDX, PictureId, m_picture);
    DDX_Control(pDX, TitleId, m_title);
    DDX_Control(pDX, NoticeId, m_notice);
}

BOOL CSplashDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    m_title.SetFontSize(TitleFontSize).SetTransparent(TRUE).SetTextColor(TitleColor).SetText(m_strTitle);
    m_progress.SetRange32(0, 100);
    m_nTotalTime = GetTotalTime();
    // A zero or negative time would divide by zero on the first tick.
    if (m_nTotalTime <= 0)
        m_nTotalTime = TickPeriod;
    m_nElapsedTime = 0;
    m_strNotice = NoticeText;
    m_notice.SetWindowText(m_strNotice);
    SetTimer(TickTimerId, TickPeriod, nullptr);
    return TRUE;
}

void CSplashDialog::OnTimer(UINT_PTR nIDEvent)
{
    CDialog::OnTimer(nIDEvent);
    if (nIDEvent != TickTimerId)
        return;

    m_nElapsedTime += TickPeriod;
    const unsigned percent = static_cast<unsigned>(std::min(m_nElapsedTime, m_nTotalTime) * 100 / m_nTotalTime);
    CString status;
    status.Format("Loading (%u%%)...", percent);
    m_status.SetWindowText(status);
    m_progress.SetPos(static_cast<int>(percent));
    // Time alone drives the bar, and the modal loop may not get idle: paint now.
    m_progress.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    m_status.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    if (m_nElapsedTime >= m_nTotalTime) {
        KillTimer(TickTimerId);
        PostMessage(WM_CLOSE);
    }
}

void CSplashDialog::OnDestroy()
{
    CWnd::OnDestroy();
}
