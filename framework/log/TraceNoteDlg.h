// CTraceNoteDlg: asks for one line of text that the log window adds to the
// trace as a note.
#pragma once

#include "afx/Dialog.h"

class CTraceNoteDlg : public CDialog
{
    DECLARE_DYNAMIC(CTraceNoteDlg)
public:
    explicit CTraceNoteDlg(CWnd* pParent = nullptr);

    CString m_strNote;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
