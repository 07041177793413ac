// A resizable dialog built from a template in memory: its controls follow the
// layout map through real WM_SIZE messages, the grip shows, and the dialog
// reopens where it was closed.
#include "controls/layout/DynamicDialog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char kTestKey[] = "Software\\LexifernTests\\ControlsDialog";
enum { IDC_EDIT = 200, IDC_OKBTN = 201 };

// DLGTEMPLATE with two items, in dialog units.
class MemTemplate
{
public:
    MemTemplate()
    {
        DLGTEMPLATE dt = {};
        dt.style = WS_POPUP | WS_CAPTION | WS_THICKFRAME | DS_SETFONT;
        dt.cdit = 2;
        dt.cx = 200;
        dt.cy = 100;
        Add(&dt, sizeof(dt));
        Word(0); Word(0); Word(0);      // no menu, default class, empty title
        Word(8); Text(L"MS Shell Dlg");  // font
        Item(IDC_EDIT, 0x0081, WS_CHILD | WS_VISIBLE | WS_BORDER, 5, 5, 150, 70);
        Item(IDC_OKBTN, 0x0080, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 160, 80, 35, 14);
    }
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_bytes.data()); }

private:
    void Add(const void* p, size_t n)
    {
        const BYTE* b = static_cast<const BYTE*>(p);
        m_bytes.insert(m_bytes.end(), b, b + n);
    }
    void Word(WORD w) { Add(&w, sizeof(w)); }
    void Text(const wchar_t* s) { Add(s, (wcslen(s) + 1) * sizeof(wchar_t)); }
    void Align() { while (m_bytes.size() % 4) m_bytes.push_back(0); }
    void Item(WORD id, WORD atom, DWORD style, short x, short y, short cx, short cy)
    {
        Align();
        DLGITEMTEMPLATE it = {};
        it.style = style;
        it.x = x; it.y = y; it.cx = cx; it.cy = cy;
        it.id = id;
        Add(&it, sizeof(it));
        Word(0xFFFF); Word(atom); Word(0); Word(0);
    }
    std::vector<BYTE> m_bytes;
};

class TestDialog : public cdxCDynamicDialog
{
public:
    TestDialog() : cdxCDynamicDialog(0, nullptr) { ActivateAutoPos(0x4242u); }
    DECLARE_DYNAMIC_MAP()
};

BEGIN_DYNAMIC_MAP(TestDialog, cdxCDynamicDialog)
    DYNAMIC_MAP_ENTRY(IDC_EDIT, ModeStretch, ModeStretch)
    DYNAMIC_MAP_ENTRY(IDC_OKBTN, ModeMove, ModeMove)
END_DYNAMIC_MAP()

CRect ChildRect(CWnd& parent, int id)
{
    CRect rc;
    parent.GetDlgItem(id)->GetWindowRect(&rc);
    parent.ScreenToClient(&rc);
    return rc;
}

TEST(DynamicDialog, ResizesChildrenByModeShowsGripAndReopensWhereItWas)
{
    CRegistryControlsProfile profile(HKEY_CURRENT_USER, kTestKey);
    profile.DeleteAll();
    ControlsSetProfile(&profile);
    MemTemplate tpl;
    {
        TestDialog dlg;
        ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
        CRect edit0 = ChildRect(dlg, IDC_EDIT), ok0 = ChildRect(dlg, IDC_OKBTN);
        CWnd* grip = dlg.GetDlgItem(cdxCDynamicWnd::DefaultSizeGripId);
        ASSERT_NE(nullptr, grip);
        EXPECT_TRUE(grip->IsWindowVisible() || !dlg.IsWindowVisible());

        CRect rcWnd;
        dlg.GetWindowRect(&rcWnd);
        dlg.SetWindowPos(nullptr, 70, 80, rcWnd.Width() + 50, rcWnd.Height() + 30, SWP_NOZORDER | SWP_NOACTIVATE);
        CRect edit1 = ChildRect(dlg, IDC_EDIT), ok1 = ChildRect(dlg, IDC_OKBTN);
        EXPECT_EQ(edit0.TopLeft(), edit1.TopLeft());
        EXPECT_EQ(edit0.Width() + 50, edit1.Width());
        EXPECT_EQ(edit0.Height() + 30, edit1.Height());
        EXPECT_EQ(ok0.left + 50, ok1.left);
        EXPECT_EQ(ok0.top + 30, ok1.top);
        EXPECT_EQ(ok0.Size(), ok1.Size());

        // Smaller than at the start is refused by the tracking size.
        MINMAXINFO mmi = {};
        dlg.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
        EXPECT_EQ(rcWnd.Width(), mmi.ptMinTrackSize.x);
        EXPECT_EQ(rcWnd.Height(), mmi.ptMinTrackSize.y);
        dlg.DestroyWindow();
    }
    EXPECT_EQ(1, profile.GetProfileInt("WindowPositions\\ID=0x00004242", "(valid)", 0));
    EXPECT_EQ(70, profile.GetProfileInt("WindowPositions\\ID=0x00004242", "Left", 0));
    {
        TestDialog dlg;
        ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
        CRect rc;
        dlg.GetWindowRect(&rc);
        EXPECT_EQ(70, rc.left);
        EXPECT_EQ(80, rc.top);
        dlg.NoAutoPos();
        dlg.DestroyWindow();
    }
    ControlsSetProfile(nullptr);
    profile.DeleteAll();
}

} // namespace
