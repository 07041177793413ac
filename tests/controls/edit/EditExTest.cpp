// The extended edit: its colours reach the DC through the parent's reflected
// WM_CTLCOLOREDIT, the filter drops refused characters, fonts are owned and
// a copy takes the other control's look.
#include "controls/edit/EditEx.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

// Lets only digits through.
class DigitsOnly : public CEditExFilter
{
public:
    explicit DigitsOnly(int* pDeleted) : m_pDeleted(pDeleted) {}
    ~DigitsOnly() override { ++*m_pDeleted; }
    bool Accept(UINT nChar) override { return nChar >= '0' && nChar <= '9'; }

private:
    int* m_pDeleted;
};

class EditExWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0));
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(5, 5, 150, 30), &m_parent, 300));
    }
    void TearDown() override
    {
        m_edit.DestroyWindow();
        m_parent.DestroyWindow();
    }
    CString Text()
    {
        CString s;
        m_edit.GetWindowText(s);
        return s;
    }

    CWnd m_parent;
    CEditEx m_edit;
};

TEST_F(EditExWindow, ColoursReachTheDCThroughTheParent)
{
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), m_edit.GetBackgroundColour());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), m_edit.GetTextColour());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), m_edit.SetBackgroundColour(RGB(10, 20, 30)));
    m_edit.SetTextColour(RGB(200, 100, 50));

    HDC dc = ::CreateCompatibleDC(nullptr);
    HBRUSH brush = reinterpret_cast<HBRUSH>(
        m_parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_edit.m_hWnd)));
    EXPECT_EQ(static_cast<HBRUSH>(m_edit.backgroundBrush.GetSafeHandle()), brush);
    EXPECT_EQ(RGB(200, 100, 50), ::GetTextColor(dc));
    EXPECT_EQ(RGB(10, 20, 30), ::GetBkColor(dc));
    LOGBRUSH lb = {};
    ASSERT_TRUE(::GetObjectA(brush, sizeof lb, &lb));
    EXPECT_EQ(RGB(10, 20, 30), lb.lbColor);
    ::DeleteDC(dc);
}

TEST_F(EditExWindow, TheFilterDropsRefusedCharactersAndIsDeletedWithTheEdit)
{
    int deleted = 0;
    {
        CWnd parent;
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 100, 50), nullptr, 0));
        CEditEx edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 90, 20), &parent, 301));
        edit.characterFilter = new DigitsOnly(&deleted);
        edit.SendMessage(WM_CHAR, '4', 1);
        edit.SendMessage(WM_CHAR, 'x', 1);
        edit.SendMessage(WM_CHAR, '2', 1);
        CString text;
        edit.GetWindowText(text);
        EXPECT_STREQ("42", text);
        edit.DestroyWindow();
        parent.DestroyWindow();
    }
    EXPECT_EQ(1, deleted);
}

TEST_F(EditExWindow, FontsAreAppliedToTheWindowAndCopiedWithTheColours)
{
    m_edit.SetFontIndirect(nullptr);
    EXPECT_EQ(nullptr, m_edit.GetOwnFont());
    m_edit.SetFontByName(-20, FF_SWISS, "Arial");
    ASSERT_NE(nullptr, m_edit.GetOwnFont());
    EXPECT_EQ(m_edit.GetOwnFont()->GetSafeHandle(), reinterpret_cast<HGDIOBJ>(m_edit.SendMessage(WM_GETFONT)));
    m_edit.SetBackgroundColour(RGB(1, 2, 3));
    m_edit.SetTextColour(RGB(4, 5, 6));

    CEditEx copy;
    ASSERT_TRUE(copy.Create(WS_CHILD, CRect(0, 40, 100, 60), &m_parent, 302));
    copy = m_edit;
    EXPECT_EQ(RGB(1, 2, 3), copy.GetBackgroundColour());
    EXPECT_EQ(RGB(4, 5, 6), copy.GetTextColour());
    ASSERT_NE(nullptr, copy.GetOwnFont());
    EXPECT_NE(m_edit.GetOwnFont()->GetSafeHandle(), copy.GetOwnFont()->GetSafeHandle());
    LOGFONT lf = {};
    copy.GetOwnFont()->GetObject(sizeof lf, &lf);
    EXPECT_EQ(-20, lf.lfHeight);
    EXPECT_STREQ("Arial", lf.lfFaceName);

    HGDIOBJ before = m_edit.GetOwnFont()->GetSafeHandle();
    m_edit = m_edit;
    EXPECT_EQ(before, m_edit.GetOwnFont()->GetSafeHandle());
    EXPECT_EQ(RGB(1, 2, 3), m_edit.GetBackgroundColour());
    copy.DestroyWindow();
}

} // namespace
