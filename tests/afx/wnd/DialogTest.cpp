// Modal and modeless dialogs from a resource and from memory, driven by posted
// messages from inside their own modal loop, and the data exchange between
// their controls and members.
#include <gtest/gtest.h>

#include "TestApp.h"
#include "TestResource.h"

#include "afx/DataExchange.h"
#include "afx/Dialog.h"

#include <functional>
#include <string>
#include <vector>

namespace {

const UINT WM_RUN_SCRIPT = WM_APP + 1;

class BoundEdit : public CWnd
{
public:
    int bindings = 0;
    void PreSubclassWindow() override { ++bindings; }
};

class ExchangeDialog : public CDialog
{
public:
    ExchangeDialog() : CDialog(IDD_EXCHANGE) {}

    CString m_name = "\xC8\xE2\xE0\xED";   // "Иван"
    int m_number = 7;
    UINT m_unsigned = 40;
    double m_ratio = 0.25;
    int m_check = 2;
    int m_radio = 1;
    CString m_combo = "beta";
    int m_listIndex = 2;
    BoundEdit m_nameEdit;

    std::function<void(ExchangeDialog&)> script;
    std::vector<UINT> keysSeen;
    bool ownerDisabledInside = false;
    HWND ownerInside = nullptr;

    BOOL OnInitDialog() override
    {
        const char* items[] = { "alpha", "beta", "gamma" };
        for (const char* item : items) {
            SendDlgItemMessage(IDC_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendDlgItemMessage(IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        CDialog::OnInitDialog();
        PostMessage(WM_RUN_SCRIPT);
        return TRUE;
    }

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_NAME, m_nameEdit);
        DDX_Text(pDX, IDC_NAME, m_name);
        DDV_MaxChars(pDX, m_name, 10);
        DDX_Text(pDX, IDC_NUMBER, m_number);
        DDV_MinMaxInt(pDX, m_number, 1, 100);
        DDX_Text(pDX, IDC_UNSIGNED, m_unsigned);
        DDX_Text(pDX, IDC_RATIO, m_ratio);
        DDV_MinMaxDouble(pDX, m_ratio, 0.0, 1.0);
        DDX_Check(pDX, IDC_CHECK, m_check);
        DDX_Radio(pDX, IDC_RADIO1, m_radio);
        DDX_CBString(pDX, IDC_COMBO, m_combo);
        DDX_LBIndex(pDX, IDC_LIST, m_listIndex);
    }

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN)
            keysSeen.push_back(static_cast<UINT>(msg->wParam));
        return CDialog::PreTranslateMessage(msg);
    }

    LRESULT OnRunScript(WPARAM, LPARAM)
    {
        ShowWindow(SW_SHOWNORMAL);
        HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
        ownerInside = owner;
        ownerDisabledInside = owner && !::IsWindowEnabled(owner);
        if (script)
            script(*this);
        return 0;
    }

    std::string Text(int id)
    {
        CString text;
        GetDlgItemText(id, text);
        return std::string(text);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ExchangeDialog, CDialog)
    ON_MESSAGE(WM_RUN_SCRIPT, &ExchangeDialog::OnRunScript)
END_MESSAGE_MAP()

// The application's main window for the owner rule.
class MainWindowScope
{
public:
    MainWindowScope()
    {
        m_wnd.CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr);
        TestApp().m_pMainWnd = &m_wnd;
    }
    ~MainWindowScope() { TestApp().m_pMainWnd = nullptr; }
    CWnd m_wnd;
};

// A dialog template in memory: a caption and one OK button.
struct MemoryTemplate
{
    alignas(4) WORD words[64] = {};

    MemoryTemplate()
    {
        DLGTEMPLATE* dlg = reinterpret_cast<DLGTEMPLATE*>(words);
        dlg->style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        dlg->cdit = 1;
        dlg->cx = 100;
        dlg->cy = 50;
        WORD* p = reinterpret_cast<WORD*>(dlg + 1);
        *p++ = 0;   // no menu
        *p++ = 0;   // default class
        for (const wchar_t* t = L"Mem"; ; ++t) {   // caption
            *p++ = static_cast<WORD>(*t);
            if (!*t)
                break;
        }
        if (reinterpret_cast<UINT_PTR>(p) & 2)   // items start on a DWORD
            ++p;
        DLGITEMTEMPLATE* item = reinterpret_cast<DLGITEMTEMPLATE*>(p);
        item->style = WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON;
        item->x = 10;
        item->y = 10;
        item->cx = 40;
        item->cy = 14;
        item->id = IDOK;
        p = reinterpret_cast<WORD*>(item + 1);
        *p++ = 0xFFFF;
        *p++ = 0x0080;   // button
        *p++ = 'O';
        *p++ = 'K';
        *p++ = 0;
        *p++ = 0;        // no creation data
    }
    LPCDLGTEMPLATE get() const { return reinterpret_cast<LPCDLGTEMPLATE>(words); }
};

class MemoryDialog : public CDialog
{
public:
    std::function<void(MemoryDialog&)> script;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(WM_RUN_SCRIPT);
        return TRUE;
    }
    LRESULT OnRunScript(WPARAM, LPARAM)
    {
        if (script)
            script(*this);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MemoryDialog, CDialog)
    ON_MESSAGE(WM_RUN_SCRIPT, &MemoryDialog::OnRunScript)
END_MESSAGE_MAP()

} // namespace

TEST(Dialog, ModalFromResourceLoadsControlsAndSavesThemOnOk)
{
    MainWindowScope main;
    ExchangeDialog dlg;
    std::vector<std::string> loaded;
    dlg.script = [&loaded](ExchangeDialog& d) {
        loaded = { d.Text(IDC_NAME), d.Text(IDC_NUMBER), d.Text(IDC_UNSIGNED), d.Text(IDC_RATIO),
                   std::to_string(d.IsDlgButtonChecked(IDC_CHECK)), std::to_string(d.GetCheckedRadioButton(IDC_RADIO1, IDC_RADIO3)),
                   d.Text(IDC_COMBO), std::to_string(d.SendDlgItemMessage(IDC_LIST, LB_GETCURSEL)) };
        d.SetDlgItemText(IDC_NAME, "\xCF\xE5\xF2\xF0");   // "Петр"
        d.SetDlgItemText(IDC_NUMBER, " -0 ");
        d.SetDlgItemText(IDC_NUMBER, "42");
        d.SetDlgItemText(IDC_UNSIGNED, "4000000000");
        d.SetDlgItemText(IDC_RATIO, "0.5");
        d.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
        d.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO3);
        d.SendDlgItemMessage(IDC_COMBO, CB_SETCURSEL, 2);
        d.SendDlgItemMessage(IDC_LIST, LB_SETCURSEL, 0);
        d.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());

    EXPECT_EQ((std::vector<std::string>{ "\xC8\xE2\xE0\xED", "7", "40", "0.25", "2", std::to_string(IDC_RADIO2),
                                         "beta", "2" }),
              loaded);
    EXPECT_STREQ("\xCF\xE5\xF2\xF0", dlg.m_name);
    EXPECT_EQ(42, dlg.m_number);
    EXPECT_EQ(4000000000u, dlg.m_unsigned);
    EXPECT_DOUBLE_EQ(0.5, dlg.m_ratio);
    EXPECT_EQ(0, dlg.m_check);
    EXPECT_EQ(2, dlg.m_radio);
    EXPECT_STREQ("gamma", dlg.m_combo);
    EXPECT_EQ(0, dlg.m_listIndex);
    // The control was bound once, though the data went both ways.
    EXPECT_EQ(1, dlg.m_nameEdit.bindings);
    EXPECT_EQ(nullptr, dlg.m_nameEdit.m_hWnd);

    // Owned by the main window, which was disabled meanwhile and is enabled again.
    EXPECT_EQ(main.m_wnd.m_hWnd, dlg.ownerInside);
    EXPECT_TRUE(dlg.ownerDisabledInside);
    EXPECT_TRUE(main.m_wnd.IsWindowEnabled());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(Dialog, BadInputKeepsTheDialogOpenWithTheFocusOnTheControl)
{
    ExchangeDialog dlg;
    std::vector<std::string> focusAfter;
    TestApp().m_messages.clear();
    dlg.script = [&focusAfter](ExchangeDialog& d) {
        auto tryOk = [&]() {
            d.SendMessage(WM_COMMAND, IDOK);
            HWND focus = ::GetFocus();
            focusAfter.push_back(focus ? std::to_string(::GetDlgCtrlID(focus)) : "none");
        };
        d.SetDlgItemText(IDC_NUMBER, "12x");
        tryOk();
        d.SetDlgItemText(IDC_NUMBER, "99999999999");   // beyond int: refused, not wrapped
        tryOk();
        d.SetDlgItemText(IDC_NUMBER, "101");
        tryOk();
        d.SetDlgItemText(IDC_NUMBER, "100");
        d.SetDlgItemText(IDC_UNSIGNED, "-1");          // no wrap to 4294967295
        tryOk();
        d.SetDlgItemText(IDC_UNSIGNED, "1");
        d.SetDlgItemText(IDC_NAME, "eleven char");
        tryOk();
        d.SetDlgItemText(IDC_NAME, "ten chars!");
        tryOk();
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    const std::string number = std::to_string(IDC_NUMBER);
    EXPECT_EQ((std::vector<std::string>{ number, number, number, std::to_string(IDC_UNSIGNED),
                                         std::to_string(IDC_NAME), "none" }),
              focusAfter);
    ASSERT_EQ(5u, TestApp().m_messages.size());
    EXPECT_EQ("Please enter an integer.", TestApp().m_messages[0]);
    EXPECT_EQ("Please enter an integer.", TestApp().m_messages[1]);
    EXPECT_EQ("Please enter an integer between 1 and 100.", TestApp().m_messages[2]);
    EXPECT_EQ("Please enter a positive integer.", TestApp().m_messages[3]);
    EXPECT_EQ("Please enter no more than 10 characters.", TestApp().m_messages[4]);
    EXPECT_EQ(100, dlg.m_number);
    EXPECT_STREQ("ten chars!", dlg.m_name);
}

TEST(Dialog, CloseCancelsAndLeavesTheMembersAlone)
{
    ExchangeDialog dlg;
    dlg.script = [](ExchangeDialog& d) {
        d.SetDlgItemText(IDC_NUMBER, "55");
        d.PostMessage(WM_CLOSE);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(7, dlg.m_number);
}

TEST(Dialog, KeysPassThroughPreTranslateMessageInTheModalLoop)
{
    ExchangeDialog dlg;
    dlg.script = [](ExchangeDialog& d) {
        HWND edit = ::GetDlgItem(d.m_hWnd, IDC_NAME);
        ::PostMessageA(edit, WM_KEYDOWN, 'A', 1);
        // Escape reaches the dialog manager, which cancels.
        ::PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 1);
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ((std::vector<UINT>{ 'A', VK_ESCAPE }), dlg.keysSeen);
}

TEST(Dialog, ModalFromMemoryTemplateEndsWithTheGivenCode)
{
    MemoryTemplate tmpl;
    MemoryDialog dlg;
    ASSERT_TRUE(dlg.InitModalIndirect(tmpl.get()));
    dlg.script = [](MemoryDialog& d) {
        EXPECT_EQ(&d, CWnd::FromHandlePermanent(d.m_hWnd));
        d.EndDialog(42);
    };
    EXPECT_EQ(42, dlg.DoModal());

    MemoryDialog okDlg;
    okDlg.InitModalIndirect(tmpl.get());
    okDlg.script = [](MemoryDialog& d) { ::PostMessageA(::GetDlgItem(d.m_hWnd, IDOK), BM_CLICK, 0, 0); };
    EXPECT_EQ(IDOK, okDlg.DoModal());
}

TEST(Dialog, DestroyingTheMainWindowEndsAModalDialogAndTheQuitGoesOn)
{
    MainWindowScope main;
    HWND mainWnd = main.m_wnd.m_hWnd;
    // A loop that never ends would hang the test: a late quit (99) ends it.
    UINT_PTR guard = ::SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { ::PostQuitMessage(99); });
    MemoryTemplate tmpl;
    MemoryDialog dlg;
    ASSERT_TRUE(dlg.InitModalIndirect(tmpl.get()));
    HWND owner = nullptr;
    dlg.script = [&owner, mainWnd](MemoryDialog& d) {
        owner = ::GetWindow(d.m_hWnd, GW_OWNER);
        // Closed from outside while disabled, as at the end of a session.
        ::PostMessageA(mainWnd, WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(-1, dlg.DoModal());
    ::KillTimer(nullptr, guard);
    EXPECT_EQ(mainWnd, owner);
    EXPECT_FALSE(::IsWindow(mainWnd));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, TestApp().m_pMainWnd);
    // The quit that ended the dialog is there for the application's loop.
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, msg.wParam);
}

TEST(Dialog, ModelessDialogsAreBoundAndInitialised)
{
    ExchangeDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_EXCHANGE));
    EXPECT_EQ(&dlg, CWnd::FromHandlePermanent(dlg.m_hWnd));
    EXPECT_EQ("7", dlg.Text(IDC_NUMBER));
    dlg.SetDlgItemText(IDC_NUMBER, "9");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(9, dlg.m_number);
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(nullptr, dlg.m_hWnd);

    MemoryTemplate tmpl;
    MemoryDialog mem;
    ASSERT_TRUE(mem.CreateIndirect(tmpl.get()));
    EXPECT_EQ(&mem, CWnd::FromHandlePermanent(mem.m_hWnd));
    EXPECT_NE(nullptr, ::GetDlgItem(mem.m_hWnd, IDOK));
    PumpPending();
}

TEST(Dialog, MissingTemplateFailsWithMinusOne)
{
    CDialog dlg(9999);
    EXPECT_EQ(-1, dlg.DoModal());
}
