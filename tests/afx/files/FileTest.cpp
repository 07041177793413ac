#include "afx/File.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string.h>
#include <memory>

namespace {
// Opens and expects failure; returns the cause filled in.
int OpenFailure(LPCSTR path, UINT flags, LONG* osError = nullptr, CString* name = nullptr)
{
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path, flags, &error));
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);
    if (osError)
        *osError = error.m_lOsError;
    if (name)
        *name = error.m_strFileName;
    return error.m_cause;
}

CString Message(const CFileException& error)
{
    char text[512];
    EXPECT_TRUE(error.GetErrorMessage(text, sizeof text));
    return text;
}
}

TEST(CFile, OpenFailuresNameTheirCause)
{
    TempFolder dir;
    LONG osError = 0;
    CString name;
    EXPECT_EQ(CFileException::fileNotFound, OpenFailure(dir / "missing.bin", CFile::modeRead, &osError, &name));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, osError);
    EXPECT_EQ(dir / "missing.bin", name);

    EXPECT_EQ(CFileException::badPath, OpenFailure(dir / "no-such-folder\\x.bin", CFile::modeCreate | CFile::modeWrite));
    EXPECT_EQ(CFileException::badPath, OpenFailure("", CFile::modeRead));

    dir.WriteFile("locked.bin", "abc");
    {
        CFile holder(dir / "locked.bin", CFile::modeRead | CFile::shareExclusive);
        EXPECT_EQ(CFileException::sharingViolation, OpenFailure(dir / "locked.bin", CFile::modeRead | CFile::shareDenyNone));
    }
    {
        // Readers that deny writing let other readers in, but not writers.
        CFile reader(dir / "locked.bin", CFile::modeRead | CFile::shareDenyWrite);
        CFile second(dir / "locked.bin", CFile::modeRead | CFile::shareDenyWrite);
        EXPECT_EQ(CFileException::sharingViolation, OpenFailure(dir / "locked.bin", CFile::modeWrite | CFile::shareDenyNone));
    }

    dir.WriteFile("readonly.bin", "abc");
    ASSERT_TRUE(SetFileAttributesA(dir / "readonly.bin", FILE_ATTRIBUTE_READONLY));
    // Wine running as the Unix superuser does not enforce the read-only bit;
    // check the wrapper only where the system itself refuses.
    HANDLE probe = CreateFileA(dir / "readonly.bin", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        EXPECT_EQ(CFileException::accessDenied, OpenFailure(dir / "readonly.bin", CFile::modeWrite));
    else
        CloseHandle(probe);
    // A folder cannot be opened as a file.
    EXPECT_EQ(CFileException::accessDenied, OpenFailure(dir.Path(), CFile::modeWrite));
    CFile reader;
    EXPECT_TRUE(reader.Open(dir / "readonly.bin", CFile::modeRead));
}

TEST(CFile, ConstructorThrowsWhatOpenReports)
{
    TempFolder dir;
    try {
        CFile file(dir / "absent.txt", CFile::modeRead);
        FAIL() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_EQ(dir / "absent.txt", e->m_strFileName);
        CString text = Message(*e);
        EXPECT_NE(-1, text.Find("absent.txt")) << (LPCTSTR)text;
        EXPECT_NE(-1, text.Find("not found")) << (LPCTSTR)text;
        e->Delete();
    }
}

TEST(CFile, WriteSeekReadRoundTrip)
{
    TempFolder dir;
    CFile file;
    ASSERT_TRUE(file.Open(dir / "data.bin", CFile::modeCreate | CFile::modeReadWrite));
    EXPECT_EQ(dir / "data.bin", file.GetFilePath());
    EXPECT_EQ(CString("data.bin"), file.GetFileName());
    EXPECT_EQ(CString("data"), file.GetFileTitle());

    unsigned char bytes[300];
    for (int i = 0; i < 300; ++i)
        bytes[i] = static_cast<unsigned char>(i);
    file.Write(bytes, sizeof bytes);
    EXPECT_EQ(300u, file.GetPosition());
    EXPECT_EQ(300u, file.GetLength());

    EXPECT_EQ(10u, file.Seek(10, CFile::begin));
    unsigned char got[4] = {};
    EXPECT_EQ(4u, file.Read(got, 4));
    EXPECT_EQ(10, got[0]);
    EXPECT_EQ(13, got[3]);
    EXPECT_EQ(4u, file.Seek(-10, CFile::current));
    EXPECT_EQ(290u, file.Seek(-10, CFile::end));

    // A read across the end returns what there is; at the end, nothing.
    unsigned char tail[64];
    EXPECT_EQ(10u, file.Read(tail, sizeof tail));
    EXPECT_EQ(0x2B, tail[9]);   // 299 & 0xFF
    EXPECT_EQ(0u, file.Read(tail, sizeof tail));

    file.SeekToBegin();
    EXPECT_EQ(0u, file.GetPosition());
    EXPECT_EQ(300u, file.SeekToEnd());

    // Seeking before the start is an error, and leaves the position alone.
    try {
        file.Seek(-1000, CFile::begin);
        ADD_FAILURE() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::badSeek, e->m_cause);
        e->Delete();
    }
    EXPECT_EQ(300u, file.GetPosition());
    file.Close();
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);
    EXPECT_EQ(300, dir.ReadFile("data.bin").GetLength());
}

TEST(CFile, SetLengthTruncatesAndExtends)
{
    TempFolder dir;
    CFile file(dir / "len.bin", CFile::modeCreate | CFile::modeReadWrite);
    file.Write("0123456789", 10);
    file.SetLength(4);
    EXPECT_EQ(4u, file.GetLength());
    file.SetLength(8);
    EXPECT_EQ(8u, file.GetLength());
    file.SeekToBegin();
    char got[8];
    ASSERT_EQ(8u, file.Read(got, 8));
    EXPECT_EQ(0, memcmp(got, "0123\0\0\0\0", 8));
}

TEST(CFile, CreateTruncatesUnlessAskedNotTo)
{
    TempFolder dir;
    dir.WriteFile("keep.txt", "old content");
    {
        CFile file(dir / "keep.txt", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        EXPECT_EQ(11u, file.GetLength());
        file.SeekToEnd();
        file.Write("!", 1);
    }
    EXPECT_EQ(CString("old content!"), dir.ReadFile("keep.txt"));
    {
        CFile file(dir / "keep.txt", CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(0u, file.GetLength());
    }
    EXPECT_EQ(CString(""), dir.ReadFile("keep.txt"));
}

TEST(CFile, WrappedHandleIsNotClosedByTheObject)
{
    TempFolder dir;
    HANDLE raw = CreateFileA(dir / "raw.bin", GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, raw);
    {
        CFile file(raw);
        file.Write("xy", 2);
        EXPECT_EQ(raw, static_cast<HANDLE>(file));
    }
    LARGE_INTEGER size;
    EXPECT_TRUE(GetFileSizeEx(raw, &size));   // still open
    EXPECT_EQ(2, size.QuadPart);
    CloseHandle(raw);
}

TEST(CFile, DuplicateSharesThePosition)
{
    TempFolder dir;
    CFile file(dir / "dup.bin", CFile::modeCreate | CFile::modeReadWrite);
    file.Write("abcdef", 6);
    std::unique_ptr<CFile> copy(file.Duplicate());
    EXPECT_EQ(file.GetFilePath(), copy->GetFilePath());
    EXPECT_EQ(6u, copy->GetPosition());
    copy->SeekToBegin();
    EXPECT_EQ(0u, file.GetPosition());
    file.Close();
    char got[3];
    EXPECT_EQ(3u, copy->Read(got, 3));   // the copy outlives the original
}

TEST(CFile, RemoveAndRenameThrowOnFailure)
{
    TempFolder dir;
    dir.WriteFile("a.txt", "a");
    dir.WriteFile("b.txt", "b");

    CFile::Rename(dir / "a.txt", dir / "c.txt");
    EXPECT_EQ(CString("a"), dir.ReadFile("c.txt"));

    try {
        CFile::Rename(dir / "c.txt", dir / "b.txt");   // the target exists
        ADD_FAILURE() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::accessDenied, e->m_cause);
        EXPECT_EQ(dir / "c.txt", e->m_strFileName);
        e->Delete();
    }
    try {
        CFile::Rename(dir / "gone.txt", dir / "d.txt");
        ADD_FAILURE() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        e->Delete();
    }

    CFile::Remove(dir / "c.txt");
    CFileStatus status;
    EXPECT_FALSE(CFile::GetStatus(dir / "c.txt", status));
    try {
        CFile::Remove(dir / "c.txt");
        ADD_FAILURE() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_EQ(dir / "c.txt", e->m_strFileName);
        e->Delete();
    }
}

TEST(CFile, StatusReportsSizeTimesAndAttributes)
{
    TempFolder dir;
    CTime before = CTime::GetCurrentTime() - CTimeSpan(0, 0, 0, 2);
    dir.WriteFile("s.txt", "12345");
    CTime after = CTime::GetCurrentTime() + CTimeSpan(0, 0, 0, 2);

    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(dir / "s.txt", status));
    EXPECT_EQ(5u, status.m_size);
    EXPECT_STREQ(dir / "s.txt", status.m_szFullName);
    EXPECT_GE(status.m_mtime, before);
    EXPECT_LE(status.m_mtime, after);
    EXPECT_EQ(0, status.m_attribute & CFile::directory);

    // A wildcard must not report some other file that matches it.
    EXPECT_FALSE(CFile::GetStatus(dir / "s.*", status));

    ASSERT_TRUE(CFile::GetStatus(dir.Path(), status));
    EXPECT_NE(0, status.m_attribute & CFile::directory);

    CFile file(dir / "s.txt", CFile::modeRead);
    CFileStatus fromHandle;
    ASSERT_TRUE(file.GetStatus(fromHandle));
    EXPECT_EQ(5u, fromHandle.m_size);
    EXPECT_EQ(status.m_mtime, fromHandle.m_mtime);
    file.Close();

    // SetStatus sets the write time and the read-only bit.
    CFileStatus wanted;
    ASSERT_TRUE(CFile::GetStatus(dir / "s.txt", wanted));
    wanted.m_mtime = CTime(2020, 2, 29, 12, 30, 0);
    wanted.m_attribute = CFile::readOnly;
    CFile::SetStatus(dir / "s.txt", wanted);
    ASSERT_TRUE(CFile::GetStatus(dir / "s.txt", status));
    EXPECT_EQ(wanted.m_mtime, status.m_mtime);
    EXPECT_NE(0, status.m_attribute & CFile::readOnly);
    // ...and can set times on a read-only file too.
    wanted.m_mtime = CTime(2021, 1, 1, 0, 0, 0);
    wanted.m_attribute = CFile::normal;
    CFile::SetStatus(dir / "s.txt", wanted);
    ASSERT_TRUE(CFile::GetStatus(dir / "s.txt", status));
    EXPECT_EQ(wanted.m_mtime, status.m_mtime);
    EXPECT_EQ(0, status.m_attribute & CFile::readOnly);
}

TEST(CFile, CyrillicFileNames)
{
    TempFolder dir;
    const char name[] = "\xCF\xF0\xE8\xEC\xE5\xF0 \xB8\xEB\xEA\xE0.txt";   // "Пример ёлка.txt" in 1251
    {
        CFile file(dir / name, CFile::modeCreate | CFile::modeWrite);
        file.Write("\xC0\xC1", 2);
        EXPECT_EQ(CString(name), file.GetFileName());
    }
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(dir / name, status));
    EXPECT_EQ(2u, status.m_size);
    CFile::Rename(dir / name, dir / "\xE4\xF0\xF3\xE3\xEE\xE9.txt");
    EXPECT_EQ(CString("\xC0\xC1"), dir.ReadFile("\xE4\xF0\xF3\xE3\xEE\xE9.txt"));
}

TEST(CFileException, MapsOsErrorsAndWritesMessages)
{
    EXPECT_EQ(CFileException::none, CFileException::OsErrorToException(NO_ERROR));
    EXPECT_EQ(CFileException::fileNotFound, CFileException::OsErrorToException(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(CFileException::badPath, CFileException::OsErrorToException(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(CFileException::accessDenied, CFileException::OsErrorToException(ERROR_ACCESS_DENIED));
    EXPECT_EQ(CFileException::sharingViolation, CFileException::OsErrorToException(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(CFileException::lockViolation, CFileException::OsErrorToException(ERROR_LOCK_VIOLATION));
    EXPECT_EQ(CFileException::diskFull, CFileException::OsErrorToException(ERROR_DISK_FULL));
    EXPECT_EQ(CFileException::endOfFile, CFileException::OsErrorToException(ERROR_HANDLE_EOF));
    EXPECT_EQ(CFileException::genericException, CFileException::OsErrorToException(123456));

    try {
        CFileException::ThrowOsError(ERROR_SHARING_VIOLATION, "c:\\x\\100%s.dat");
    } catch (CFileException* e) {
        EXPECT_EQ(ERROR_SHARING_VIOLATION, e->m_lOsError);
        // A '%' in the name is shown, not interpreted.
        EXPECT_EQ(CString("A sharing violation occurred while accessing c:\\x\\100%s.dat."), Message(*e));
        e->Delete();
    }

    CFileException unnamed(CFileException::diskFull);
    EXPECT_NE(-1, Message(unnamed).Find("unnamed file"));
    CFileException odd(999);
    EXPECT_FALSE(Message(odd).IsEmpty());

    // A short buffer still gets a terminated text.
    char small[8];
    EXPECT_TRUE(unnamed.GetErrorMessage(small, sizeof small));
    EXPECT_EQ(7u, strlen(small));
}
