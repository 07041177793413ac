// Control wrappers on real windows: list-view check boxes and texts, combo
// box search and selection, rich edit streaming of 1251 text.
#include <gtest/gtest.h>

#include <string>

#include "afx/BasicCtrls.h"
#include "afx/ListCtrl.h"
#include "afx/OleInit.h"
#include "afx/RichEditCtrl.h"

namespace {

// A hidden top-level parent for the controls under test.
class ControlHost : public ::testing::Test
{
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&init);
        m_parent.m_hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                           nullptr, nullptr);
        ASSERT_NE(nullptr, m_parent.m_hWnd);
    }
    void TearDown() override
    {
        ::DestroyWindow(m_parent.m_hWnd);   // the children go with it
        m_parent.m_hWnd = nullptr;
    }
    CWnd m_parent;
};

} // namespace

TEST_F(ControlHost, ListCtrlCheckBoxesTextsAndSelection)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), &m_parent, 100));
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(list.GetExtendedStyle() & LVS_EX_CHECKBOXES);
    EXPECT_EQ(0, list.InsertColumn(0, "\xD1\xEB\xEE\xE2\xEE", LVCFMT_LEFT, 120));   // "Слово"
    EXPECT_EQ(1, list.InsertColumn(1, "Count", LVCFMT_RIGHT, 60));
    EXPECT_EQ(2, list.GetHeaderCtrl()->GetItemCount());
    EXPECT_EQ(120, list.GetColumnWidth(0));
    EXPECT_TRUE(list.SetColumnWidth(1, 80));
    EXPECT_EQ(80, list.GetColumnWidth(1));

    const char* words[] = {"\xEA\xEB\xFE\xF7", "\xF1\xEB\xEE\xE2\xEE", "abc"};
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(i, list.InsertItem(i, words[i]));
        EXPECT_TRUE(list.SetItemText(i, 1, std::to_string(i * 10).c_str()));
        EXPECT_TRUE(list.SetItemData(i, static_cast<DWORD_PTR>(0x100000000ull + i)));   // 64-bit data survives
    }
    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_STREQ(words[1], list.GetItemText(1, 0));
    EXPECT_STREQ("20", list.GetItemText(2, 1));
    EXPECT_EQ(0x100000002ull, list.GetItemData(2));
    std::string longText(700, 'x');   // longer than any first guess of a buffer
    list.SetItemText(0, 1, longText.c_str());
    EXPECT_EQ(700, list.GetItemText(0, 1).GetLength());

    for (int i = 0; i < 3; i++)
        EXPECT_FALSE(list.GetCheck(i));
    EXPECT_TRUE(list.SetCheck(1));
    EXPECT_TRUE(list.GetCheck(1));
    EXPECT_FALSE(list.GetCheck(0));
    EXPECT_TRUE(list.SetCheck(1, FALSE));
    EXPECT_FALSE(list.GetCheck(1));

    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(2u, list.GetSelectedCount());
    POSITION pos = list.GetFirstSelectedItemPosition();
    std::string selected;
    while (pos != nullptr)
        selected += std::to_string(list.GetNextSelectedItem(pos));
    EXPECT_EQ("02", selected);
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(1, list.GetNextItem(-1, LVNI_SELECTED));   // the selection moved with the item
}

TEST_F(ControlHost, ComboBoxAddsFindsAndSelects)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWN, CRect(0, 0, 200, 200), &m_parent, 101));
    EXPECT_EQ(0, combo.AddString("\xEA\xEE\xF2"));          // "кот"
    EXPECT_EQ(1, combo.AddString("\xEA\xEE\xF2\xE5\xED\xEE\xEA"));   // "котенок"
    EXPECT_EQ(2, combo.AddString("dog"));
    EXPECT_EQ(3, combo.GetCount());
    EXPECT_EQ(0, combo.FindString(-1, "\xEA\xEE"));           // "ко": a prefix
    EXPECT_EQ(1, combo.FindString(0, "\xEA\xEE"));            // starts after item 0
    EXPECT_EQ(1, combo.FindStringExact(-1, "\xEA\xEE\xF2\xE5\xED\xEE\xEA"));
    EXPECT_EQ(CB_ERR, combo.FindStringExact(-1, "do"));
    EXPECT_EQ(CB_ERR, combo.GetCurSel());
    EXPECT_EQ(2, combo.SelectString(-1, "DO"));
    EXPECT_EQ(2, combo.GetCurSel());
    CString text;
    combo.GetLBText(1, text);
    EXPECT_STREQ("\xEA\xEE\xF2\xE5\xED\xEE\xEA", text);
    combo.GetLBText(9, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(0, combo.SetCurSel(0));
    EXPECT_EQ(2, combo.DeleteString(2));
    EXPECT_EQ(0, combo.GetCurSel());
}

namespace {

struct Buffer
{
    std::string data;
    size_t read = 0;
};

DWORD CALLBACK ReadFromBuffer(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done)
{
    Buffer* buffer = reinterpret_cast<Buffer*>(cookie);
    LONG n = static_cast<LONG>(std::min<size_t>(count, buffer->data.size() - buffer->read));
    memcpy(bytes, buffer->data.data() + buffer->read, n);
    buffer->read += n;
    *done = n;
    return 0;
}

DWORD CALLBACK WriteToBuffer(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done)
{
    reinterpret_cast<Buffer*>(cookie)->data.append(reinterpret_cast<const char*>(bytes), count);
    *done = count;
    return 0;
}

} // namespace

TEST_F(ControlHost, RichEditStreamsCyrillicTextInAndOut)
{
    ASSERT_TRUE(AfxInitRichEdit2());
    CRichEditCtrl edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 300, 100), &m_parent, 102));

    Buffer in;
    in.data = "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 {\\b world}}";   // "Привет world"
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&in), 0, &ReadFromBuffer};
    EXPECT_EQ(12, edit.StreamIn(SF_RTF, stream));
    EXPECT_EQ(12, edit.GetTextLength());

    edit.SetSel(0, 6);
    EXPECT_STREQ("\xCF\xF0\xE8\xE2\xE5\xF2", edit.GetSelText());
    long start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(6, end);
    edit.ReplaceSel("\xC7\xE4\xF0\xE0\xE2\xF1\xF2\xE2\xF3\xE9");   // "Здравствуй"
    EXPECT_EQ(16, edit.GetTextLength());

    Buffer out;
    EDITSTREAM back = {reinterpret_cast<DWORD_PTR>(&out), 0, &WriteToBuffer};
    EXPECT_EQ(16, edit.StreamOut(SF_TEXT, back));
    EXPECT_EQ("\xC7\xE4\xF0\xE0\xE2\xF1\xF2\xE2\xF3\xE9 world", out.data);

    EXPECT_EQ(0u, edit.SetEventMask(ENM_CHANGE));
    EXPECT_EQ(static_cast<DWORD>(ENM_CHANGE), edit.GetEventMask());
    CHARFORMAT format = {};
    format.dwMask = CFM_BOLD;
    format.dwEffects = CFE_BOLD;
    EXPECT_TRUE(edit.SetDefaultCharFormat(format));
    CHARFORMAT got = {};
    edit.GetDefaultCharFormat(got);
    EXPECT_TRUE(got.dwEffects & CFE_BOLD);
}
