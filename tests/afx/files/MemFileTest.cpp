#include "afx/MemFile.h"
#include "afx/SharedFile.h"

#include "tests/support/LibraryException.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

namespace {
// Exposes the block size, which only derived classes see.
class ProbeMemFile : public CMemFile
{
public:
    using CMemFile::CMemFile;
    SIZE_T BufferSize() const { return m_nBufferSize; }
};

class ProbeSharedFile : public CSharedFile
{
public:
    using CSharedFile::CSharedFile;
    SIZE_T BufferSize() const { return m_nBufferSize; }
};
}

TEST(CMemFile, GrowsInStepsAndReadsBack)
{
    ProbeMemFile file(16);
    EXPECT_EQ(0u, file.GetLength());
    file.Write("0123456789", 10);
    EXPECT_EQ(16u, file.BufferSize());
    file.Write("abcdefghij", 10);
    EXPECT_EQ(32u, file.BufferSize());   // whole steps
    EXPECT_EQ(20u, file.GetLength());
    EXPECT_EQ(20u, file.GetPosition());

    file.Seek(8, CFile::begin);
    char got[32] = {};
    EXPECT_EQ(12u, file.Read(got, sizeof got));
    EXPECT_EQ(0, memcmp(got, "89abcdefghij", 12));
    EXPECT_EQ(0u, file.Read(got, sizeof got));

    // A write after a seek past the end fills the gap with zeros.
    file.Seek(4, CFile::end);
    file.Write("Z", 1);
    EXPECT_EQ(25u, file.GetLength());
    file.Seek(20, CFile::begin);
    EXPECT_EQ(5u, file.Read(got, sizeof got));
    EXPECT_EQ(0, memcmp(got, "\0\0\0\0Z", 5));

    try {
        file.Seek(-1, CFile::begin);
        ADD_FAILURE() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::badSeek, e->m_cause);
        e->Delete();
    }

    file.SetLength(3);
    EXPECT_EQ(3u, file.GetLength());
    EXPECT_EQ(3u, file.GetPosition());   // pulled back inside the file
    file.SetLength(6);
    file.SeekToBegin();
    EXPECT_EQ(6u, file.Read(got, sizeof got));
    EXPECT_EQ(0, memcmp(got, "012\0\0\0", 6));
}

TEST(CMemFile, DetachHandsOverTheBlock)
{
    CMemFile file(1024);
    CString big('q', 5000);
    file.Write((LPCTSTR)big, 5000);
    ULONGLONG length = file.GetLength();
    BYTE* block = file.Detach();
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(5000u, length);
    EXPECT_EQ('q', block[4999]);
    EXPECT_EQ(0u, file.GetLength());
    free(block);
    // The emptied file works again with a block of its own.
    file.Write("x", 1);
    EXPECT_EQ(1u, file.GetLength());
}

TEST(CMemFile, AttachedBuffers)
{
    // Fixed: the buffer is the file, and writing past it fails.
    BYTE fixed[8] = { 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h' };
    {
        CMemFile file(fixed, sizeof fixed);
        EXPECT_EQ(8u, file.GetLength());
        file.Seek(6, CFile::begin);
        EXPECT_TRUE(ThrowsLibraryException<CMemoryException>([&] { file.Write("XYZ", 3); }));
        file.SeekToBegin();
        file.Write("AB", 2);
    }
    EXPECT_EQ('A', fixed[0]);
    EXPECT_EQ('h', fixed[7]);

    // Growing: the stack buffer is left as it is and the file moves to a
    // block of its own, so nothing tries to resize or free stack memory.
    BYTE small[4] = {};
    CMemFile file(small, sizeof small, 16);
    EXPECT_EQ(0u, file.GetLength());
    file.Write("1234", 4);
    file.Write("5678", 4);
    EXPECT_EQ(8u, file.GetLength());
    EXPECT_EQ(0, memcmp(small, "1234", 4));
    BYTE* block = file.Detach();
    ASSERT_NE(small, block);
    EXPECT_EQ(0, memcmp(block, "12345678", 8));
    free(block);
}

TEST(CMemFile, DirectBufferAccess)
{
    CMemFile file(64);
    EXPECT_EQ(static_cast<UINT>(CFile::bufferDirect), file.GetBufferPtr(CFile::bufferCheck));
    void* start = nullptr;
    void* limit = nullptr;
    EXPECT_EQ(10u, file.GetBufferPtr(CFile::bufferWrite, 10, &start, &limit));
    EXPECT_EQ(10, static_cast<BYTE*>(limit) - static_cast<BYTE*>(start));
    memcpy(start, "0123456789", 10);
    file.GetBufferPtr(CFile::bufferCommit, 10);
    EXPECT_EQ(10u, file.GetLength());

    file.Seek(7, CFile::begin);
    EXPECT_EQ(3u, file.GetBufferPtr(CFile::bufferRead, 50, &start, &limit));
    EXPECT_EQ(0, memcmp(start, "789", 3));
    EXPECT_EQ(10u, file.GetPosition());
}

TEST(CSharedFile, DetachGivesGlobalMemoryWithTheBytes)
{
    ProbeSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, 4096);
    CString row('r', 3000);
    file.Write((LPCTSTR)row, 3000);
    file.Write((LPCTSTR)row, 3000);   // grows: the block is reallocated
    file.Write("", 1);
    EXPECT_EQ(8192u, file.BufferSize());
    HGLOBAL memory = file.Detach();
    ASSERT_NE(nullptr, memory);
    EXPECT_EQ(0u, file.GetLength());
    EXPECT_GE(GlobalSize(memory), 6001u);
    // Handed over unlocked, so that the clipboard can take it.
    EXPECT_EQ(0u, GlobalFlags(memory) & GMEM_LOCKCOUNT);
    const char* bytes = static_cast<const char*>(GlobalLock(memory));
    ASSERT_NE(nullptr, bytes);
    EXPECT_EQ('r', bytes[0]);
    EXPECT_EQ('r', bytes[5999]);
    EXPECT_EQ(0, bytes[6000]);
    EXPECT_EQ(0, bytes[8000]);   // zero-initialised tail
    GlobalUnlock(memory);
    GlobalFree(memory);
}

TEST(CSharedFile, SetHandleReadsAnExistingBlock)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 5);
    memcpy(GlobalLock(memory), "hello", 5);
    GlobalUnlock(memory);

    const SIZE_T size = GlobalSize(memory);
    CSharedFile fixedFile;
    fixedFile.SetHandle(memory, FALSE);
    EXPECT_EQ(size, fixedFile.GetLength());
    char got[5];
    EXPECT_EQ(5u, fixedFile.Read(got, 5));
    EXPECT_EQ(0, memcmp(got, "hello", 5));
    fixedFile.SeekToEnd();
    EXPECT_TRUE(ThrowsLibraryException<CMemoryException>([&] { fixedFile.Write("!", 1); }));
    EXPECT_EQ(memory, fixedFile.Detach());

    CSharedFile growing;
    growing.SetHandle(memory, TRUE);
    growing.SeekToEnd();
    growing.Write(" world", 6);
    HGLOBAL grown = growing.Detach();
    ASSERT_NE(nullptr, grown);
    const char* bytes = static_cast<const char*>(GlobalLock(grown));
    EXPECT_EQ(0, memcmp(bytes, "hello", 5));
    EXPECT_EQ(0, memcmp(bytes + size, " world", 6));
    GlobalUnlock(grown);
    GlobalFree(grown);
}
