// List box, combo box, list and header controls: owner-draw messages reflected
// to the control's virtuals, the members that read and move their state, and
// the IP-address and extended combo boxes on real windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CtrlHost.h"
#include "afx/BasicCtrls.h"
#include "afx/ComboBoxEx.h"
#include "afx/IPAddressCtrl.h"
#include "afx/ListCtrl.h"

namespace {

const UINT IDC_TEST_LIST = 410;
const UINT IDC_TEST_COMBO = 411;
const UINT IDC_TEST_HEADER = 412;

// Items are numbers held in the item data; the list orders them by value.
template <class Base>
class CRecordingOwnerDrawn : public Base
{
public:
    explicit CRecordingOwnerDrawn(std::vector<std::string>& log) : m_log(log) {}
    int CompareItem(LPCOMPAREITEMSTRUCT cis) override
    {
        m_log.push_back("compare " + std::to_string(cis->itemData1) + "," + std::to_string(cis->itemData2));
        return cis->itemData1 < cis->itemData2 ? -1 : cis->itemData1 > cis->itemData2 ? 1 : 0;
    }
    void DeleteItem(LPDELETEITEMSTRUCT dis) override { m_log.push_back("delete " + std::to_string(dis->itemData)); }

private:
    std::vector<std::string>& m_log;
};

class CRecordingHeader : public CHeaderCtrl
{
public:
    explicit CRecordingHeader(std::vector<std::string>& log) : m_log(log) {}
    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        m_log.push_back("draw " + std::to_string(dis->itemID) + (dis->CtlType == ODT_HEADER ? " header" : ""));
    }

private:
    std::vector<std::string>& m_log;
};

using ListControlTest = ControlTest;

} // namespace

TEST_F(ListControlTest, ListBoxComparesAndDeletesItsItemsThroughReflection)
{
    CRecordingOwnerDrawn<CListBox> list(m_log);
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_OWNERDRAWFIXED | LBS_SORT, CRect(0, 0, 100, 100), &m_parent,
                            IDC_TEST_LIST));
    list.AddString(reinterpret_cast<LPCTSTR>(20));
    list.AddString(reinterpret_cast<LPCTSTR>(10));
    list.AddString(reinterpret_cast<LPCTSTR>(30));
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ(10u, list.GetItemData(0));
    EXPECT_EQ(20u, list.GetItemData(1));
    EXPECT_EQ(30u, list.GetItemData(2));
    EXPECT_FALSE(m_log.empty());
    EXPECT_EQ(0u, m_log[0].find("compare "));

    m_log.clear();
    list.DeleteString(1);
    EXPECT_EQ((std::vector<std::string>{"delete 20"}), m_log);
    list.DestroyWindow();
}

TEST_F(ListControlTest, ComboBoxComparesAndDeletesItsItemsThroughReflection)
{
    CRecordingOwnerDrawn<CComboBox> combo(m_log);
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT, CRect(0, 0, 100, 200),
                             &m_parent, IDC_TEST_COMBO));
    combo.AddString(reinterpret_cast<LPCTSTR>(7));
    combo.AddString(reinterpret_cast<LPCTSTR>(3));
    EXPECT_EQ(3u, combo.GetItemData(0));
    EXPECT_EQ(7u, combo.GetItemData(1));
    ASSERT_EQ(1u, m_log.size());
    EXPECT_EQ(0u, m_log[0].find("compare "));
    m_log.clear();
    combo.ResetContent();
    std::sort(m_log.begin(), m_log.end());
    EXPECT_EQ((std::vector<std::string>{"delete 3", "delete 7"}), m_log);
    combo.DestroyWindow();
}

TEST_F(ListControlTest, ListBoxFindsItemsByPointAndTextAndKeepsItsState)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_EXTENDEDSEL | LBS_MULTICOLUMN | WS_HSCROLL, CRect(0, 0, 200, 150),
                            &m_parent, IDC_TEST_LIST));
    list.DestroyWindow();
    // A plain single-column list for the point tests.
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_EXTENDEDSEL | WS_HSCROLL, CRect(0, 0, 200, 150), &m_parent,
                            IDC_TEST_LIST));
    list.AddString("alpha");
    list.AddString("beta");
    list.AddString("gamma");
    const int height = list.GetItemHeight(0);

    BOOL outside = TRUE;
    EXPECT_EQ(1u, list.ItemFromPoint(CPoint(5, height + height / 2), outside));
    EXPECT_FALSE(outside);
    // Below the last item: the nearest item, and the outside flag.
    EXPECT_EQ(2u, list.ItemFromPoint(CPoint(5, 140), outside));
    EXPECT_TRUE(outside);

    EXPECT_EQ(2, list.SelectString(-1, "ga"));
    EXPECT_EQ(LB_ERR, list.SelectString(-1, "zeta"));
    EXPECT_EQ(0, list.SetCaretIndex(1));
    EXPECT_EQ(1, list.GetCaretIndex());
    list.SetSel(0, TRUE);
    EXPECT_EQ(0, list.GetAnchorIndex());
    list.SetHorizontalExtent(500);
    EXPECT_EQ(500, list.GetHorizontalExtent());

    int value = 42;
    list.SetItemDataPtr(2, &value);
    EXPECT_EQ(&value, list.GetItemDataPtr(2));
    list.DestroyWindow();

    CListBox columns;
    ASSERT_TRUE(columns.Create(WS_CHILD | LBS_MULTICOLUMN, CRect(0, 0, 200, 40), &m_parent, IDC_TEST_LIST));
    for (int i = 0; i < 10; ++i)
        columns.AddString("item");
    columns.SetColumnWidth(60);
    CRect second;
    ASSERT_NE(LB_ERR, columns.GetItemRect(columns.GetCount() - 1, &second));
    EXPECT_EQ(60, second.Width());
    columns.DestroyWindow();
}

TEST_F(ListControlTest, ComboBoxDropDownGeometry)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(10, 10, 110, 200),
                             &m_parent, IDC_TEST_COMBO));
    for (int i = 0; i < 30; ++i)
        combo.AddString(("line " + std::to_string(i)).c_str());
    EXPECT_NE(CB_ERR, combo.SetDroppedWidth(180));
    EXPECT_EQ(180, combo.GetDroppedWidth());
    CRect dropped;
    combo.GetDroppedControlRect(&dropped);
    EXPECT_EQ(180, dropped.Width());
    combo.SetHorizontalExtent(300);
    EXPECT_EQ(300u, combo.GetHorizontalExtent());
    combo.DestroyWindow();
}

TEST_F(ListControlTest, ListCtrlSubItemsColoursAndLabelEditing)
{
    m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_EDITLABELS, CRect(0, 0, 300, 200), &m_parent,
                            IDC_TEST_LIST));
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    list.InsertColumn(1, "Count", LVCFMT_LEFT, 80);
    list.InsertItem(0, "first");
    list.SetItemText(0, 1, "12");
    list.InsertItem(1, "second");

    CRect cell;
    ASSERT_TRUE(list.GetSubItemRect(1, 1, LVIR_BOUNDS, cell));
    EXPECT_EQ(100, cell.left);
    EXPECT_EQ(180, cell.right);
    LVHITTESTINFO hit = {};
    hit.pt = cell.CenterPoint();
    EXPECT_EQ(1, list.SubItemHitTest(&hit));
    EXPECT_EQ(1, hit.iItem);
    EXPECT_EQ(1, hit.iSubItem);

    list.SetBkColor(RGB(1, 2, 3));
    list.SetTextColor(RGB(4, 5, 6));
    list.SetTextBkColor(RGB(7, 8, 9));
    EXPECT_EQ(RGB(1, 2, 3), list.GetBkColor());
    EXPECT_EQ(RGB(4, 5, 6), list.GetTextColor());
    EXPECT_EQ(RGB(7, 8, 9), list.GetTextBkColor());
    EXPECT_GT(list.GetStringWidth("a longer text"), list.GetStringWidth("a"));
    CRect view;
    EXPECT_TRUE(list.GetViewRect(&view));
    POINT origin = {-1, -1};
    list.GetOrigin(&origin);
    POINT position = {};
    EXPECT_TRUE(list.GetItemPosition(1, &position));
    EXPECT_GT(position.y, 0);

    list.SetFocus();
    CEdit* edit = list.EditLabel(0);
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(edit->m_hWnd, list.GetEditControl()->m_hWnd);
    list.CancelEditLabel();
    EXPECT_EQ(nullptr, list.GetEditControl());
    EXPECT_STREQ("first", list.GetItemText(0, 0));
    list.DestroyWindow();
}

TEST_F(ListControlTest, HeaderOrderHitTestLayoutAndOwnerDrawing)
{
    m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    CRecordingHeader header(m_log);
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 300, 24), &m_parent, IDC_TEST_HEADER));
    for (int i = 0; i < 3; ++i) {
        HDITEM item = {};
        item.mask = HDI_WIDTH | HDI_FORMAT;
        item.cxy = 100;
        item.fmt = HDF_OWNERDRAW;
        header.InsertItem(i, &item);
    }
    int order[3] = {2, 0, 1};
    EXPECT_TRUE(header.SetOrderArray(3, order));
    int read[3] = {};
    EXPECT_TRUE(header.GetOrderArray(read));
    EXPECT_EQ(2, read[0]);
    EXPECT_EQ(1, read[2]);
    EXPECT_EQ(2, header.OrderToIndex(0));

    HDHITTESTINFO hit = {};
    hit.pt = CPoint(150, 10);   // the middle position shows item 0
    EXPECT_EQ(0, header.HitTest(&hit));
    EXPECT_TRUE(hit.flags & HHT_ONHEADER);

    RECT bounds = {0, 0, 300, 200};
    WINDOWPOS pos = {};
    HDLAYOUT layout = {&bounds, &pos};
    EXPECT_TRUE(header.Layout(&layout));
    EXPECT_GT(pos.cy, 0);
    EXPECT_EQ(pos.cy, bounds.top);

    // The owner-drawn items are painted by the header's own class.
    m_log.clear();
    header.RedrawWindow();
    std::sort(m_log.begin(), m_log.end());
    EXPECT_EQ((std::vector<std::string>{"draw 0 header", "draw 1 header", "draw 2 header"}), m_log);
    header.DestroyWindow();
}

TEST_F(ListControlTest, IPAddressRoundTripsThroughTheControl)
{
    CIPAddressCtrl ip;
    ASSERT_TRUE(ip.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 22), &m_parent, IDC_TEST_OTHER));
    EXPECT_TRUE(ip.IsBlank());
    ip.SetAddress(192, 168, 10, 254);
    EXPECT_FALSE(ip.IsBlank());
    DWORD address = 0;
    EXPECT_EQ(4, ip.GetAddress(address));
    EXPECT_EQ(0xC0A80AFEu, address);

    ip.SetAddress(0x7F000001u);
    BYTE f0 = 0, f1 = 0, f2 = 0, f3 = 0;
    EXPECT_EQ(4, ip.GetAddress(f0, f1, f2, f3));
    EXPECT_EQ(127, f0);
    EXPECT_EQ(0, f1);
    EXPECT_EQ(1, f3);

    ip.ClearAddress();
    EXPECT_TRUE(ip.IsBlank());
    EXPECT_EQ(0, ip.GetAddress(address));

    // A field's range bounds what the user types into it.
    ip.SetFieldRange(0, 10, 20);
    ip.SetFieldFocus(0);
    HWND field = ::GetFocus();
    ASSERT_NE(nullptr, field);
    ::SetWindowTextA(field, "99");
    ::SendMessageA(field, WM_KILLFOCUS, 0, 0);
    ip.GetAddress(f0, f1, f2, f3);
    EXPECT_EQ(20, f0);
    ip.DestroyWindow();
}

TEST_F(ListControlTest, ComboBoxExItemsRoundTripAndItsInnerControlsAreReached)
{
    CComboBoxEx combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 200, 200), &m_parent,
                             IDC_TEST_COMBO));
    COMBOBOXEXITEM item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_INDENT | CBEIF_LPARAM;
    item.iItem = 0;
    item.pszText = const_cast<LPTSTR>("\xCF\xE5\xF0\xE2\xFB\xE9");   // "Первый"
    item.iImage = 3;
    item.iIndent = 2;
    item.lParam = 77;
    EXPECT_EQ(0, combo.InsertItem(&item));
    item.iItem = 1;
    item.pszText = const_cast<LPTSTR>("second");
    EXPECT_EQ(1, combo.InsertItem(&item));
    EXPECT_EQ(2, combo.GetCount());

    char text[32] = "";
    COMBOBOXEXITEM read = {};
    read.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_INDENT | CBEIF_LPARAM;
    read.iItem = 0;
    read.pszText = text;
    read.cchTextMax = sizeof text;
    ASSERT_TRUE(combo.GetItem(&read));
    EXPECT_STREQ("\xCF\xE5\xF0\xE2\xFB\xE9", text);
    EXPECT_EQ(3, read.iImage);
    EXPECT_EQ(2, read.iIndent);
    EXPECT_EQ(77, read.lParam);

    COMBOBOXEXITEM change = {};
    change.mask = CBEIF_LPARAM;
    change.iItem = 1;
    change.lParam = 5;
    EXPECT_TRUE(combo.SetItem(&change));
    read.iItem = 1;
    combo.GetItem(&read);
    EXPECT_EQ(5, read.lParam);

    ASSERT_NE(nullptr, combo.GetComboBoxCtrl());
    EXPECT_EQ(2, combo.GetComboBoxCtrl()->GetCount());
    ASSERT_NE(nullptr, combo.GetEditCtrl());
    EXPECT_EQ(combo.GetComboBoxCtrl()->m_hWnd, ::GetParent(combo.GetEditCtrl()->m_hWnd));

    combo.SetExtendedStyle(0, CBES_EX_CASESENSITIVE);
    EXPECT_EQ(static_cast<DWORD>(CBES_EX_CASESENSITIVE), combo.GetExtendedStyle() & CBES_EX_CASESENSITIVE);
    EXPECT_FALSE(combo.HasEditChanged());

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 4, 0));
    combo.SetImageList(&images);
    EXPECT_EQ(images.GetSafeHandle(), combo.GetImageList()->GetSafeHandle());

    EXPECT_EQ(1, combo.DeleteItem(0));
    EXPECT_EQ(1, combo.GetCount());
    combo.DestroyWindow();
}
