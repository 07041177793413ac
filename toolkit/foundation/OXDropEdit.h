// An edit with a small push button inside its own border, at the right or the
// left end. The button (or Alt+Enter) calls OnDropButton, which derived edits
// use to open their popup; by default it shows an optional menu.
#pragma once

#include "toolkit/foundation/OXEdit.h"
#include "toolkit/foundation/OXMaskedEdit.h"
#include "toolkit/foundation/OXNumericEdit.h"

class CMenu;

template <class T>
class COXDropEdit : public T
{
public:
    COXDropEdit();
    ~COXDropEdit() override;
    COXDropEdit(const COXDropEdit&) = delete;
    COXDropEdit& operator=(const COXDropEdit&) = delete;

    // Modifier flags of the drop shortcut.
    enum { ShortcutCtrl = 1, ShortcutShift = 2, ShortcutAlt = 4 };
    enum { ButtonRight = 0, ButtonLeft = 1 };

    // The button in client coordinates (it lies in the non-client strip
    // beside the client area); empty when the button is hidden.
    void GetButtonRect(CRect& rect) const;
    // Whether a screen point lies on the shown button.
    BOOL IsInButton(CPoint ptScreen) const;
    // Makes a changed alignment, width or visibility take effect.
    void RecalcFrame();

    int GetButtonAlignment() const { return m_nButtonAlign; }
    int GetButtonWidth() const { return m_nButtonWidth; }
    BOOL IsButtonShown() const { return m_bShowButton; }
    UINT GetShortcutKey() const { return m_nShortcutKey; }
    UINT GetShortcutFlags() const { return m_nShortcutFlags; }
    CMenu* GetDropMenu() const { return m_pDropMenu; }
    BOOL IsButtonPressed() const { return m_bMouseDown && m_bButtonPressed; }

    void SetButtonAlignment(int nAlign);
    void SetButtonWidth(int nWidth);
    void ShowButton(BOOL bShow);
    // The menu is not owned and must outlive its use here.
    void SetDropMenu(CMenu* pMenu) { m_pDropMenu = pMenu; }
    void SetShortcut(UINT nKey, UINT nFlags);

    // The drop action; by default shows the drop menu below the edit.
    virtual void OnDropButton();
    // One-time set-up of a derived edit, run once its window exists.
    virtual BOOL InitializeDropEdit();
    // Draws the button's frame and face; answers the interior.
    virtual CRect DrawButtonFrame(CDC* pDC, CRect rect, BOOL bPressed);
    virtual void DrawButtonImage(CDC* pDC, CRect rect, BOOL bPressed);

    enum { TrackTimerId = 227, TrackPeriod = 200 };

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Whether the edit takes presses and the shortcut now.
    BOOL AcceptsDrop() const;
    void EndTracking();
    void RedrawFrame();

    int m_nButtonAlign;
    int m_nButtonWidth;
    BOOL m_bShowButton;
    BOOL m_bMouseDown;
    BOOL m_bButtonPressed;
    BOOL m_bInitialized;
    BOOL m_bCreated;
    BOOL m_bFrameChangePending;
    UINT_PTR m_nTimerID;
    CMenu* m_pDropMenu;
    UINT m_nShortcutKey;
    UINT m_nShortcutFlags;
};

extern template class COXDropEdit<COXEdit>;
extern template class COXDropEdit<COXNumericEdit>;
extern template class COXDropEdit<COXMaskedEdit>;
