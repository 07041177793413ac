#include "framework/crash/MailMsg.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The stand-in library writes what it receives to this file.
class MailTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char folder[MAX_PATH + 1];
        ASSERT_NE(0u, GetTempPathA(sizeof(folder), folder));
        m_path.Format("%slexifern_mapi_%lu.txt", folder, GetCurrentProcessId());
        DeleteFileA(m_path);
        SetEnvironmentVariableA("LEXIFERN_MAPI_RECORD", m_path);
        SetEnvironmentVariableA("LEXIFERN_MAPI_RESULT", nullptr);
    }

    void TearDown() override
    {
        SetEnvironmentVariableA("LEXIFERN_MAPI_RECORD", nullptr);
        SetEnvironmentVariableA("LEXIFERN_MAPI_RESULT", nullptr);
        DeleteFileA(m_path);
    }

    std::string Recorded() const
    {
        HANDLE h = CreateFileA(m_path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                               nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return "";
        char buffer[8192];
        DWORD read = 0;
        ReadFile(h, buffer, sizeof(buffer), &read, nullptr);
        CloseHandle(h);
        return std::string(buffer, read);
    }

    CString m_path;
};

// A library that offers only the common messaging names.
class CCmcOnlyMail : public CMailMsg
{
protected:
    HMODULE LoadMailLibrary() override { return LoadLibraryA("mapicmc.dll"); }
};

} // namespace

TEST_F(MailTest, MessageReachesTheLibraryInKeyOrder)
{
    CMailMsg mail;
    mail.AddFrom("me@example.invalid", "Me")
        .AddTo("zed@example.invalid", "Zed")
        .AddTo("amy@example.invalid", "Amy")
        .AddTo("zed@example.invalid", "Zed Again")
        .AddCc("cc@example.invalid", "Copy")
        .AddBcc("bcc@example.invalid", "Hidden")
        .AddAttachment("C:\\b.err", "b.err")
        .AddAttachment("C:\\a.err", "a.err")
        .SetSubject("Subject\r\n")
        .SetMessage("Body");
    ASSERT_TRUE(mail.IsReady());
    EXPECT_TRUE(mail.Send());
    EXPECT_EQ("logon flags=0\n"
              "send session=5e55 flags=8\n"
              "subject=Subject\r\n\nnote=Body\n"
              "orig=0|Me|me@example.invalid\n"
              "recip=1|Amy|amy@example.invalid\n"
              "recip=1|Zed Again|zed@example.invalid\n"
              "recip=2|Copy|cc@example.invalid\n"
              "recip=3|Hidden|bcc@example.invalid\n"
              "file=-1|C:\\a.err|a.err\n"
              "file=-1|C:\\b.err|b.err\n"
              "logoff session=5e55\n",
              Recorded());
}

TEST_F(MailTest, AttachmentsWithoutRecipientsStillReachTheDialog)
{
    CMailMsg mail;
    mail.AddAttachment("C:\\report.err", "Lexifern.err");
    EXPECT_TRUE(mail.Send());
    std::string record = Recorded();
    EXPECT_NE(std::string::npos, record.find("file=-1|C:\\report.err|Lexifern.err\n")) << record;
    EXPECT_EQ(std::string::npos, record.find("recip=")) << record;
    EXPECT_EQ(std::string::npos, record.find("orig=")) << record;
}

TEST_F(MailTest, SendReportsWhatTheLibraryReports)
{
    SetEnvironmentVariableA("LEXIFERN_MAPI_RESULT", "1");   // the user cancelled the compose dialog
    CMailMsg mail;
    mail.AddTo("a@example.invalid", "A");
    EXPECT_FALSE(mail.Send());
    EXPECT_NE(std::string::npos, Recorded().find("recip=1|A|a@example.invalid"));
}

TEST_F(MailTest, ALibraryWithOnlyCommonMessagingGetsTheMessageThroughIt)
{
    CCmcOnlyMail mail;
    mail.AddFrom("me@example.invalid", "Me")
        .AddTo("zed@example.invalid", "Zed")
        .AddTo("amy@example.invalid", "Amy")
        .AddBcc("bcc@example.invalid", "Hidden")
        .AddAttachment("C:\\report.err", "Lexifern.err")
        .SetSubject("S")
        .SetMessage("Body");
    EXPECT_TRUE(mail.IsReady());
    EXPECT_TRUE(mail.Send());
    EXPECT_EQ("cmc_logon charset=1251 version=100 flags=3000000\n"
              "cmc_send session=c3c flags=1\n"
              "subject=S\nnote=Body\n"
              "recip=3|Me|me@example.invalid\n"
              "recip=0|Amy|amy@example.invalid\n"
              "recip=0|Zed|zed@example.invalid\n"
              "recip=2|Hidden|bcc@example.invalid\n"
              "file=C:\\report.err|Lexifern.err\n"
              "cmc_logoff session=c3c\n",
              Recorded());

    // What the library answers is what Send answers.
    DeleteFileA(m_path);
    SetEnvironmentVariableA("LEXIFERN_MAPI_RESULT", "1");
    EXPECT_FALSE(mail.Send());
    EXPECT_NE(std::string::npos, Recorded().find("cmc_logoff"));
}

TEST_F(MailTest, WithBothSetsSendUsesTheSimpleCallsAndSendCmcTheOthers)
{
    CMailMsg mail;
    mail.AddTo("a@example.invalid", "A");
    EXPECT_TRUE(mail.Send());
    EXPECT_EQ(std::string::npos, Recorded().find("cmc_"));
    DeleteFileA(m_path);
    EXPECT_TRUE(mail.SendCmc());
    std::string record = Recorded();
    EXPECT_EQ(0u, record.find("cmc_logon"));
    EXPECT_NE(std::string::npos, record.find("recip=0|A|a@example.invalid\n"));
    EXPECT_EQ(std::string::npos, record.find("send session=5e55"));
}
