// The dispatcher on plain objects, no window: every kind of entry reaches its
// handler with the arguments unpacked from the message.
#include <gtest/gtest.h>

#include "afx/CmdUI.h"
#include "afx/Wnd.h"

#include <string>
#include <vector>

namespace {

const UINT ID_ALPHA = 100;
const UINT ID_BETA = 101;
const UINT ID_RANGE_FIRST = 200;
const UINT ID_RANGE_LAST = 209;
const UINT ID_EX = 300;
const UINT ID_LIST = 400;
const UINT ID_DISABLED = 500;
const int CODE_HIGH_BITS = 0x0001FFFE;   // same low word as NM_CLICK (-2), different code

class BaseTarget : public CCmdTarget
{
public:
    std::vector<std::string> calls;
    UINT lastId = 0;

    void OnAlpha() { calls.push_back("base alpha"); }
    void OnBeta() { calls.push_back("base beta"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseTarget, CCmdTarget)
    ON_COMMAND(ID_ALPHA, &BaseTarget::OnAlpha)
    ON_COMMAND(ID_BETA, &BaseTarget::OnBeta)
END_MESSAGE_MAP()

class DerivedTarget : public BaseTarget
{
public:
    BOOL exResult = FALSE;
    LRESULT notifyResult = 0;

    void OnAlphaDerived() { calls.push_back("derived alpha"); }
    void OnRange(UINT id) { calls.push_back("range"); lastId = id; }
    BOOL OnEx(UINT id) { calls.push_back("ex"); lastId = id; return exResult; }
    void OnUpdateAlpha(CCmdUI* ui) { calls.push_back("update alpha"); ui->Enable(FALSE); }
    void OnUpdateBeta(CCmdUI* ui) { calls.push_back("update beta"); ui->ContinueRouting(); }
    void OnClick(NMHDR* header, LRESULT* result) { calls.push_back("click"); lastId = static_cast<UINT>(header->idFrom); *result = 7; }
    void OnHighBits(NMHDR*, LRESULT*) { calls.push_back("high bits"); }
    void OnRangeNotify(UINT id, NMHDR*, LRESULT*) { calls.push_back("range notify"); lastId = id; }
    void OnChange() { calls.push_back("change"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedTarget, BaseTarget)
    ON_COMMAND(ID_ALPHA, &DerivedTarget::OnAlphaDerived)
    ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, &DerivedTarget::OnRange)
    ON_COMMAND_EX(ID_EX, &DerivedTarget::OnEx)
    ON_UPDATE_COMMAND_UI(ID_ALPHA, &DerivedTarget::OnUpdateAlpha)
    ON_UPDATE_COMMAND_UI(ID_BETA, &DerivedTarget::OnUpdateBeta)
    ON_NOTIFY(NM_CLICK, ID_LIST, &DerivedTarget::OnClick)
    ON_NOTIFY(CODE_HIGH_BITS, ID_LIST + 1, &DerivedTarget::OnHighBits)
    ON_NOTIFY_RANGE(NM_DBLCLK, ID_RANGE_FIRST, ID_RANGE_LAST, &DerivedTarget::OnRangeNotify)
    ON_EN_CHANGE(ID_LIST, &DerivedTarget::OnChange)
END_MESSAGE_MAP()

// Records what update handlers do, as a menu item or control would show it.
class RecordingCmdUI : public CCmdUI
{
public:
    BOOL enabled = TRUE;
    void Enable(BOOL on) override { enabled = on; m_bEnableChanged = TRUE; }
};

BOOL Notify(CCmdTarget& target, UINT id, int code, LRESULT* result)
{
    NMHDR header = { nullptr, id, static_cast<UINT>(code) };
    AFX_NOTIFY notify = { result, &header };
    return target.OnCmdMsg(id, MAKELONG(LOWORD(code), WM_NOTIFY), &notify, nullptr);
}

} // namespace

TEST(MessageMap, CommandsReachTheMostDerivedHandlerAndChainToTheBase)
{
    DerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(ID_ALPHA, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(target.OnCmdMsg(ID_BETA, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(999, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ((std::vector<std::string>{ "derived alpha", "base beta" }), target.calls);
}

TEST(MessageMap, RangesGiveTheIdAndEndsAreInclusive)
{
    DerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(ID_RANGE_FIRST, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(ID_RANGE_FIRST, target.lastId);
    EXPECT_TRUE(target.OnCmdMsg(ID_RANGE_LAST, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(ID_RANGE_LAST, target.lastId);
    EXPECT_FALSE(target.OnCmdMsg(ID_RANGE_LAST + 1, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(ID_RANGE_FIRST - 1, CN_COMMAND, nullptr, nullptr));
}

TEST(MessageMap, ExtendedHandlersDecideWhetherTheCommandIsTaken)
{
    DerivedTarget target;
    target.exResult = FALSE;
    EXPECT_FALSE(target.OnCmdMsg(ID_EX, CN_COMMAND, nullptr, nullptr));
    target.exResult = TRUE;
    EXPECT_TRUE(target.OnCmdMsg(ID_EX, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(ID_EX, target.lastId);
}

TEST(MessageMap, UpdateHandlersAndContinueRouting)
{
    DerivedTarget target;
    RecordingCmdUI ui;
    ui.m_nID = ID_ALPHA;
    EXPECT_TRUE(ui.DoUpdate(&target, TRUE));
    EXPECT_FALSE(ui.enabled);

    // A handler that passes the update on counts as not handled.
    RecordingCmdUI beta;
    beta.m_nID = ID_BETA;
    EXPECT_FALSE(target.OnCmdMsg(ID_BETA, static_cast<int>(CN_UPDATE_COMMAND_UI), &beta, nullptr));

    // No update handler: enabled when a command handler exists, else disabled.
    RecordingCmdUI range;
    range.m_nID = ID_RANGE_FIRST + 3;
    range.DoUpdate(&target, TRUE);
    EXPECT_TRUE(range.enabled);
    RecordingCmdUI nobody;
    nobody.m_nID = 999;
    nobody.DoUpdate(&target, TRUE);
    EXPECT_FALSE(nobody.enabled);
    // Asking for the handler does not run it.
    EXPECT_EQ(std::vector<std::string>({ "update alpha", "update beta" }), target.calls);
}

TEST(MessageMap, NotificationCodesAreComparedAsWhole32BitValues)
{
    DerivedTarget target;
    LRESULT result = 0;
    EXPECT_TRUE(Notify(target, ID_LIST, NM_CLICK, &result));
    EXPECT_EQ(7, result);
    EXPECT_EQ(ID_LIST, target.lastId);
    // Same low word as NM_CLICK: must not reach the NM_CLICK handler.
    EXPECT_FALSE(Notify(target, ID_LIST, CODE_HIGH_BITS, &result));
    // ... and the entry for the high-bit code is not taken by NM_CLICK.
    EXPECT_FALSE(Notify(target, ID_LIST + 1, NM_CLICK, &result));
    EXPECT_TRUE(Notify(target, ID_LIST + 1, CODE_HIGH_BITS, &result));
    EXPECT_TRUE(Notify(target, ID_RANGE_FIRST + 2, NM_DBLCLK, &result));
    EXPECT_EQ(ID_RANGE_FIRST + 2, target.lastId);
    EXPECT_EQ((std::vector<std::string>{ "click", "high bits", "range notify" }), target.calls);
}

TEST(MessageMap, ControlCodesAreSeparateFromCommands)
{
    DerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(ID_LIST, EN_CHANGE, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(ID_LIST, EN_UPDATE, nullptr, nullptr));
    EXPECT_EQ(std::vector<std::string>{ "change" }, target.calls);
}

// ---- Window messages on a window object without a window --------------------

namespace {

UINT g_registeredMessage = ::RegisterWindowMessageA("LexifernTestWnd-Registered");

class PlainWnd : public CWnd
{
public:
    std::vector<std::string> calls;
    UINT u1 = 0, u2 = 0, u3 = 0;
    int i1 = 0, i2 = 0;
    CPoint point;
    short delta = 0;
    HBRUSH brush = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(0x1234));
    BOOL commandEnabled = TRUE;

    int OnCreate(LPCREATESTRUCT cs) { calls.push_back("create"); return cs->style == 42 ? -1 : 0; }
    void OnSize(UINT type, int cx, int cy) { calls.push_back("size"); u1 = type; i1 = cx; i2 = cy; }
    void OnMove(int x, int y) { calls.push_back("move"); i1 = x; i2 = y; }
    void OnLButtonDown(UINT flags, CPoint pt) { calls.push_back("lbutton"); u1 = flags; point = pt; }
    BOOL OnMouseWheel(UINT flags, short zDelta, CPoint pt) { calls.push_back("wheel"); u1 = flags; delta = zDelta; point = pt; return TRUE; }
    void OnKeyDown(UINT ch, UINT rep, UINT flags) { calls.push_back("key"); u1 = ch; u2 = rep; u3 = flags; }
    void OnTimer(UINT_PTR id) { calls.push_back("timer"); u1 = static_cast<UINT>(id); }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT type) { calls.push_back("ctlcolor"); u1 = type; return brush; }
    LRESULT OnPrivate(WPARAM w, LPARAM l) { calls.push_back("private"); return static_cast<LRESULT>(w + l); }
    LRESULT OnRegistered(WPARAM w, LPARAM) { calls.push_back("registered"); return static_cast<LRESULT>(w * 2); }
    void OnMenuCommand() { calls.push_back("menu command"); }
    void OnUpdateMenuCommand(CCmdUI* ui) { ui->Enable(commandEnabled); }
    void OnEditChange() { calls.push_back("edit change"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PlainWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_TIMER()
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_USER + 5, &PlainWnd::OnPrivate)
    ON_REGISTERED_MESSAGE(g_registeredMessage, &PlainWnd::OnRegistered)
    ON_COMMAND(ID_ALPHA, &PlainWnd::OnMenuCommand)
    ON_UPDATE_COMMAND_UI(ID_ALPHA, &PlainWnd::OnUpdateMenuCommand)
    ON_EN_CHANGE(ID_BETA, &PlainWnd::OnEditChange)
END_MESSAGE_MAP()

} // namespace

TEST(MessageMap, WindowMessagesAreUnpackedByTheirSignature)
{
    PlainWnd wnd;
    LRESULT result = -99;
    EXPECT_TRUE(wnd.OnWndMsg(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480), &result));
    EXPECT_EQ(static_cast<UINT>(SIZE_MAXIMIZED), wnd.u1);
    EXPECT_EQ(640, wnd.i1);
    EXPECT_EQ(480, wnd.i2);
    EXPECT_EQ(0, result);

    // Positions are signed words.
    EXPECT_TRUE(wnd.OnWndMsg(WM_MOVE, 0, MAKELPARAM(-5, -7), &result));
    EXPECT_EQ(-5, wnd.i1);
    EXPECT_EQ(-7, wnd.i2);
    EXPECT_TRUE(wnd.OnWndMsg(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-3, 12), &result));
    EXPECT_EQ(static_cast<UINT>(MK_LBUTTON | MK_SHIFT), wnd.u1);
    EXPECT_EQ(CPoint(-3, 12), wnd.point);

    EXPECT_TRUE(wnd.OnWndMsg(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-120)), MAKELPARAM(300, 200), &result));
    EXPECT_EQ(static_cast<UINT>(MK_CONTROL), wnd.u1);
    EXPECT_EQ(-120, wnd.delta);
    EXPECT_EQ(CPoint(300, 200), wnd.point);
    EXPECT_EQ(TRUE, result);

    EXPECT_TRUE(wnd.OnWndMsg(WM_KEYDOWN, VK_F5, MAKELPARAM(3, 0x3F), &result));
    EXPECT_EQ(static_cast<UINT>(VK_F5), wnd.u1);
    EXPECT_EQ(3u, wnd.u2);
    EXPECT_EQ(0x3Fu, wnd.u3);

    EXPECT_TRUE(wnd.OnWndMsg(WM_TIMER, 17, 0, &result));
    EXPECT_EQ(17u, wnd.u1);

    CREATESTRUCTA cs = {};
    cs.style = 42;
    EXPECT_TRUE(wnd.OnWndMsg(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs), &result));
    EXPECT_EQ(-1, result);

    EXPECT_FALSE(wnd.OnWndMsg(WM_PAINT, 0, 0, &result));
}

TEST(MessageMap, EveryColourMessageGoesToTheOneEntryWithItsType)
{
    PlainWnd wnd;
    LRESULT result = 0;
    EXPECT_TRUE(wnd.OnWndMsg(WM_CTLCOLORSTATIC, 0, 0, &result));
    EXPECT_EQ(static_cast<UINT>(CTLCOLOR_STATIC), wnd.u1);
    EXPECT_EQ(reinterpret_cast<LRESULT>(wnd.brush), result);
    EXPECT_TRUE(wnd.OnWndMsg(WM_CTLCOLOREDIT, 0, 0, &result));
    EXPECT_EQ(static_cast<UINT>(CTLCOLOR_EDIT), wnd.u1);
}

TEST(MessageMap, PrivateAndRegisteredMessages)
{
    PlainWnd wnd;
    LRESULT result = 0;
    EXPECT_TRUE(wnd.OnWndMsg(WM_USER + 5, 3, 4, &result));
    EXPECT_EQ(7, result);
    EXPECT_FALSE(wnd.OnWndMsg(WM_USER + 6, 3, 4, &result));
    ASSERT_NE(0u, g_registeredMessage);
    EXPECT_TRUE(wnd.OnWndMsg(g_registeredMessage, 21, 0, &result));
    EXPECT_EQ(42, result);
    EXPECT_FALSE(wnd.OnWndMsg(g_registeredMessage + 1, 21, 0, &result));
}

TEST(MessageMap, MenuCommandsRunOnlyWhileTheirItemIsEnabled)
{
    PlainWnd wnd;
    LRESULT result = 0;
    EXPECT_TRUE(wnd.OnWndMsg(WM_COMMAND, MAKEWPARAM(ID_ALPHA, 0), 0, &result));
    wnd.commandEnabled = FALSE;
    // An accelerator of a disabled command is swallowed, not executed.
    EXPECT_TRUE(wnd.OnWndMsg(WM_COMMAND, MAKEWPARAM(ID_ALPHA, 1), 0, &result));
    EXPECT_EQ(std::vector<std::string>{ "menu command" }, wnd.calls);
}
