// CChevBar: the frame's rebar whose toolbar bands show a chevron when the
// frame is too narrow; pressing it drops down the buttons that do not fit.
// CChevDrop is that drop-down: a popup toolbar holding copies of the hidden
// buttons, whose commands go to the frame as if from the real toolbar.
#pragma once

#include "afx/ImageList.h"
#include "afx/ReBar.h"
#include "afx/ToolBarCtrl.h"

#include <string>
#include <vector>

class CChevDrop : public CWnd
{
    DECLARE_DYNAMIC(CChevDrop)
public:
    enum { ToolBarId = 1 };

    CChevDrop();
    ~CChevDrop() override;

    BOOL CreatePopup();
    // Shows the buttons of pToolBar that are not wholly inside rcVisible
    // (toolbar coordinates) at ptScreen; FALSE (nothing shown) when every
    // button is visible. Commands and notifications go to pOwner.
    BOOL ShowPopup(CWnd* pOwner, CWnd* pToolBar, CRect rcVisible, CPoint ptScreen);
    void HidePopup();

    // The buttons of a toolbar that a drop-down shows for a visible part:
    // no separators, no hidden buttons, none lying wholly inside.
    static std::vector<TBBUTTON> HiddenButtons(HWND hToolBar, const CRect& rcVisible);

    CToolBarCtrl& GetDropToolBar() { return m_tb; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    void DestroyDropDown();

    HWND m_hOwner;
    CToolBarCtrl m_tb;
    CImageList m_ImageList;
    std::vector<std::string> m_texts;   // the copied buttons' captions, while they show
};

class CChevBar : public CReBar
{
    DECLARE_DYNAMIC(CChevBar)
public:
    CChevBar();
    ~CChevBar() override;

    // The rebar's AddBar; a toolbar with a real band id gets the chevron and
    // the band takes the toolbar's full size as its ideal size.
    BOOL AddBar(CWnd* pBar, UINT nBandId, LPCTSTR pszText = nullptr, DWORD dwStyle = RBBS_USECHEVRON);

    CChevDrop* GetDropDown() const { return m_pDropWnd; }

protected:
    afx_msg void OnChevronPushed(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    CChevDrop* m_pDropWnd;
};
