#include "afx/Archive.h"
#include "afx/MemFile.h"
#include "MemoryFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
// The cause of the CArchiveException that fn throws, -1 when none.
int ArchiveCause(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}
}

TEST(CArchive, NumbersAreLittleEndianAndUnpadded)
{
    std::string bytes = Stored([](CArchive& ar) {
        ar << BYTE(0x12) << WORD(0x3456) << LONG(-2) << DWORD(0x89ABCDEF);
        ar << int(7) << short(-1) << char('A') << true << false;
        ar << 1.5f << 2.0 << LONGLONG(-3) << ULONGLONG(0x0102030405060708ull) << UINT(9);
    });
    std::string expected = Bytes({0x12, 0x56, 0x34, 0xFE, 0xFF, 0xFF, 0xFF, 0xEF, 0xCD, 0xAB, 0x89,
                                  7, 0, 0, 0, 0xFF, 0xFF, 'A', 1, 0,
                                  0, 0, 0xC0, 0x3F,
                                  0, 0, 0, 0, 0, 0, 0, 0x40,
                                  0xFD, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                  8, 7, 6, 5, 4, 3, 2, 1, 9, 0, 0, 0});
    EXPECT_EQ(expected, bytes);

    MemoryFile file(bytes);
    CArchive ar(&file, CArchive::load);
    BYTE by; WORD w; LONG l; DWORD dw; int i; short s; char c; bool t, f;
    float fl; double d; LONGLONG ll; ULONGLONG ull; UINT u;
    ar >> by >> w >> l >> dw >> i >> s >> c >> t >> f >> fl >> d >> ll >> ull >> u;
    EXPECT_EQ(0x12, by);
    EXPECT_EQ(0x3456, w);
    EXPECT_EQ(-2, l);
    EXPECT_EQ(0x89ABCDEFu, dw);
    EXPECT_EQ(7, i);
    EXPECT_EQ(-1, s);
    EXPECT_EQ('A', c);
    EXPECT_TRUE(t);
    EXPECT_FALSE(f);
    EXPECT_EQ(1.5f, fl);
    EXPECT_EQ(2.0, d);
    EXPECT_EQ(-3, ll);
    EXPECT_EQ(0x0102030405060708ull, ull);
    EXPECT_EQ(9u, u);
    EXPECT_EQ(CArchiveException::endOfFile, ArchiveCause([&] { ar >> by; }));
}

TEST(CArchive, StringLengthPrefixes)
{
    struct Case { int length; std::string prefix; };
    const Case cases[] = {
        {0, Bytes({0})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0})},
        {65535, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0})},
    };
    for (const Case& c : cases) {
        CString text('\xC9', c.length);   // Cyrillic bytes survive as they are
        std::string bytes = Stored([&](CArchive& ar) { ar << text; });
        ASSERT_EQ(c.prefix.size() + c.length, bytes.size()) << c.length;
        EXPECT_EQ(c.prefix, bytes.substr(0, c.prefix.size())) << c.length;
        MemoryFile file(bytes);
        CArchive ar(&file, CArchive::load);
        CString back("old");
        ar >> back;
        EXPECT_TRUE(back == text) << c.length;
    }
    // Plain text pointers are stored as strings too, not as a bool.
    EXPECT_EQ(Bytes({2, 'h', 'i'}), Stored([](CArchive& ar) { ar << "hi"; }));
}

TEST(CArchive, WideStringsAreReadAsAnsi)
{
    // Marker 0xFF 0xFFFE, then the length in characters and UTF-16 text "Жё".
    std::string shortForm = Bytes({0xFF, 0xFE, 0xFF, 2, 0x16, 0x04, 0x51, 0x04});
    MemoryFile file(shortForm);
    CArchive ar(&file, CArchive::load);
    CString text;
    ar >> text;
    EXPECT_EQ(CString("\xC6\xB8"), text);

    // The same marker with a 16-bit length.
    std::string longForm = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x00, 0x01});
    for (int i = 0; i < 256; ++i)
        longForm += Bytes({'a', 0});
    MemoryFile file2(longForm);
    CArchive ar2(&file2, CArchive::load);
    ar2 >> text;
    EXPECT_EQ(256, text.GetLength());
    EXPECT_EQ('a', text[255]);
}

TEST(CArchive, CountPrefixes)
{
    EXPECT_EQ(Bytes({0, 0}), Stored([](CArchive& ar) { ar.WriteCount(0); }));
    EXPECT_EQ(Bytes({0xFE, 0xFF}), Stored([](CArchive& ar) { ar.WriteCount(0xFFFE); }));
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0}), Stored([](CArchive& ar) { ar.WriteCount(0xFFFF); }));
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0x70, 0x11, 1, 0}), Stored([](CArchive& ar) { ar.WriteCount(70000); }));

    MemoryFile file(Stored([](CArchive& ar) {
        ar.WriteCount(0xFFFE);
        ar.WriteCount(0xFFFF);
        ar.WriteCount(70000);
    }));
    CArchive ar(&file, CArchive::load);
    EXPECT_EQ(0xFFFEu, ar.ReadCount());
    EXPECT_EQ(0xFFFFu, ar.ReadCount());
    EXPECT_EQ(70000u, ar.ReadCount());
}

TEST(CArchive, TextLines)
{
    std::string bytes = Stored([](CArchive& ar) {
        ar.WriteString("one\r\ntwo\nthree\rfour\r\n\r\nlast");
        ar.WriteCount(0);   // clipboard text ends with two zero bytes this way
    });
    EXPECT_EQ(std::string("one\r\ntwo\nthree\rfour\r\n\r\nlast\0\0", 29), bytes);

    MemoryFile file("one\r\ntwo\nthree\rfour\r\n\r\nlast");
    CArchive ar(&file, CArchive::load);
    CString line;
    std::vector<CString> lines;
    while (ar.ReadString(line))
        lines.push_back(line);
    ASSERT_EQ(6u, lines.size());
    EXPECT_EQ("one", lines[0]);
    EXPECT_EQ("two", lines[1]);
    EXPECT_EQ("three", lines[2]);
    EXPECT_EQ("four", lines[3]);
    EXPECT_EQ("", lines[4]);
    EXPECT_EQ("last", lines[5]);

    MemoryFile file2("abcdef\nx");
    CArchive ar2(&file2, CArchive::load);
    char buffer[4];
    EXPECT_STREQ("abc", ar2.ReadString(buffer, sizeof buffer));   // never past the buffer
    EXPECT_STREQ("def", ar2.ReadString(buffer, sizeof buffer));
    EXPECT_STREQ("", ar2.ReadString(buffer, sizeof buffer));      // the rest of that line
    EXPECT_STREQ("x", ar2.ReadString(buffer, sizeof buffer));
    EXPECT_EQ(nullptr, ar2.ReadString(buffer, sizeof buffer));
}

TEST(CArchive, BufferingFlushAndModes)
{
    MemoryFile file;
    {
        CArchive ar(&file, CArchive::store, 128);
        for (int i = 0; i < 100; ++i)
            ar << DWORD(i);
        std::string big(1000, 'z');
        ar.Write(big.data(), static_cast<UINT>(big.size()));
        EXPECT_EQ(CArchiveException::writeOnly, ArchiveCause([&] { BYTE b; ar >> b; }));
        EXPECT_EQ(&file, ar.GetFile());
        EXPECT_TRUE(ar.IsStoring());
    }   // the destructor flushes
    ASSERT_EQ(1400u, file.data.size());
    EXPECT_EQ(3, file.data[12]);

    // A loading archive gives unread buffered bytes back to the file.
    file.pos = 0;
    CArchive ar(&file, CArchive::load);
    DWORD first;
    ar >> first;
    EXPECT_EQ(CArchiveException::readOnly, ArchiveCause([&] { ar << first; }));
    ar.Close();
    EXPECT_EQ(4u, file.pos);
    EXPECT_EQ(nullptr, ar.GetFile());

    // Abort drops what is still buffered.
    MemoryFile aborted;
    {
        CArchive store(&aborted, CArchive::store);
        store << DWORD(1);
        store.Abort();
    }
    EXPECT_TRUE(aborted.data.empty());
}

TEST(CArchiveException, MessagesNameTheFile)
{
    CArchiveException e(CArchiveException::endOfFile, "basket.dat");
    char text[200];
    ASSERT_TRUE(e.GetErrorMessage(text, sizeof text));
    EXPECT_STREQ("An unexpected end of file was encountered while reading basket.dat.", text);
    CArchiveException unnamed(CArchiveException::badSchema);
    ASSERT_TRUE(unnamed.GetErrorMessage(text, sizeof text));
    EXPECT_STREQ("an unnamed file contains an incorrect schema.", text);
    EXPECT_EQ(7, CArchiveException::badSchema);
    EXPECT_EQ(3, CArchiveException::endOfFile);
}

TEST(CArchive, OverMemoryAndDiskFiles)
{
    CMemFile memory(16);
    {
        CArchive ar(&memory, CArchive::store, 4096);
        ar << CString("state") << DWORD(42);
        ar.Close();
    }
    EXPECT_EQ(10u, memory.GetLength());
    memory.SeekToBegin();
    {
        CArchive ar(&memory, CArchive::load, 4096);
        CString text;
        DWORD n;
        ar >> text >> n;
        EXPECT_EQ("state", text);
        EXPECT_EQ(42u, n);
    }

    // Errors on a disk file name it.
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    CString path = CString(dir) + "lexifern-archive-test.bin";
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << WORD(1);
    }
    {
        CFile file(path, CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        DWORD n = 0;
        try {
            ar >> n;
            ADD_FAILURE() << "read past the end";
        } catch (CArchiveException* e) {
            EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
            EXPECT_EQ(path, e->m_strFileName);
            e->Delete();
        }
    }
    CFile::Remove(path);
}
