// An edit whose drop button opens a borderless list under it; the line picked
// becomes the edit's text. The list runs its own message loop while open.
#pragma once

#include "afx/BasicCtrls.h"
#include "afx/ArrayTypes.h"
#include "afx/GdiObject.h"
#include "toolkit/foundation/OXDropEdit.h"

// The popup list: shown, tracked and hidden by Pick.
class COXListPopup : public CListBox
{
public:
    // Shows the list in the screen rectangle (fitted to the work area; above
    // the owner when it would pass the bottom) and answers the index picked,
    // -1 when cancelled.
    int Pick(CRect rect);

    enum { MaxVisibleRows = 20 };
};

class COXListEdit : public COXDropEdit<COXEdit>
{
    DECLARE_DYNCREATE(COXListEdit)

public:
    COXListEdit();
    ~COXListEdit() override;

    // Fills the list; creates the edit first, as an invisible child of the
    // parent, when it has no window yet.
    void SetListItems(const CStringArray& items, CWnd* pParentWnd);
    COXListPopup& GetListPopup() { return m_listPopup; }

    void OnDropButton() override;
    BOOL InitializeDropEdit() override;

    enum { CreatedId = 1003 };

protected:
    CFont m_fontList;
    COXListPopup m_listPopup;
};
