// CKeyboardEdit: an edit box that captures one key combination while it is
// pressed (modifiers and a key) and shows it as text such as "Ctrl+S". The
// keys it takes never reach the dialog.
#pragma once

#include "afx/BasicCtrls.h"

class CKeyboardEdit : public CEdit
{
    DECLARE_DYNAMIC(CKeyboardEdit)
public:
    CKeyboardEdit();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void ResetKey();
    // FALSE while no key is defined.
    BOOL GetAccelKey(WORD& wVirtKey, bool& bCtrl, bool& bAlt, bool& bShift) const;
    // The text the captured combination reads as.
    CString GetKeyText() const;

private:
    bool m_bKeyDefined;
    WORD m_wVirtKey;
    bool m_bCtrl;
    bool m_bAlt;
    bool m_bShift;
};
