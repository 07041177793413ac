#include "framework/views/AutoRichEditCtrl.h"

#include "afx/CmdUI.h"
#include "afx/OleInit.h"
#include "framework/util/ClipboardFunctions.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const char Privet[] = "\xcf\xf0\xe8\xe2\xe5\xf2";   // a Cyrillic word in code page 1251

// Records what an update handler says of one command.
class RecordingCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        enabled = bOn;
        m_bEnableChanged = TRUE;
    }
    BOOL enabled = -1;
};

class RichEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxInitRichEdit2());
        parent.m_hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                                          nullptr);
        ASSERT_NE(nullptr, parent.m_hWnd);
        ASSERT_TRUE(edit.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 300, 200), &parent, 100));
        PlainDefaultFormat(edit);
    }
    // The system's default face may be a bold one: the tests start from plain text.
    static void PlainDefaultFormat(CAutoRichEditCtrl& control)
    {
        CHARFORMAT format = {};
        format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_FACE;
        lstrcpyA(format.szFaceName, "Tahoma");
        control.SetDefaultCharFormat(format);
    }
    void TearDown() override
    {
        ::DestroyWindow(parent.m_hWnd);
        parent.m_hWnd = nullptr;
    }

    // The enabled state the control's own handler gives each edit command.
    std::map<UINT, BOOL> States()
    {
        std::map<UINT, BOOL> states;
        for (UINT id : { ID_RICHEDIT_UNDO, ID_RICHEDIT_CUT, ID_RICHEDIT_COPY, ID_RICHEDIT_PASTE, ID_RICHEDIT_DELETE,
                         ID_RICHEDIT_SELECT_ALL }) {
            RecordingCmdUI state;
            state.m_nID = id;
            state.DoUpdate(&edit, FALSE);
            states[id] = state.enabled;
        }
        return states;
    }
    void Command(UINT id) { edit.SendMessage(WM_COMMAND, id, 0); }
    CString Text()
    {
        CString text;
        edit.GetWindowText(text);
        return text;
    }

    CWnd parent;
    CAutoRichEditCtrl edit;
};

void ClearClipboard()
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
}

} // namespace

TEST_F(RichEditTest, RtfRoundTripKeepsCyrillicTextAndFormatting)
{
    edit.SetWindowText(CString(Privet) + " world");
    edit.SetSel(0, 6);
    edit.SetSelectionBold();
    const CString rtf = edit.GetRTF();
    EXPECT_EQ(0, rtf.Find("{\\rtf"));
    EXPECT_GE(rtf.Find("\\'cf\\'f0"), 0);

    CAutoRichEditCtrl copy;
    ASSERT_TRUE(copy.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 300, 200), &parent, 101));
    PlainDefaultFormat(copy);
    copy.SetRTF(rtf);
    CString text;
    copy.GetWindowText(text);
    EXPECT_EQ(CString(Privet) + " world", text);
    copy.SetSel(0, 6);
    EXPECT_TRUE(copy.SelectionIsBold());
    copy.SetSel(7, 12);
    EXPECT_FALSE(copy.SelectionIsBold());
}

TEST_F(RichEditTest, RtfLongerThanOneStreamPieceComesInWhole)
{
    CString body;
    for (int i = 0; i < 3000; ++i)
        body += "\\'e0bc ";
    edit.SetRTF("{\\rtf1\\ansi\\ansicpg1251 " + body + "end}");
    const CString text = Text();
    EXPECT_EQ(3000 * 4 + 3, text.GetLength());
    EXPECT_EQ("end", text.Right(3));
    EXPECT_EQ(CString("\xe0" "bc \xe0"), text.Left(5));
}

TEST_F(RichEditTest, EditMenuEnableRules)
{
    std::map<UINT, BOOL> states = States();
    EXPECT_FALSE(states[ID_RICHEDIT_UNDO]);
    EXPECT_FALSE(states[ID_RICHEDIT_CUT]);
    EXPECT_FALSE(states[ID_RICHEDIT_COPY]);
    EXPECT_TRUE(states[ID_RICHEDIT_PASTE]);
    EXPECT_FALSE(states[ID_RICHEDIT_DELETE]);
    EXPECT_FALSE(states[ID_RICHEDIT_SELECT_ALL]);

    // Text without a selection: only what works on the whole text.
    edit.SetWindowText("abc");
    edit.SetSel(1, 1);
    states = States();
    EXPECT_FALSE(states[ID_RICHEDIT_CUT]);
    EXPECT_FALSE(states[ID_RICHEDIT_COPY]);
    EXPECT_TRUE(states[ID_RICHEDIT_DELETE]);
    EXPECT_TRUE(states[ID_RICHEDIT_SELECT_ALL]);

    // A selection and an edit that can be undone.
    edit.SetSel(0, 1);
    edit.ReplaceSel("x", TRUE);
    edit.SetSel(0, 2);
    states = States();
    EXPECT_TRUE(states[ID_RICHEDIT_UNDO]);
    EXPECT_TRUE(states[ID_RICHEDIT_CUT]);
    EXPECT_TRUE(states[ID_RICHEDIT_COPY]);
}

TEST_F(RichEditTest, TheMenuItemsFollowTheRulesWhenThePopupOpens)
{
    edit.SetWindowText("abc");
    edit.SetSel(0, 0);
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_RICHEDIT));
    ASSERT_NE(nullptr, menu);
    HMENU popup = ::GetSubMenu(menu, 0);
    ASSERT_EQ(8, ::GetMenuItemCount(popup));
    edit.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    auto grayed = [&](UINT id) { return (::GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_TRUE(grayed(ID_RICHEDIT_UNDO));
    EXPECT_TRUE(grayed(ID_RICHEDIT_CUT));
    EXPECT_TRUE(grayed(ID_RICHEDIT_COPY));
    EXPECT_FALSE(grayed(ID_RICHEDIT_PASTE));
    EXPECT_FALSE(grayed(ID_RICHEDIT_DELETE));
    EXPECT_FALSE(grayed(ID_RICHEDIT_SELECT_ALL));
    ::DestroyMenu(menu);
}

namespace {
// Notes the grayed items when the right-click menu opens, and closes it at once.
class WatchedRichEdit : public CAutoRichEditCtrl
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_INITMENUPOPUP)
            return CAutoRichEditCtrl::WindowProc(message, wParam, lParam);
        const LRESULT result = CAutoRichEditCtrl::WindowProc(message, wParam, lParam);
        HMENU popup = reinterpret_cast<HMENU>(wParam);
        ++opened;
        items = ::GetMenuItemCount(popup);
        pasteGrayed = (::GetMenuState(popup, ID_RICHEDIT_PASTE, MF_BYCOMMAND) & MF_GRAYED) != 0;
        copyGrayed = (::GetMenuState(popup, ID_RICHEDIT_COPY, MF_BYCOMMAND) & MF_GRAYED) != 0;
        ::EndMenu();
        return result;
    }
    int opened = 0;
    int items = 0;
    bool pasteGrayed = true;
    bool copyGrayed = false;
};
} // namespace

TEST_F(RichEditTest, RightClickOpensTheEditMenuWithTheControlAsTarget)
{
    WatchedRichEdit watched;
    ASSERT_TRUE(watched.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 300, 200), &parent, 102));
    parent.ShowWindow(SW_SHOW);
    parent.SetForegroundWindow();
    watched.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(watched.GetSafeHwnd()), MAKELPARAM(40, 40));
    EXPECT_EQ(1, watched.opened);
    EXPECT_EQ(8, watched.items);
    EXPECT_FALSE(watched.pasteGrayed);
    EXPECT_TRUE(watched.copyGrayed);
}

TEST_F(RichEditTest, SelectAllTakesTheLastCharacterToo)
{
    edit.SetWindowText("abc");
    Command(ID_RICHEDIT_SELECT_ALL);
    EXPECT_EQ("abc", edit.GetSelText());
}

TEST_F(RichEditTest, PasteReplacesTheWholeTextAndAnEmptyClipboardKeepsIt)
{
    edit.SetWindowText("kept");
    ClearClipboard();
    Command(ID_RICHEDIT_PASTE);
    EXPECT_EQ("kept", Text());

    ASSERT_TRUE(SetClipboardText(Privet));
    edit.SetSel(1, 1);
    Command(ID_RICHEDIT_PASTE);
    EXPECT_EQ(CString(Privet), Text());

    // Cut takes the selection to the clipboard; Delete drops it.
    edit.SetWindowText("one two");
    edit.SetSel(0, 4);
    Command(ID_RICHEDIT_CUT);
    EXPECT_EQ("two", Text());
    CString clip;
    ASSERT_TRUE(GetClipboardText(clip));
    EXPECT_EQ("one ", clip);
    edit.SetSel(0, 1);
    Command(ID_RICHEDIT_DELETE);
    EXPECT_EQ("wo", Text());
    ClearClipboard();
}

TEST_F(RichEditTest, ToggledEffectsBecomeUniform)
{
    edit.SetWindowText("bold plain");
    edit.SetSel(0, 4);
    edit.SetSelectionBold();
    edit.SetSel(0, 10);   // partly bold
    edit.SetSelectionBold();
    EXPECT_TRUE(edit.SelectionIsBold());
    edit.SetSel(5, 10);
    EXPECT_TRUE(edit.SelectionIsBold());
    edit.SetSel(0, 10);
    edit.SetSelectionBold();
    EXPECT_FALSE(edit.SelectionIsBold());

    edit.SetSelectionItalic();
    edit.SetSelectionUnderlined();
    EXPECT_TRUE(edit.SelectionIsItalic());
    EXPECT_TRUE(edit.SelectionIsUnderlined());
    edit.SetSelectionItalic();
    EXPECT_FALSE(edit.SelectionIsItalic());
    EXPECT_TRUE(edit.SelectionIsUnderlined());
}

TEST_F(RichEditTest, FontColourAndParagraphFormats)
{
    edit.SetWindowText("some text");
    edit.SetSel(0, 4);
    edit.SetFontName("Abcdefghijklmnopqrstuvwxyz0123456789XYZ");
    EXPECT_EQ("Abcdefghijklmnopqrstuvwxyz01234", edit.GetFontName());   // 31 characters

    edit.SetFontSize(14);
    CHARFORMAT format = {};
    edit.GetSelectionCharFormat(format);
    EXPECT_EQ(280, format.yHeight);

    edit.SetColour(RGB(200, 10, 20));
    edit.GetSelectionCharFormat(format);
    EXPECT_EQ(RGB(200, 10, 20), format.crTextColor);
    EXPECT_EQ(0u, format.dwEffects & CFE_AUTOCOLOR);

    EXPECT_TRUE(edit.ParagraphIsLeft());
    edit.SetParagraphCenter();
    EXPECT_TRUE(edit.ParagraphIsCentered());
    EXPECT_FALSE(edit.ParagraphIsLeft());
    edit.SetParagraphRight();
    EXPECT_TRUE(edit.ParagraphIsRight());
    edit.SetParagraphLeft();
    EXPECT_TRUE(edit.ParagraphIsLeft());

    EXPECT_FALSE(edit.ParagraphIsBulleted());
    edit.SetParagraphBulleted();
    EXPECT_TRUE(edit.ParagraphIsBulleted());
    edit.SetParagraphBulleted();
    EXPECT_FALSE(edit.ParagraphIsBulleted());
}

TEST_F(RichEditTest, FontListKeepsOnlyTrueTypeFaces)
{
    LOGFONTA font = {};
    lstrcpyA(font.lfFaceName, "Vector");
    CAutoRichEditCtrl::EnumFontFamProc(&font, nullptr, RASTER_FONTTYPE, reinterpret_cast<LPARAM>(&edit));
    lstrcpyA(font.lfFaceName, "Outline");
    CAutoRichEditCtrl::EnumFontFamProc(&font, nullptr, TRUETYPE_FONTTYPE, reinterpret_cast<LPARAM>(&edit));
    ASSERT_EQ(1, edit.m_saFontList.GetSize());
    EXPECT_EQ("Outline", edit.m_saFontList[0]);
}
