// A bound top-level parent for control tests: it records, in order, the
// notifications that reach its map, next to what the controls record.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/Wnd.h"

#include <commctrl.h>

// Control ids the tests create their controls with.
enum TestCtrlId : UINT
{
    IDC_TEST_TREE = 300,
    IDC_TEST_TAB,
    IDC_TEST_CHECKLIST,
    IDC_TEST_OTHER,
};

class CRecordingParent : public CWnd
{
public:
    explicit CRecordingParent(std::vector<std::string>& log) : m_log(log) {}
    BOOL CreateHidden(DWORD style = WS_POPUP);

    std::vector<std::string>& m_log;

protected:
    afx_msg void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTabSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCheckChange();
    DECLARE_MESSAGE_MAP()
};

// Registers the common control classes once.
void InitTestControls();

// A test with a hidden recording parent for its controls.
class ControlTest : public ::testing::Test
{
protected:
    ControlTest() : m_parent(m_log) {}
    void SetUp() override
    {
        InitTestControls();
        ASSERT_TRUE(m_parent.CreateHidden());
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        CWnd::DeleteTempMap();
    }

    std::vector<std::string> m_log;
    CRecordingParent m_parent;
};
