// The thin toolbar base: creation always aligns the bar to the top and keeps
// the other bar styles; the style setter switches the tooltips and reports
// only real changes.
#include "toolkit/lists/shell/MFCToolBar.h"

#include "afx/WinApp.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {
const UINT BarId = 1611;

class RecordingToolBar : public CMFCToolBar
{
public:
    std::vector<std::pair<DWORD, DWORD>> changes;

protected:
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override
    {
        changes.emplace_back(dwOldStyle, dwNewStyle);
        CMFCToolBar::OnBarStyleChange(dwOldStyle, dwNewStyle);
    }
};

BOOL HasToolTips(const CWnd& wnd)
{
    return ::GetPropA(wnd.m_hWnd, "AfxToolTips") != nullptr;
}

class MFCToolBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 350)));
    }
    void TearDown() override
    {
        if (bar.m_hWnd)
            bar.DestroyWindow();
        parent.DestroyWindow();
    }

    CTestFrame parent;
    RecordingToolBar bar;
};
} // namespace

TEST_F(MFCToolBarTest, CreationReplacesEveryAlignmentByTopAndKeepsTheRest)
{
    ASSERT_TRUE(bar.CreateEx(&parent, TBSTYLE_FLAT,
                             WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT | CBRS_ALIGN_BOTTOM |
                                 CBRS_TOOLTIPS | CBRS_FLYBY,
                             CRect(0, 0, 0, 0), BarId));
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_TOP), bar.GetBarStyle() & CBRS_ALIGN_ANY);
    EXPECT_EQ(static_cast<DWORD>(CBRS_TOOLTIPS | CBRS_FLYBY), bar.GetBarStyle() & (CBRS_TOOLTIPS | CBRS_FLYBY));
    EXPECT_EQ(BarId, static_cast<UINT>(bar.GetDlgCtrlID()));
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_TRUE(bar.changes.empty());
}

TEST_F(MFCToolBarTest, TheDefaultCreationIsATopBarWithTheStandardId)
{
    ASSERT_TRUE(bar.CreateEx(&parent));
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_TOP), bar.GetBarStyle() & CBRS_ALIGN_ANY);
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_TOOLBAR), static_cast<UINT>(bar.GetDlgCtrlID()));
}

TEST_F(MFCToolBarTest, StyleSetterSwitchesTooltipsAndReportsOnlyChanges)
{
    ASSERT_TRUE(bar.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0), BarId));
    const DWORD start = bar.GetBarStyle();
    EXPECT_FALSE(HasToolTips(bar));

    bar.SetBarStyle(start | CBRS_TOOLTIPS);
    EXPECT_TRUE(HasToolTips(bar));
    EXPECT_NE(0, bar.GetStyle() & TBSTYLE_TOOLTIPS);
    ASSERT_EQ(1u, bar.changes.size());
    EXPECT_EQ(start, bar.changes[0].first);
    EXPECT_EQ(start | CBRS_TOOLTIPS, bar.changes[0].second);

    // The same style again changes nothing and reports nothing.
    bar.SetBarStyle(start | CBRS_TOOLTIPS);
    EXPECT_EQ(1u, bar.changes.size());
    EXPECT_TRUE(HasToolTips(bar));

    bar.SetBarStyle(start);
    EXPECT_FALSE(HasToolTips(bar));
    EXPECT_EQ(0, bar.GetStyle() & TBSTYLE_TOOLTIPS);
    ASSERT_EQ(2u, bar.changes.size());
    EXPECT_EQ(start, bar.GetBarStyle());
}

TEST_F(MFCToolBarTest, IsAToolBarByRunTimeClass)
{
    CObject* object = &bar;
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CMFCToolBar)));
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CToolBar)));
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CControlBar)));
    EXPECT_STREQ("CMFCToolBar", object->GetRuntimeClass()->m_lpszClassName);
}

// The history combo's use: created with new, styled, loaded, then destroyed
// and deleted; a missing resource leaves a bar without buttons.
TEST_F(MFCToolBarTest, AHeapBarWithoutItsResourceStillWorks)
{
    auto* heapBar = new CMFCToolBar;
    ASSERT_TRUE(heapBar->CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
    heapBar->SetBarStyle(heapBar->GetBarStyle() | 0xA000);
    EXPECT_FALSE(heapBar->LoadToolBar(65000u));
    EXPECT_EQ(0, heapBar->GetCount());
    heapBar->SetOwner(&parent);
    EXPECT_TRUE(heapBar->DestroyWindow());
    delete heapBar;
}
