#include "afx/SharedFile.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT allocFlags, UINT growBytes)
    : CMemFile(growBytes), m_nAllocFlags(allocFlags), m_hGlobalMemory(nullptr), m_bAllowGrow(TRUE)
{
}

CSharedFile::~CSharedFile()
{
    // Here, not in the base destructor, so that our Free releases the block.
    if (m_lpBuffer)
        Close();
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL memory = m_hGlobalMemory;
    if (memory)
        GlobalUnlock(memory);
    m_hGlobalMemory = nullptr;
    m_lpBuffer = nullptr;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
    m_bAllowGrow = TRUE;
    return memory;
}

void CSharedFile::SetHandle(HGLOBAL globalMemory, BOOL allowGrow)
{
    ASSERT(m_hGlobalMemory == nullptr && m_lpBuffer == nullptr);
    ASSERT(globalMemory != nullptr);
    m_hGlobalMemory = globalMemory;
    m_lpBuffer = static_cast<BYTE*>(GlobalLock(globalMemory));
    if (!m_lpBuffer) {
        m_hGlobalMemory = nullptr;
        AfxThrowMemoryException();
    }
    m_nBufferSize = m_nFileSize = GlobalSize(globalMemory);
    m_nPosition = 0;
    m_bAllowGrow = allowGrow;
    m_bAutoDelete = TRUE;
}

BYTE* CSharedFile::Alloc(SIZE_T bytes)
{
    ASSERT(m_hGlobalMemory == nullptr);
    HGLOBAL memory = GlobalAlloc(m_nAllocFlags, bytes);
    if (!memory)
        return nullptr;
    BYTE* block = static_cast<BYTE*>(GlobalLock(memory));
    if (!block) {
        GlobalFree(memory);
        return nullptr;
    }
    m_hGlobalMemory = memory;
    return block;
}

BYTE* CSharedFile::Realloc(BYTE* block, SIZE_T bytes)
{
    if (!m_bAllowGrow)
        return nullptr;
    ASSERT(m_hGlobalMemory != nullptr);
    UNUSED_ALWAYS(block);   // the handle, not the pointer, names the block
    GlobalUnlock(m_hGlobalMemory);
    // GMEM_MOVEABLE lets the block move when it cannot grow where it is.
    HGLOBAL memory = GlobalReAlloc(m_hGlobalMemory, bytes, m_nAllocFlags | GMEM_MOVEABLE);
    if (!memory) {
        // The old block is intact: keep it locked so the file stays usable.
        GlobalLock(m_hGlobalMemory);
        return nullptr;
    }
    m_hGlobalMemory = memory;
    return static_cast<BYTE*>(GlobalLock(memory));
}

void CSharedFile::Free(BYTE* block)
{
    ASSERT(block != nullptr);
    UNUSED_ALWAYS(block);
    if (m_hGlobalMemory) {
        GlobalUnlock(m_hGlobalMemory);
        GlobalFree(m_hGlobalMemory);
        m_hGlobalMemory = nullptr;
    }
}
