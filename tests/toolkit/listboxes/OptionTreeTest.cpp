// The option tree: runs of radio buttons, clicks and the space bar,
// disabled options, the dark background and the states in the profile.
#include "toolkit/lists/tree/OXOptionTreeCtrl.h"

#include "afx/WinApp.h"
#include "tests/toolkit/listboxes/SpyHook.h"
#include "tests/toolkit/support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const UINT TreeId = 1901;

class OptionTreeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        AfxGetApp()->SetRegistryKey("LexifernTests");
        ASSERT_TRUE(parent.CreateFrame(CRect(50, 50, 450, 450)));
        spy.onMessage = [this](UINT message, WPARAM, LPARAM lParam, LRESULT*) {
            if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == OTN_OPTIONCHANGED) {
                const NMOPTIONTREE* nm = reinterpret_cast<const NMOPTIONTREE*>(lParam);
                changes.push_back(std::to_string(nm->nID) + ":" + std::to_string(nm->nOldCheck) + "->" +
                                  std::to_string(nm->nNewCheck));
            }
            return false;
        };
        spy.HookWindow(&parent);
    }
    void TearDown() override
    {
        spy.UnhookWindow();
        tree.DestroyWindow();
        parent.DestroyWindow();
    }
    void Build(DWORD extra = 0)
    {
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES | extra, CRect(10, 10, 300, 380), &parent, TreeId));
        HTREEITEM a = tree.AddGroup("Group A");
        tree.AddCheckBox(1, "Check one", a, 1);
        tree.AddRadioButton(11, "Radio 11", a);
        tree.AddRadioButton(12, "Radio 12", a, 1);
        tree.AddRadioButton(13, "Radio 13", a);
        tree.AddCheckBox(2, "Check two", a);
        tree.AddRadioButton(14, "Radio 14", a, 1);
        tree.AddCheckBox(3, "Disabled", a, 0, TVI_LAST, TRUE);
        HTREEITEM b = tree.AddGroup("Group B");
        tree.AddRadioButton(21, "Radio 21", b, 1);
        tree.AddRadioButton(22, "Radio 22", b);
    }
    // A click on the option's text or image, as the mouse would make it.
    void Click(int id, bool onImage = false)
    {
        CRect label;
        ASSERT_TRUE(tree.GetItemRect(tree.GetItemFromID(id), &label, TRUE));
        CPoint point = onImage ? CPoint(label.left - 8, label.CenterPoint().y) : label.CenterPoint();
        tree.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        PumpFor(30);
    }

    CTestFrame parent;
    CSpyHook spy;
    COXOptionTreeCtrl tree;
    std::vector<std::string> changes;
};
} // namespace

TEST(OptionTreeColourTest, DarkBelowThreeHundred)
{
    EXPECT_TRUE(COXOptionTreeCtrl::IsDarkColor(RGB(100, 100, 99)));
    EXPECT_FALSE(COXOptionTreeCtrl::IsDarkColor(RGB(100, 100, 100)));
}

TEST_F(OptionTreeTest, IdsAndStates)
{
    Build();
    EXPECT_EQ(nullptr, tree.AddCheckBox(1, "again"));
    EXPECT_EQ(nullptr, tree.AddCheckBox(0, "zero"));
    EXPECT_EQ(1, tree.IsChecked(1));
    EXPECT_EQ(0, tree.IsChecked(11));
    EXPECT_EQ(-1, tree.IsChecked(99));
    EXPECT_EQ(0, tree.SetCheck(99, 1));
    EXPECT_EQ(12, tree.GetCheckedRadioButton(11, 13));
    EXPECT_EQ(0, tree.GetCheckedRadioButton(13, 13));
    EXPECT_TRUE(tree.IsItemDisabled(tree.GetItemFromID(3)));
    EXPECT_EQ(-1, tree.GetItemCheck(tree.GetRootItem()));
    tree.DeleteItem(tree.GetItemFromID(2));
    EXPECT_EQ(nullptr, tree.GetItemFromID(2));
    EXPECT_TRUE(tree.AddCheckBox(2, "Check two again"));
}

TEST_F(OptionTreeTest, RadioRunsAreBrokenByCheckBoxesAndGroups)
{
    Build();
    tree.SetCheck(11, 1);
    EXPECT_EQ((std::vector<std::string>{"12:1->0", "11:0->1"}), changes);
    EXPECT_EQ(1, tree.IsChecked(14));
    EXPECT_EQ(1, tree.IsChecked(21));
    changes.clear();
    tree.SetCheck(22, 1);
    EXPECT_EQ((std::vector<std::string>{"21:1->0", "22:0->1"}), changes);
    EXPECT_EQ(1, tree.IsChecked(11));
}

TEST_F(OptionTreeTest, ClicksToggleAndASelectedRadioStays)
{
    Build();
    Click(12);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(1, tree.IsChecked(12));
    Click(13);
    EXPECT_EQ((std::vector<std::string>{"12:1->0", "13:0->1"}), changes);
    EXPECT_EQ(tree.GetItemFromID(13), tree.GetSelectedItem());
    changes.clear();
    Click(1, true);
    EXPECT_EQ((std::vector<std::string>{"1:1->0"}), changes);
}

TEST_F(OptionTreeTest, DisabledOptionIgnoresMouseAndSpaceButNotSetCheck)
{
    Build();
    Click(3);
    EXPECT_EQ(0, tree.IsChecked(3));
    tree.SelectItem(tree.GetItemFromID(3));
    tree.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    tree.SendMessage(WM_CHAR, ' ', 0);
    EXPECT_EQ(0, tree.IsChecked(3));
    EXPECT_TRUE(changes.empty());
    tree.SetCheck(3, 1);
    EXPECT_EQ(1, tree.IsChecked(3));

    // An enabled option toggles with the space bar.
    tree.SetOptionDisabled(3, FALSE);
    tree.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(0, tree.IsChecked(3));
}

TEST_F(OptionTreeTest, LabelClickEditsWhenLabelsAreEditable)
{
    Build(TVS_EDITLABELS);
    Click(2);
    EXPECT_EQ(0, tree.IsChecked(2));
    Click(2, true);
    EXPECT_EQ(1, tree.IsChecked(2));
}

TEST_F(OptionTreeTest, DarkBackgroundSwitchesImageListsAtOnce)
{
    Build();
    const HIMAGELIST light = tree.GetImageList(TVSIL_NORMAL)->GetSafeHandle();
    EXPECT_FALSE(tree.IsDarkBackground());
    tree.SetBkColor(RGB(40, 40, 40));
    EXPECT_TRUE(tree.IsDarkBackground());
    EXPECT_NE(light, tree.GetImageList(TVSIL_NORMAL)->GetSafeHandle());
    tree.SetBkColor(RGB(250, 250, 250));
    EXPECT_EQ(light, tree.GetImageList(TVSIL_NORMAL)->GetSafeHandle());
}

TEST_F(OptionTreeTest, StatesInTheProfile)
{
    Build();
    EXPECT_TRUE(tree.LoadState("OptionTreeTest", "Empty"));
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(1, tree.IsChecked(12));

    tree.SetCheck(13, 1);
    tree.SetCheck(2, 1);
    EXPECT_TRUE(tree.SaveState("OptionTreeTest", "Saved"));
    EXPECT_EQ(1u, AfxGetApp()->GetProfileInt("OptionTreeTest_Saved", "13", 9));
    tree.SetCheck(11, 1);
    tree.SetCheck(2, 0);
    changes.clear();
    EXPECT_TRUE(tree.LoadState("OptionTreeTest", "Saved"));
    EXPECT_EQ(1, tree.IsChecked(13));
    EXPECT_EQ(0, tree.IsChecked(11));
    EXPECT_EQ(1, tree.IsChecked(2));
    EXPECT_FALSE(changes.empty());
}
