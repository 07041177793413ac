#include "CtrlHost.h"

#include "afx/CheckListBox.h"

BEGIN_MESSAGE_MAP(CRecordingParent, CWnd)
    ON_NOTIFY(TVN_SELCHANGED, IDC_TEST_TREE, &CRecordingParent::OnTreeSelChanged)
    ON_NOTIFY(TCN_SELCHANGE, IDC_TEST_TAB, &CRecordingParent::OnTabSelChange)
    ON_CLBN_CHKCHANGE(IDC_TEST_CHECKLIST, &CRecordingParent::OnCheckChange)
END_MESSAGE_MAP()

BOOL CRecordingParent::CreateHidden(DWORD style)
{
    return CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)), "host",
                    style, 0, 0, 400, 300, nullptr, nullptr);
}

void CRecordingParent::OnTreeSelChanged(NMHDR*, LRESULT*)
{
    m_log.push_back("parent:TVN_SELCHANGED");
}

void CRecordingParent::OnTabSelChange(NMHDR*, LRESULT*)
{
    m_log.push_back("parent:TCN_SELCHANGE");
}

void CRecordingParent::OnCheckChange()
{
    m_log.push_back("parent:CLBN_CHKCHANGE");
}

void InitTestControls()
{
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES |
                                                   ICC_INTERNET_CLASSES | ICC_USEREX_CLASSES};
    ::InitCommonControlsEx(&init);
}
