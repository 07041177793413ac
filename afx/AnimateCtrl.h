// CAnimateCtrl: the common animation control, which plays the frames of an
// uncompressed (or RLE) AVI clip from a file or a resource without sound.
#pragma once

#include "afx/CtrlCreate.h"

class CAnimateCtrl : public CWnd
{
    DECLARE_DYNAMIC(CAnimateCtrl)
public:
    CAnimateCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // A clip from a file, or an "AVI" resource of the resource module.
    BOOL Open(LPCTSTR lpszFileName);
    BOOL Open(UINT nID);
    // Frames nFrom..nTo (0xFFFF: the last), nRep times (-1: until stopped).
    BOOL Play(UINT nFrom, UINT nTo, UINT nRep);
    BOOL Stop() { return static_cast<BOOL>(AfxCtrlSend(this, ACM_STOP)); }
    BOOL Close() { return static_cast<BOOL>(AfxCtrlSend(this, ACM_OPENA, 0, 0)); }
    // Shows frame nTo.
    BOOL Seek(UINT nTo) { return Play(nTo, nTo, 1); }
};
