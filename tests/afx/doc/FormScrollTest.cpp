// A form view smaller than its template scrolls as a scroll view: bars, the
// controls moved with the position, and the position kept inside the form.
#include <gtest/gtest.h>

#include "TestIds.h"

#include "afx/View.h"

namespace {

class CScrollingForm : public CFormView
{
public:
    CScrollingForm() : CFormView(IDD_TEST_FORM) {}
};

CPoint EditOrigin(CWnd* view)
{
    CRect edit;
    ::GetWindowRect(::GetDlgItem(view->m_hWnd, IDC_TEST_EDIT), &edit);
    view->ScreenToClient(&edit);
    return edit.TopLeft();
}

} // namespace

TEST(FormViewScrolling, SmallerThanItsTemplateItScrollsItsControls)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP, 0, 0, 500, 400, nullptr, nullptr));
    CScrollingForm* form = new CScrollingForm;   // views go with their windows
    ASSERT_TRUE(form->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 60), &host, AFX_IDW_PANE_FIRST));
    const CSize total = form->GetTotalSize();
    EXPECT_GT(total.cx, 120);
    EXPECT_GT(total.cy, 60);
    EXPECT_TRUE(form->GetStyle() & WS_VSCROLL);
    EXPECT_TRUE(form->GetStyle() & WS_HSCROLL);

    const CPoint start = EditOrigin(form);
    EXPECT_FALSE(form->OnScroll(MAKEWORD(0xFF, SB_LINEUP), 0, FALSE));
    EXPECT_TRUE(form->OnScroll(MAKEWORD(0xFF, SB_LINEDOWN), 0, FALSE));
    EXPECT_EQ(start, EditOrigin(form));

    form->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    const int moved = form->GetScrollPosition().y;
    EXPECT_GT(moved, 0);
    EXPECT_EQ(start.y - moved, EditOrigin(form).y);
    form->SendMessage(WM_HSCROLL, SB_RIGHT);
    CRect client;
    form->GetClientRect(&client);
    EXPECT_EQ(total.cx - client.Width(), form->GetScrollPosition().x);
    EXPECT_EQ(start.x - (total.cx - client.Width()), EditOrigin(form).x);

    // Grown to the template's size, the form has no bars and sits at the start.
    form->MoveWindow(0, 0, total.cx + 10, total.cy + 10);
    EXPECT_FALSE(form->GetStyle() & WS_VSCROLL);
    EXPECT_EQ(CPoint(0, 0), form->GetScrollPosition());
    EXPECT_EQ(start, EditOrigin(form));
    host.DestroyWindow();
}
