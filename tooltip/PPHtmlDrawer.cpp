// The HTML drawer's object: construction, settings, resource loading, the
// hand cursor, notifications and the hyperlink hot areas.
#include "tooltip/PPHtmlDrawer.h"

#include "tooltip/PPLinkOpener.h"

#include <algorithm>

namespace {

// Cursor resource of the help program that holds the system's hand cursor.
const WORD kHelpHandCursor = 106;

}  // namespace

CPPHtmlDrawer::CPPHtmlDrawer()
    : m_hRepaintWnd(nullptr), m_nRepaintMsg(0), m_lRepaintParam(0),
      m_hHyperlinkWnd(nullptr), m_nHyperlinkMsg(0), m_lHyperlinkParam(0),
      m_defStyle(), m_hline{0, 0, 0, 0, 0}, m_drawManager(),
      m_hImageList(nullptr), m_szImageList_cx(0), m_szImageList_cy(0),
      m_hResourceModule(nullptr), m_bFreeResourceModule(FALSE), m_hLinkCursor(nullptr),
      m_nCurLine(0), m_nBlockWidth(0), m_nCurTable(0), m_nTableNesting(0), m_rcOutput{0, 0, 0, 0},
      m_nHoverIndexLink(-2), m_nCurIndexLink(-1), m_bKeepControlChars(TRUE),
      m_bShadowBlur(TRUE), m_nShadowDx(4), m_nShadowDy(4), m_nShadowDepthX(7), m_nShadowDepthY(7),
      m_nShadowDarkness(50), m_crShadow(RGB(128, 128, 128)),
      m_tm(), m_fontCache(), m_pMeasurer(nullptr), m_hDC(nullptr)
{
    SetDefaultStyle(m_defStyle);
    InitColorNames();
    SetDefaultCursor();
    SetImageShadow(4, 4, 50, TRUE, 7, 7);
    SetDefaultCssStyles();
}

CPPHtmlDrawer::~CPPHtmlDrawer()
{
    if (m_hImageList)
        ImageList_Destroy(m_hImageList);
    if (m_hLinkCursor)
        DestroyCursor(m_hLinkCursor);
    if (m_bFreeResourceModule && m_hResourceModule)
        FreeLibrary(m_hResourceModule);
}

void CPPHtmlDrawer::SetImageList(HBITMAP hBitmap, int cx, int cy, int count, COLORREF mask)
{
    if (m_hImageList)
    {
        ImageList_Destroy(m_hImageList);
        m_hImageList = nullptr;
    }
    if (!hBitmap)
        return;
    m_hImageList = ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, count, 1);
    if (!m_hImageList)
        return;
    ImageList_AddMasked(m_hImageList, hBitmap, mask);
    m_szImageList_cx = cx;
    m_szImageList_cy = cy;
}

void CPPHtmlDrawer::SetImageList(UINT idBitmap, int cx, int cy, int count, COLORREF mask)
{
    HBITMAP bmp = LoadBitmapFromResource(idBitmap);
    SetImageList(bmp, cx, cy, count, mask);
    if (bmp)
        DeleteObject(bmp);
}

void CPPHtmlDrawer::SetImageShadow(int dx, int dy, BYTE darkness, BOOL blur, int depthX, int depthY)
{
    m_nShadowDx = dx;
    m_nShadowDy = dy;
    m_nShadowDarkness = std::min<BYTE>(darkness, 100);
    m_bShadowBlur = blur;
    m_nShadowDepthX = depthX;
    m_nShadowDepthY = depthY;
    const int level = MulDiv(255, 100 - m_nShadowDarkness, 100);
    m_crShadow = RGB(level, level, level);
}

BOOL CPPHtmlDrawer::HasImageShadow(const IMAGEPARAMS& ip) const
{
    const DWORD shadow = IMAGE_EFFECT_SHADOW | IMAGE_EFFECT_BLUR_SHADOW;
    return (ip.nStyles & shadow) || (ip.nHotStyles & shadow);
}

void CPPHtmlDrawer::SetCallbackRepaint(HWND hWnd, UINT message, LPARAM lParam)
{
    m_hRepaintWnd = hWnd;
    m_nRepaintMsg = hWnd ? message : 0;
    m_lRepaintParam = hWnd ? lParam : 0;
}

void CPPHtmlDrawer::SetCallbackHyperlink(HWND hWnd, UINT message, LPARAM lParam)
{
    m_hHyperlinkWnd = hWnd;
    m_nHyperlinkMsg = hWnd ? message : 0;
    m_lHyperlinkParam = hWnd ? lParam : 0;
}

void CPPHtmlDrawer::SendRepaintNotify(WPARAM wParam)
{
    if (m_hRepaintWnd && m_nRepaintMsg)
        SendMessage(m_hRepaintWnd, m_nRepaintMsg, wParam, m_lRepaintParam);
}

void CPPHtmlDrawer::SendHyperlinkNotify(WPARAM wParam)
{
    if (m_hHyperlinkWnd && m_nHyperlinkMsg)
        SendMessage(m_hHyperlinkWnd, m_nHyperlinkMsg, wParam, m_lHyperlinkParam);
}

void CPPHtmlDrawer::SetResourceModule(HINSTANCE hModule)
{
    if (m_hResourceModule && !m_bFreeResourceModule)
        return;   // a module handed in earlier stays
    if (m_hResourceModule && m_bFreeResourceModule)
        FreeLibrary(m_hResourceModule);
    m_hResourceModule = hModule;
    m_bFreeResourceModule = FALSE;
}

BOOL CPPHtmlDrawer::SetResourceDll(LPCTSTR path, DWORD flags)
{
    // A module the caller handed in is the caller's: it is neither replaced
    // nor freed here.
    if (m_hResourceModule && !m_bFreeResourceModule)
        return FALSE;
    if (!path || !*path)
        return FALSE;
    HINSTANCE module = LoadLibraryEx(path, nullptr, flags);
    if (!module)
        return FALSE;
    if (m_hResourceModule)
        FreeLibrary(m_hResourceModule);
    m_hResourceModule = module;
    m_bFreeResourceModule = TRUE;
    return TRUE;
}

void CPPHtmlDrawer::SetDefaultCursor()
{
    if (m_hLinkCursor)
        return;
    char path[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(path, sizeof path);
    if (length == 0 || length + 14 >= sizeof path)
        return;
    lstrcatA(path, "\\winhlp32.exe");
    HMODULE module = LoadLibraryA(path);
    if (!module)
        return;
    HCURSOR cursor = LoadCursor(module, MAKEINTRESOURCE(kHelpHandCursor));
    if (cursor)
        m_hLinkCursor = CopyCursor(cursor);
    FreeLibrary(module);
}

void CPPHtmlDrawer::SetHyperlinkCursor(HCURSOR hCursor)
{
    if (hCursor && hCursor == m_hLinkCursor)
        return;
    if (m_hLinkCursor)
        DestroyCursor(m_hLinkCursor);
    m_hLinkCursor = nullptr;
    if (hCursor)
        m_hLinkCursor = hCursor;
    else
        SetDefaultCursor();
}

HICON CPPHtmlDrawer::LoadIconFromResource(UINT id, int cx, int cy)
{
    if (id == 0)
        return nullptr;
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(id), RT_GROUP_ICON);
    return static_cast<HICON>(LoadImage(module, MAKEINTRESOURCE(id), IMAGE_ICON, cx, cy, 0));
}

HICON CPPHtmlDrawer::LoadIconFromFile(LPCTSTR path, int cx, int cy)
{
    if (!path || !*path)
        return nullptr;
    return static_cast<HICON>(LoadImage(nullptr, path, IMAGE_ICON, cx, cy, LR_LOADFROMFILE));
}

HICON CPPHtmlDrawer::LoadIconFromDll(UINT id, int cx, int cy, LPCTSTR dll)
{
    if (id == 0)
        return nullptr;
    if (dll && *dll)
    {
        HMODULE module = LoadLibraryEx(dll, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (!module)
            return nullptr;
        HICON icon = static_cast<HICON>(LoadImage(module, MAKEINTRESOURCE(id), IMAGE_ICON, cx, cy, 0));
        FreeLibrary(module);
        return icon;
    }
    if (!m_hResourceModule)
        return nullptr;
    return static_cast<HICON>(LoadImage(m_hResourceModule, MAKEINTRESOURCE(id), IMAGE_ICON, cx, cy, 0));
}

HBITMAP CPPHtmlDrawer::LoadBitmapFromResource(UINT id)
{
    if (id == 0)
        return nullptr;
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(id), RT_BITMAP);
    return static_cast<HBITMAP>(LoadImage(module, MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, 0));
}

HBITMAP CPPHtmlDrawer::LoadBitmapFromFile(LPCTSTR path)
{
    if (!path || !*path)
        return nullptr;
    return static_cast<HBITMAP>(
        LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
}

HBITMAP CPPHtmlDrawer::LoadBitmapFromDll(UINT id, LPCTSTR dll)
{
    if (id == 0)
        return nullptr;
    const UINT flags = LR_CREATEDIBSECTION | LR_DEFAULTSIZE;
    if (dll && *dll)
    {
        HMODULE module = LoadLibraryEx(dll, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (!module)
            return nullptr;
        HBITMAP bmp = static_cast<HBITMAP>(LoadImage(module, MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, flags));
        FreeLibrary(module);
        return bmp;
    }
    if (!m_hResourceModule)
        return nullptr;
    return static_cast<HBITMAP>(LoadImage(m_hResourceModule, MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, flags));
}

CString CPPHtmlDrawer::GetStringFromResource(UINT id) const
{
    CString text;
    if (id != 0)
        text.LoadString(id);
    return text;
}

CString CPPHtmlDrawer::GetStringFromDll(UINT id, LPCTSTR dll) const
{
    if (id == 0)
        return CString();
    HMODULE module = m_hResourceModule;
    BOOL loaded = FALSE;
    if (dll && *dll)
    {
        module = LoadLibraryEx(dll, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        loaded = module != nullptr;
    }
    CString text;
    if (module)
    {
        // A string that fills the buffer to within two characters may have
        // been cut: try again with a larger one.
        for (int size = 256; size <= 65536; size += 256)
        {
            LPTSTR buffer = text.GetBuffer(size);
            const int length = LoadString(module, id, buffer, size);
            text.ReleaseBuffer(std::max(0, length));
            if (length < size - 2)
                break;
        }
    }
    if (loaded)
        FreeLibrary(module);
    return text;
}

CString CPPHtmlDrawer::GetResourceSubString(UINT id, int n) const
{
    const CString text = GetStringFromResource(id);
    if (text.IsEmpty() || n < 0)
        return CString();
    int start = 0;
    for (int piece = 0; piece < n; ++piece)
    {
        const int lf = text.Find('\n', start);
        if (lf < 0)
            return CString();
        start = lf + 1;
    }
    const int lf = text.Find('\n', start);
    return lf < 0 ? text.Mid(start) : text.Mid(start, lf - start);
}

HBITMAP CPPHtmlDrawer::LoadBitmapForTag(const IMAGEPARAMS& ip)
{
    if (!ip.strSrcFile.IsEmpty())
        return LoadBitmapFromFile(ip.strSrcFile);
    if (ip.nIdRes)
        return LoadBitmapFromResource(static_cast<UINT>(ip.nIdRes));
    if (ip.nIdDll)
        return LoadBitmapFromDll(static_cast<UINT>(ip.nIdDll), ip.strPathDll.IsEmpty() ? nullptr : (LPCTSTR)ip.strPathDll);
    if (ip.nHandle && GetObjectType(reinterpret_cast<HGDIOBJ>(ip.nHandle)) == OBJ_BITMAP)
        return reinterpret_cast<HBITMAP>(ip.nHandle);
    return nullptr;
}

HICON CPPHtmlDrawer::LoadIconForTag(const IMAGEPARAMS& ip, int cx, int cy)
{
    if (!ip.strSrcFile.IsEmpty())
        return LoadIconFromFile(ip.strSrcFile, cx, cy);
    if (ip.nIdRes)
        return LoadIconFromResource(static_cast<UINT>(ip.nIdRes), cx, cy);
    if (ip.nIdDll)
        return LoadIconFromDll(static_cast<UINT>(ip.nIdDll), cx, cy,
                               ip.strPathDll.IsEmpty() ? nullptr : (LPCTSTR)ip.strPathDll);
    if (ip.nHandle)
        return reinterpret_cast<HICON>(ip.nHandle);
    return nullptr;
}

int CPPHtmlDrawer::FindHotArea(int x, int y) const
{
    const POINT pt = {x, y};
    for (size_t i = 0; i < m_arrHAreas.size(); ++i)
        if (PtInRect(&m_arrHAreas[i].rect, pt))
            return static_cast<int>(i);
    return -1;
}

void CPPHtmlDrawer::JumpToHyperlink(int area)
{
    if (area < 0 || area >= static_cast<int>(m_arrHAreas.size()))
        return;
    const HOTAREA& hot = m_arrHAreas[area];
    if (hot.sHyperlink.IsEmpty())
        return;
    if (hot.nLinkType == LINK_HREF)
        GotoURL(hot.sHyperlink, SW_SHOW);
    else if (hot.nLinkType == LINK_MESSAGE)
        SendHyperlinkNotify(reinterpret_cast<WPARAM>(static_cast<LPCTSTR>(hot.sHyperlink)));
}

INT_PTR CPPHtmlDrawer::GotoURL(LPCTSTR url, int showCommand)
{
    // The hand cursor is taken afresh: the page that opens may take the
    // focus while the cursor is still over the tip.
    if (m_hLinkCursor)
        DestroyCursor(m_hLinkCursor);
    m_hLinkCursor = nullptr;
    SetDefaultCursor();
    return PPOpenLink(url, showCommand);
}

void CPPHtmlDrawer::OnLButtonDown(POINT pt)
{
    const int area = FindHotArea(pt.x, pt.y);
    if (area >= 0)
        JumpToHyperlink(area);
}

BOOL CPPHtmlDrawer::OnSetCursor(POINT pt)
{
    const int area = FindHotArea(pt.x, pt.y);
    if (area >= 0)
    {
        const HOTAREA& hot = m_arrHAreas[area];
        if (hot.nID != m_nHoverIndexLink)
        {
            m_nHoverIndexLink = hot.nID;
            SendRepaintNotify(static_cast<WPARAM>(m_nHoverIndexLink));
        }
        if (!hot.sHyperlink.IsEmpty() && m_hLinkCursor)
        {
            SetCursor(m_hLinkCursor);
            return TRUE;
        }
        return FALSE;
    }
    if (m_nHoverIndexLink != -2)
    {
        m_nHoverIndexLink = -2;
        SendRepaintNotify(static_cast<WPARAM>(-2));
    }
    return FALSE;
}
