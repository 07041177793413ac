// CSharedFile: a memory file whose block is global memory (GlobalAlloc), so
// that the finished bytes can be handed on as an HGLOBAL, for example to the
// clipboard. The block grows in steps, with the allocation flags given.
#pragma once

#include "afx/MemFile.h"

class CSharedFile : public CMemFile
{
    DECLARE_DYNAMIC(CSharedFile)
public:
    explicit CSharedFile(UINT allocFlags = GMEM_DDESHARE | GMEM_MOVEABLE, UINT growBytes = 4096);
    ~CSharedFile() override;

    // Gives the block to the caller, unlocked, and leaves the file empty.
    // The block may be larger than the length written (whole growth steps).
    HGLOBAL Detach();
    // Takes over a global block as the whole file; with allowGrow FALSE
    // writing past its end throws.
    void SetHandle(HGLOBAL globalMemory, BOOL allowGrow = TRUE);

protected:
    BYTE* Alloc(SIZE_T bytes) override;
    BYTE* Realloc(BYTE* block, SIZE_T bytes) override;
    void Free(BYTE* block) override;

    UINT m_nAllocFlags;
    HGLOBAL m_hGlobalMemory;
    BOOL m_bAllowGrow;
};
