#include "toolkit/lists/shell/OXHistoryCombo.h"

#include "afx/CmdUI.h"
#include "afx/FileDialog.h"
#include "afx/MsgMap.h"
#include "afx/WinApp.h"
#include "toolkit/lists/shell/MFCToolBar.h"

#include <vector>

namespace {
const UINT kAddCommand = 26391;
const UINT kDeleteCommand = 26392;
const UINT kBrowseCommand = 26393;
const UINT kSpareCommandLast = 26395;
const int kGap = 2;

// The key of a history, or "" when no company part is known.
CString HistoryKeyPath(LPCTSTR lpszCompany, LPCTSTR lpszApplication)
{
    CString company = lpszCompany ? lpszCompany : "";
    CString application = lpszApplication ? lpszApplication : "";
    CWinApp* app = AfxGetApp();
    if (company.IsEmpty() && app && app->m_pszRegistryKey)
        company = app->m_pszRegistryKey;
    if (application.IsEmpty() && app && app->m_pszProfileName)
        application = app->m_pszProfileName;
    if (company.IsEmpty())
        return CString();
    CString path = "Software\\" + company;
    if (!application.IsEmpty())
        path += "\\" + application;
    return path + "\\HistoryCombo";
}
} // namespace

CRect HistoryComboToolbarRect(int nAlignment, BOOL bFlush, const CRect& rectCombo, CSize sizeToolbar)
{
    const int gap = bFlush ? 0 : kGap;
    if (nAlignment < 1 || nAlignment > 12)
        nAlignment = 12;
    const int group = (nAlignment - 1) / 3;   // 0 top, 1 bottom, 2 left, 3 right
    const int place = (nAlignment - 1) % 3;   // start, centre, end
    CPoint origin;
    if (group < 2) {
        origin.y = group == 0 ? rectCombo.top - gap - sizeToolbar.cy : rectCombo.bottom + gap;
        origin.x = place == 0   ? rectCombo.left
                   : place == 1 ? rectCombo.left + (rectCombo.Width() - sizeToolbar.cx) / 2
                                : rectCombo.right - sizeToolbar.cx;
    } else {
        origin.x = group == 2 ? rectCombo.left - gap - sizeToolbar.cx : rectCombo.right + gap;
        origin.y = place == 0   ? rectCombo.top
                   : place == 1 ? rectCombo.top + (rectCombo.Height() - sizeToolbar.cy) / 2
                                : rectCombo.bottom - sizeToolbar.cy;
    }
    return CRect(origin, sizeToolbar);
}

IMPLEMENT_DYNAMIC(COXHistoryCombo, CComboBox)

BEGIN_MESSAGE_MAP(COXHistoryCombo, CComboBox)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_ENABLE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &COXHistoryCombo::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

COXHistoryCombo::COXHistoryCombo(int nAlignment, int nLayout, UINT nToolbarResource)
    : m_nMaxHistoryCount(6), m_nAlignment(nAlignment), m_nLayout(nLayout), m_pToolbar(new CMFCToolBar),
      m_bOpenFileDialog(TRUE), m_dwFlags(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT),
      m_sFilter("All Files (*.*)| *.* ||"), m_pFileDialogParent(nullptr), m_nToolbarResource(nToolbarResource),
      m_bPersistent(FALSE)
{
    for (int i = 0; i < BUTTON_SLOTS; ++i)
        m_abShown[i] = i < 3;
}

COXHistoryCombo::~COXHistoryCombo()
{
    if (m_hWnd)
        DestroyWindow();
    if (m_pToolbar->m_hWnd)
        m_pToolbar->DestroyWindow();
    delete m_pToolbar;
}

BOOL COXHistoryCombo::EnableRegistryPersistence(LPCTSTR lpszValueName, LPCTSTR lpszCompany,
                                                LPCTSTR lpszApplication)
{
    BOOL result = TRUE;
    if (m_hWnd)
        result = RestoreContents(lpszValueName, lpszCompany, lpszApplication);
    m_bPersistent = TRUE;
    m_sValueName = lpszValueName ? lpszValueName : "";
    m_sCompany = lpszCompany ? lpszCompany : "";
    m_sApplication = lpszApplication ? lpszApplication : "";
    return result;
}

BOOL COXHistoryCombo::SaveContents(LPCTSTR lpszValueName, LPCTSTR lpszCompany, LPCTSTR lpszApplication, HKEY hRoot,
                                   BOOL bAddCurrentText)
{
    if (!lpszValueName || !*lpszValueName || !m_hWnd)
        return FALSE;
    const CString path = HistoryKeyPath(lpszCompany, lpszApplication);
    if (path.IsEmpty())
        return FALSE;
    if (bAddCurrentText)
        AddTextToHistory();
    CString joined;
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        CString entry;
        GetLBText(i, entry);
        if (i > 0)
            joined += "|";
        joined += entry;
    }
    HKEY key = nullptr;
    if (::RegCreateKeyExA(hRoot, path, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return FALSE;
    LONG status;
    if (joined.IsEmpty()) {
        status = ::RegDeleteValueA(key, lpszValueName);
        if (status == ERROR_FILE_NOT_FOUND)
            status = ERROR_SUCCESS;
    } else {
        status = ::RegSetValueExA(key, lpszValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>((LPCTSTR)joined),
                                  static_cast<DWORD>(joined.GetLength() + 1));
    }
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

BOOL COXHistoryCombo::RestoreContents(LPCTSTR lpszValueName, LPCTSTR lpszCompany, LPCTSTR lpszApplication,
                                      HKEY hRoot, BOOL bSelectFirst)
{
    if (!lpszValueName || !*lpszValueName || !m_hWnd)
        return FALSE;
    const CString path = HistoryKeyPath(lpszCompany, lpszApplication);
    if (path.IsEmpty())
        return FALSE;
    CString stored;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(hRoot, path, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        DWORD type = 0;
        DWORD size = 0;
        if (::RegQueryValueExA(key, lpszValueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
            type == REG_SZ && size > 0) {
            // One more byte than stored: a value written without its
            // terminator still ends inside the buffer.
            std::vector<char> buffer(size + 1, '\0');
            if (::RegQueryValueExA(key, lpszValueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                                   &size) == ERROR_SUCCESS)
                stored = buffer.data();
        }
        ::RegCloseKey(key);
    }
    ResetContent();
    int start = 0;
    while (start <= stored.GetLength()) {
        int end = stored.Find('|', start);
        if (end < 0)
            end = stored.GetLength();
        const CString entry = stored.Mid(start, end - start);
        if (!entry.IsEmpty())
            AddString(entry);
        start = end + 1;
    }
    if (bSelectFirst && GetCount() > 0) {
        SetCurSel(0);
        if (::GetFocus() && (::GetFocus() == m_hWnd || ::IsChild(m_hWnd, ::GetFocus())) && IsWindowEnabled())
            SetEditSel(0, -1);
    }
    return TRUE;
}

void COXHistoryCombo::ShowButton(int nIndex, BOOL bShow)
{
    if (nIndex >= 0 && nIndex < BUTTON_SLOTS)
        m_abShown[nIndex] = bShow;
}

BOOL COXHistoryCombo::IsButtonShown(int nIndex) const
{
    return nIndex >= 0 && nIndex < BUTTON_SLOTS && m_abShown[nIndex];
}

void COXHistoryCombo::SetFileDialogParams(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                                          DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd,
                                          LPCTSTR lpszInitialDir)
{
    m_bOpenFileDialog = bOpenFileDialog;
    m_sDefExt = lpszDefExt ? lpszDefExt : "";
    m_sFileName = lpszFileName ? lpszFileName : "";
    m_dwFlags = dwFlags;
    m_sFilter = lpszFilter ? lpszFilter : "All Files (*.*)| *.* ||";
    m_pFileDialogParent = pParentWnd;
    m_sInitialDir = lpszInitialDir ? lpszInitialDir : "";
}

void COXHistoryCombo::SetupToolbar(CWnd* pParentWnd)
{
    if (!pParentWnd || m_pToolbar->m_hWnd)
        return;
    if (!m_pToolbar->CreateEx(pParentWnd, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS,
                              CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR))
        return;
    // The combo owns the bar: its commands and tooltip requests come here.
    // (The window stays the parent's child: no owner is set on the window.)
    m_pToolbar->SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(m_hWnd));
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(m_pToolbar->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_pToolbar->SetBarStyle(m_pToolbar->GetBarStyle() | 0xA000);
    InitCombo();
    if (m_bPersistent)
        RestoreContents(m_sValueName, m_sCompany, m_sApplication);
}

void COXHistoryCombo::InitCombo()
{
    if (!m_pToolbar->m_hWnd)
        return;
    if (m_pToolbar->LoadToolBar(m_nToolbarResource)) {
        // Keep the visible buttons only; slots past the resource's buttons are ignored.
        struct Button {
            UINT id;
            UINT style;
            int image;
        };
        std::vector<Button> shown;
        const int count = m_pToolbar->GetCount();
        for (int i = 0; i < count && i < BUTTON_SLOTS; ++i) {
            Button button = {};
            m_pToolbar->GetButtonInfo(i, button.id, button.style, button.image);
            if (m_abShown[i])
                shown.push_back(button);
        }
        m_pToolbar->SetButtons(nullptr, static_cast<int>(shown.size()));
        for (size_t i = 0; i < shown.size(); ++i)
            m_pToolbar->SetButtonInfo(static_cast<int>(i), shown[i].id, shown[i].style, shown[i].image);
    }
    PositionToolbar();
    OnIdle();
}

void COXHistoryCombo::PositionToolbar()
{
    if (!m_hWnd || !m_pToolbar->m_hWnd)
        return;
    CWnd* parent = GetParent();
    if (!parent)
        return;
    CRect rectCombo;
    GetWindowRect(&rectCombo);
    parent->ScreenToClient(&rectCombo);
    CSize size(0, 0);
    const int count = m_pToolbar->GetCount();
    if (count > 0) {
        CRect last;
        m_pToolbar->GetItemRect(count - 1, &last);
        size = CSize(last.right, last.bottom);
    }
    const CRect place = HistoryComboToolbarRect(m_nAlignment, m_nLayout != 0, rectCombo, size);
    m_pToolbar->SetWindowPos(nullptr, place.left, place.top, place.Width(), place.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL COXHistoryCombo::IsCommandEnabled(UINT nID)
{
    if (!IsWindowEnabled())
        return FALSE;
    switch (nID) {
    case kAddCommand:
        return HasText();
    case kDeleteCommand:
        return HasSelection();
    case kBrowseCommand:
        return CanBrowse();
    default:
        return FALSE;
    }
}

void COXHistoryCombo::OnIdle()
{
    if (!m_pToolbar->m_hWnd)
        return;
    const int count = m_pToolbar->GetCount();
    CWnd* parent = GetParent();
    for (int i = 0; i < count; ++i) {
        const UINT id = m_pToolbar->GetItemID(i);
        if (id == ID_SEPARATOR)
            continue;
        BOOL enabled;
        if (id >= kAddCommand && id <= kSpareCommandLast) {
            enabled = IsCommandEnabled(id);
        } else {
            // Other commands are the parent's to enable.
            CCmdUIState state(id, FALSE);
            if (parent)
                state.DoUpdate(parent, TRUE);
            enabled = state.m_bEnabled;
        }
        m_pToolbar->SendMessage(TB_ENABLEBUTTON, id, MAKELPARAM(enabled ? TRUE : FALSE, 0));
    }
}

BOOL COXHistoryCombo::AddTextToHistory(LPCTSTR lpszText)
{
    CString text = lpszText ? lpszText : "";
    if (text.IsEmpty())
        GetWindowText(text);
    if (text.IsEmpty())
        return FALSE;
    const int existing = FindStringExact(-1, text);
    if (existing >= 0)
        DeleteString(static_cast<UINT>(existing));
    InsertString(0, text);
    SetCurSel(0);
    while (GetCount() > m_nMaxHistoryCount && GetCount() > 0)
        DeleteString(static_cast<UINT>(GetCount() - 1));
    SetEditSel(0, -1);
    return existing < 0;
}

BOOL COXHistoryCombo::DeleteItem(int nIndex)
{
    if (nIndex < 0)
        nIndex = GetCurSel();
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    DeleteString(static_cast<UINT>(nIndex));
    const int count = GetCount();
    if (nIndex < count) {
        SetCurSel(nIndex);
        if (CWnd* parent = GetParent())
            parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CBN_SELCHANGE),
                                reinterpret_cast<LPARAM>(m_hWnd));
    } else if (count > 0) {
        SetCurSel(count - 1);
    }
    return TRUE;
}

void COXHistoryCombo::BrowseForFile()
{
    CFileDialog dialog(m_bOpenFileDialog, m_sDefExt.IsEmpty() ? nullptr : (LPCTSTR)m_sDefExt,
                       m_sFileName.IsEmpty() ? nullptr : (LPCTSTR)m_sFileName, m_dwFlags, m_sFilter,
                       m_pFileDialogParent ? m_pFileDialogParent : GetParent());
    if (!m_sInitialDir.IsEmpty())
        dialog.m_ofn.lpstrInitialDir = m_sInitialDir;
    if (dialog.DoModal() == IDOK)
        SetWindowText(dialog.GetPathName());
}

BOOL COXHistoryCombo::HasText()
{
    return GetWindowTextLength() > 0;
}

BOOL COXHistoryCombo::HasSelection()
{
    return GetCurSel() >= 0;
}

BOOL COXHistoryCombo::CanBrowse()
{
    return TRUE;
}

void COXHistoryCombo::PreSubclassWindow()
{
    CComboBox::PreSubclassWindow();
    SetupToolbar(GetParent());
}

int COXHistoryCombo::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetupToolbar(GetParent());
    return 0;
}

void COXHistoryCombo::OnDestroy()
{
    if (m_bPersistent)
        SaveContents(m_sValueName, m_sCompany, m_sApplication, HKEY_CURRENT_USER, TRUE);
    if (m_pToolbar->m_hWnd)
        m_pToolbar->DestroyWindow();
    CComboBox::OnDestroy();
}

void COXHistoryCombo::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CComboBox::OnWindowPosChanged(lpwndpos);
    PositionToolbar();
}

void COXHistoryCombo::OnEnable(BOOL bEnable)
{
    CComboBox::OnEnable(bEnable);
    if (m_pToolbar->m_hWnd)
        m_pToolbar->EnableWindow(bEnable);
}

LRESULT COXHistoryCombo::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    OnIdle();
    return 0;
}

BOOL COXHistoryCombo::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_pToolbar->m_hWnd && reinterpret_cast<HWND>(lParam) == m_pToolbar->m_hWnd) {
        const UINT id = LOWORD(wParam);
        if (id >= kAddCommand && id <= kSpareCommandLast) {
            if (!IsCommandEnabled(id))
                return TRUE;
            if (id == kAddCommand)
                AddTextToHistory();
            else if (id == kDeleteCommand)
                DeleteItem();
            else if (id == kBrowseCommand)
                BrowseForFile();
            return TRUE;
        }
        // Any other button is the parent's command.
        if (CWnd* parent = GetParent())
            parent->SendMessage(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return CComboBox::OnCommand(wParam, lParam);
}

BOOL COXHistoryCombo::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == TTN_NEEDTEXTA) {
        NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        const UINT id = (info->uFlags & TTF_IDISHWND) ? static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)))
                                                      : static_cast<UINT>(header->idFrom);
        CString prompt;
        prompt.LoadString(id);
        const int lineFeed = prompt.Find('\n');
        const CString tip = lineFeed >= 0 ? prompt.Mid(lineFeed + 1) : CString();
        // The tip fits the notification's own 80 characters, cut if longer.
        lstrcpynA(info->szText, tip, static_cast<int>(sizeof(info->szText)));
        info->lpszText = info->szText;
        *pResult = 0;
        return TRUE;
    }
    return CComboBox::OnNotify(wParam, lParam, pResult);
}
