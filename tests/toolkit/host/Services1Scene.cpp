#include "Services1Scene.h"

#include "HostResource.h"
#include "afx/BasicCtrls.h"
#include "afx/DC.h"
#include "toolkit/foundation/OXDIB.h"
#include "toolkit/foundation/OXHookWnd.h"
#include "toolkit/foundation/OXIntelliMouse.h"
#include "toolkit/foundation/OXSplashWnd.h"
#include "toolkit/foundation/OXStatic.h"

#include <cstdio>
#include <cstring>

namespace {
enum ControlId : UINT
{
    IdCaption = IDC_SERVICES1_FIRST,   // 1101 shaded static with a tooltip
    IdList,                            // 1102 list box of long lines, both scroll bars
    IdPicture,                         // 1103 the host bitmap drawn by a DIB
    IdHookTarget,                      // 1104 static with two hooks and the mouse timer
};

enum CommandId : UINT
{
    CmdShapedSplash = ID_SERVICES1_FIRST,   // 32820
    CmdTimedSplash,
    CmdNextFill,
    CmdAutoScroll,
    CmdSaveDib,
    CmdDither,
    CmdNoBackground,
};

CString HostFolder()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (char* slash = std::strrchr(path, '\\'))
        slash[1] = '\0';
    return path;
}

// Draws its DIB stretched over the client area.
class CPictureWnd : public CWnd
{
public:
    explicit CPictureWnd(COXDIB& dib) : m_dib(dib) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT) {
            CPaintDC dc(this);
            CRect client;
            GetClientRect(&client);
            const CSize size = m_dib.GetSize();
            m_dib.Draw(&dc, client, CRect(0, 0, size.cx, size.cy));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    COXDIB& m_dib;
};

// Counts the cursor's comings and goings over the hooked window.
class CCountingHook : public COXHookWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_OX_HOOK_MOUSEENTER)
            ++enters;
        if (message == WM_OX_HOOK_MOUSELEAVE)
            ++leaves;
        return COXHookWnd::WindowProc(message, wParam, lParam);
    }
    int enters = 0;
    int leaves = 0;
};

// Counts the splash windows that ended.
class CCountingSplash : public COXSplashWnd
{
public:
    int closed = 0;

protected:
    void PostNcDestroy() override
    {
        ++closed;
        COXSplashWnd::PostNcDestroy();
    }
};

class CServices1Scene : public CHostScene
{
public:
    CServices1Scene() : m_picture(m_dib) {}
    ~CServices1Scene() override { m_organizer.DetachFromThread(); }

    BOOL Create(CWnd* pHost) override
    {
        m_bitmapPath = HostFolder() + "data\\host-dib.bmp";
        m_dib.ReadFromFile(m_bitmapPath);
        if (!m_caption.Create("Shaded caption", WS_CHILD | WS_VISIBLE, CRect(20, 20, 300, 60), pHost, IdCaption) ||
            !m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                           CRect(20, 80, 300, 280), pHost, IdList) ||
            !m_picture.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, 320, 80, 448, 176,
                                pHost->GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IdPicture))) ||
            !m_hookTarget.Create("Hook target", WS_CHILD | WS_VISIBLE | SS_NOTIFY | WS_BORDER, CRect(320, 20, 480, 60),
                                 pHost, IdHookTarget))
            return FALSE;
        m_caption.SetBkFillType(OXSTATIC_FILL_SOLID);
        m_caption.ActivateToolTip(TRUE);
        char line[160];
        for (int i = 0; i < 200; ++i) {
            std::snprintf(line, sizeof line, "Line %03d: a long line of the list, wider than the box it is shown in, "
                                             "so that it scrolls sideways too", i);
            m_list.AddString(line);
        }
        m_list.SetHorizontalExtent(1200);
        m_hookFirst.HookWindow(&m_hookTarget);
        m_hookSecond.HookWindow(&m_hookTarget);
        m_hookFirst.SetMouseTimer();
        return TRUE;
    }

    std::vector<std::pair<UINT, CString>> Commands() const override
    {
        return {
            { CmdShapedSplash, "Show the &shaped splash until a click" },
            { CmdTimedSplash, "Show the splash for the &default time" },
            { CmdNextFill, "Next &fill type of 1101" },
            { CmdAutoScroll, "&Auto-scroll on this thread on or off" },
            { CmdSaveDib, "Sa&ve the bitmap beside the host" },
            { CmdDither, "&Halftone-dither a 24-bit copy" },
            { CmdNoBackground, "No &background for 1101" },
        };
    }

    BOOL OnHostMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        *pResult = 0;
        if (message != WM_COMMAND || lParam != 0)
            return FALSE;
        switch (LOWORD(wParam)) {
        case CmdShapedSplash:
        case CmdTimedSplash: {
            const BOOL shaped = LOWORD(wParam) == CmdShapedSplash;
            if (m_splash.LoadBitmapFile(m_bitmapPath, shaped ? CLR_DEFAULT : CLR_NONE))
                m_splash.Show(shaped ? COXSplashWnd::DisplayUntilClosed : 0);
            break;
        }
        case CmdNextFill:
            m_caption.SetBkFillType((m_caption.GetBkFillType() + 1) % 5);
            break;
        case CmdAutoScroll:
            if (m_organizer.IsAttached())
                m_organizer.DetachFromThread();
            else
                m_organizer.AttachToThread(::GetCurrentThreadId(), WM_MBUTTONDOWN, 0);
            break;
        case CmdSaveDib:
            m_saved = m_dib.WriteToFile(HostFolder() + "host-dib-out.bmp") ? "1" : "0";
            break;
        case CmdDither:
            m_dither = DitherCopy() ? "ok" : "failed";
            break;
        case CmdNoBackground:
            m_caption.SetBkColor(OXSTATIC_NO_BACKGROUND);
            break;
        default:
            return FALSE;
        }
        char text[32];
        std::snprintf(text, sizeof text, "command %u", LOWORD(wParam));
        m_last = text;
        return TRUE;
    }

    void AppendState(CHostState& state) override
    {
        state.AddInt("static.fill", m_caption.GetBkFillType());
        state.Add("static.tip", m_caption.GetToolTipText(TRUE));
        state.AddColor("static.bk", m_caption.GetBkColor());
        const BOOL splash = m_splash.GetSafeHwnd() && m_splash.IsWindowVisible();
        state.AddFlag("splash.visible", splash);
        BOOL shaped = FALSE;
        if (splash) {
            HRGN region = ::CreateRectRgn(0, 0, 0, 0);
            shaped = ::GetWindowRgn(m_splash.GetSafeHwnd(), region) != ERROR;
            ::DeleteObject(region);
        }
        state.AddFlag("splash.shaped", shaped);
        state.AddInt("splash.closed", m_splash.closed);
        state.AddInt("hook.enter", m_hookFirst.enters);
        state.AddInt("hook.leave", m_hookFirst.leaves);
        state.AddFlag("hook.inside", m_hookFirst.IsMouseInside());
        state.AddFlag("imouse.attached", m_organizer.IsAttached());
        COXIntelliMouse* pMouse = m_organizer.GetAttachedObject(m_list.GetSafeHwnd());
        state.AddFlag("imouse.active", pMouse && pMouse->IsActive());
        state.AddInt("list.top", m_list.GetTopIndex());
        state.AddInt("list.left", m_list.GetScrollPos(SB_HORZ));
        const CSize size = m_dib.GetSize();
        state.AddInt("dib.width", size.cx);
        state.AddInt("dib.height", size.cy);
        state.AddInt("dib.bits", m_dib.GetNumBitsPerPixel());
        state.Add("dib.saved", m_saved);
        state.Add("dib.dither", m_dither);
        HDC screen = ::GetDC(nullptr);
        state.AddFlag("screen.palette", (::GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0);
        ::ReleaseDC(nullptr, screen);
        state.Add("last", m_last);
    }

    std::vector<UINT> NamedControls() const override { return { IdCaption, IdList, IdPicture, IdHookTarget }; }

private:
    // A 24-bit copy of the bitmap, drawn through a DIB section, then dithered.
    BOOL DitherCopy()
    {
        const CSize size = m_dib.GetSize();
        if (size.cx == 0)
            return FALSE;
        BITMAPINFO info = {};
        COXDIB::InitBitmapInfoHeader(&info.bmiHeader, size.cx, size.cy, 24);
        CDC dc;
        void* bits = nullptr;
        HBITMAP section = dc.CreateCompatibleDC(nullptr)
                              ? ::CreateDIBSection(dc.GetSafeHdc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0)
                              : nullptr;
        if (!section)
            return FALSE;
        HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), section);
        m_dib.Draw(&dc, CRect(0, 0, size.cx, size.cy), CRect(0, 0, size.cx, size.cy));
        ::SelectObject(dc.GetSafeHdc(), old);
        COXDIB copy;
        const BOOL ok = copy.BitmapToDIB(section) && copy.GetNumBitsPerPixel() == 24 && copy.HalfToneDitherDIB() &&
                        copy.GetNumBitsPerPixel() == 8;
        ::DeleteObject(section);
        return ok;
    }

    COXDIB m_dib;
    CString m_bitmapPath;
    COXStatic m_caption;
    CListBox m_list;
    CPictureWnd m_picture;
    CStatic m_hookTarget;
    CCountingHook m_hookFirst;
    CCountingHook m_hookSecond;
    CCountingSplash m_splash;
    COXIntelliMouseOrganizer m_organizer;
    CString m_saved = "0";
    CString m_dither;
    CString m_last;
};
} // namespace

std::unique_ptr<CHostScene> MakeServices1Scene()
{
    return std::make_unique<CServices1Scene>();
}
