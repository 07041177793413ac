// The cool look painted inside the client area, for the four controls whose
// frame is not worth flattening: buttons (push buttons, check boxes, radio
// buttons), scroll bar controls, spins and sliders. Each lets the control
// paint itself first and then flattens its 3-D edges while it is cold; none
// gets the template's frame painting, and each repaints its client area when
// its hot state changes.
#pragma once

#include "toolkit/lists/cool/OXCoolCtrl.h"

class COXCoolButton : public COXCoolCtrl<CButton>
{
public:
    COXCoolButton() = default;
    ~COXCoolButton() override;

    void SetHot(BOOL bHot) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

class COXCoolScrollBar : public COXCoolCtrl<CScrollBar>
{
public:
    COXCoolScrollBar() = default;
    ~COXCoolScrollBar() override;

    void SetHot(BOOL bHot) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

class COXCoolSpinButtonCtrl : public COXCoolCtrl<CSpinButtonCtrl>
{
public:
    COXCoolSpinButtonCtrl() = default;
    ~COXCoolSpinButtonCtrl() override;

    void SetHot(BOOL bHot) override;
    // Aligned to a live buddy of class "Edit".
    BOOL HasEditBuddy() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

class COXCoolSliderCtrl : public COXCoolCtrl<CSliderCtrl>
{
public:
    COXCoolSliderCtrl() = default;
    ~COXCoolSliderCtrl() override;

    void SetHot(BOOL bHot) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    static CPen s_penHighlight;
    static CPen s_penShadow;
    static CPen s_penFace;
};
