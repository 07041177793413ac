// Which links a tip may open, the browser command line built for them, and
// that a click on a tip's link reaches the shell only for those.
#include "tooltip/PPHtmlDrawer.h"
#include "tooltip/PPLinkOpener.h"

#include "FakeMeasurer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(LinkDecision, OnlyWebAndMailSchemesWithCleanText)
{
    EXPECT_TRUE(PPIsOpenableLink("http://127.0.0.1/page?a=1&b=2"));
    EXPECT_TRUE(PPIsOpenableLink("https://127.0.0.1/"));
    EXPECT_TRUE(PPIsOpenableLink("HTTP://127.0.0.1/"));
    EXPECT_TRUE(PPIsOpenableLink("mailto:someone@example.invalid"));

    EXPECT_FALSE(PPIsOpenableLink("javascript:alert(1)"));
    EXPECT_FALSE(PPIsOpenableLink("file:///C:/Windows/notepad.exe"));
    EXPECT_FALSE(PPIsOpenableLink("C:\\Windows\\notepad.exe"));
    EXPECT_FALSE(PPIsOpenableLink("ftp://127.0.0.1/"));
    EXPECT_FALSE(PPIsOpenableLink(" http://127.0.0.1/"));
    EXPECT_FALSE(PPIsOpenableLink("http://"));
    EXPECT_FALSE(PPIsOpenableLink(""));
    EXPECT_FALSE(PPIsOpenableLink(nullptr));
    // Text that would leave the quoted argument or split the command line.
    EXPECT_FALSE(PPIsOpenableLink("http://127.0.0.1/\" -new-program"));
    EXPECT_FALSE(PPIsOpenableLink("http://127.0.0.1/\r\nx"));
    EXPECT_FALSE(PPIsOpenableLink("http://127.0.0.1/\tx"));
    EXPECT_FALSE(PPIsOpenableLink("http://127.0.0.1/\x7f"));
}

TEST(BrowserCommand, CutsAtTheArgumentAndQuotesTheAddress)
{
    CString line;
    ASSERT_TRUE(PPBuildBrowserCommand("\"C:\\b\\browser.exe\" -nohome \"%1\" -tail", "http://127.0.0.1/a b", line));
    EXPECT_STREQ("\"C:\\b\\browser.exe\" -nohome  \"http://127.0.0.1/a b\"", (LPCTSTR)line);

    ASSERT_TRUE(PPBuildBrowserCommand("browser.exe %1", "https://127.0.0.1/", line));
    EXPECT_STREQ("browser.exe  \"https://127.0.0.1/\"", (LPCTSTR)line);

    ASSERT_TRUE(PPBuildBrowserCommand("browser.exe", "mailto:a@b.invalid", line));
    EXPECT_STREQ("browser.exe \"mailto:a@b.invalid\"", (LPCTSTR)line);

    // Refused addresses leave no line.
    EXPECT_FALSE(PPBuildBrowserCommand("browser.exe", "http://x/\"&calc", line));
    EXPECT_TRUE(line.IsEmpty());
    EXPECT_FALSE(PPBuildBrowserCommand("browser.exe", "file:///c:/x", line));
}

TEST(BrowserCommand, RefusesRatherThanCutsALineThatDoesNotFit)
{
    const std::string command = "browser.exe";
    // command, blank, two quotes and the terminator around the address.
    const int fixed = static_cast<int>(command.size()) + 1 + 2 + 1;
    std::string url = "http://127.0.0.1/";
    url.append(kPPMaxCommandLine - fixed - url.size(), 'a');
    CString line;
    EXPECT_TRUE(PPBuildBrowserCommand(command.c_str(), url.c_str(), line));
    EXPECT_EQ(kPPMaxCommandLine - 1, line.GetLength());
    url += "a";
    EXPECT_FALSE(PPBuildBrowserCommand(command.c_str(), url.c_str(), line));
    EXPECT_TRUE(line.IsEmpty());
}

// Records what would have gone to the shell.
class RecordingShell : public CPPShell
{
public:
    INT_PTR Open(LPCTSTR url, int) override
    {
        opened.push_back(url);
        return openResult;
    }
    BOOL ReadRegistryDefault(HKEY, LPCTSTR key, CString& value) override
    {
        keys.push_back(key);
        if (std::string(key) == ".htm")
            value = "htmlfile";
        else
            value = command.c_str();
        return TRUE;
    }
    UINT Run(LPCTSTR commandLine, int) override
    {
        runs.push_back(commandLine);
        return 33;
    }

    INT_PTR openResult = 42;
    std::string command = "\"C:\\browser.exe\" \"%1\"";
    std::vector<std::string> opened;
    std::vector<std::string> keys;
    std::vector<std::string> runs;
};

class ShellTest : public ::testing::Test
{
protected:
    void SetUp() override { m_previous = CPPShell::Install(&m_shell); }
    void TearDown() override { CPPShell::Install(m_previous); }

    RecordingShell m_shell;
    CPPShell* m_previous = nullptr;
};

TEST_F(ShellTest, OpensAllowedLinksAndFallsBackToTheQuotedBrowserCommand)
{
    EXPECT_EQ(42, PPOpenLink("http://127.0.0.1/", SW_SHOW));
    ASSERT_EQ(1u, m_shell.opened.size());
    EXPECT_TRUE(m_shell.runs.empty());

    m_shell.openResult = SE_ERR_NOASSOC;
    EXPECT_EQ(33, PPOpenLink("https://127.0.0.1/x y", SW_SHOW));
    ASSERT_EQ(2u, m_shell.keys.size());
    EXPECT_EQ("htmlfile\\shell\\open\\command", m_shell.keys[1]);
    ASSERT_EQ(1u, m_shell.runs.size());
    EXPECT_EQ("\"C:\\browser.exe\"  \"https://127.0.0.1/x y\"", m_shell.runs[0]);

    // A registered command too long for the address: nothing runs, the
    // shell's failure is the answer.
    m_shell.command = std::string(kPPMaxCommandLine - 10, 'c');
    EXPECT_EQ(SE_ERR_NOASSOC, PPOpenLink("http://127.0.0.1/", SW_SHOW));
    EXPECT_EQ(1u, m_shell.runs.size());
}

TEST_F(ShellTest, RefusedLinksNeverReachTheShell)
{
    for (LPCTSTR url : {"javascript:alert(1)", "file:///c:/windows/win.ini", "notepad.exe",
                        "http://127.0.0.1/\"x", "http://127.0.0.1/\nx"})
        EXPECT_EQ(SE_ERR_ACCESSDENIED, PPOpenLink(url, SW_SHOW)) << url;
    EXPECT_TRUE(m_shell.opened.empty());
    EXPECT_TRUE(m_shell.runs.empty());
}

TEST_F(ShellTest, ClickedLinksReachTheShellOnlyForAllowedSchemes)
{
    CPPHtmlDrawer drawer;
    FakeMeasurer measurer;
    const CString text = "<a href=\"http://127.0.0.1/a\">web</a> <a href=\"file:///c:/x\">file</a> "
                         "<a msg=\"note\">msg</a>";
    const SIZE size = drawer.PrepareOutput(measurer, text);
    const RECT rect = {0, 0, size.cx, size.cy};
    drawer.DrawPreparedOutput(measurer, nullptr, text, &rect);
    const auto& areas = drawer.GetHotAreas();
    ASSERT_EQ(3u, areas.size());
    for (const HOTAREA& area : areas)
        drawer.OnLButtonDown(POINT{(area.rect.left + area.rect.right) / 2, (area.rect.top + area.rect.bottom) / 2});
    ASSERT_EQ(1u, m_shell.opened.size());
    EXPECT_EQ("http://127.0.0.1/a", m_shell.opened[0]);
}

}  // namespace
