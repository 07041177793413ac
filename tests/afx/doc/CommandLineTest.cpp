// The command line as the shell and installers write it.
#include "afx/CommandLineInfo.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

CCommandLineInfo Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "lexifern.exe");
    CCommandLineInfo info;
    AfxParseCommandLine(info, static_cast<int>(args.size()), const_cast<char**>(args.data()));
    return info;
}

} // namespace

TEST(CommandLine, NoArgumentMeansANewDocumentWithSplash)
{
    CCommandLineInfo info = Parse({});
    EXPECT_EQ(CCommandLineInfo::FileNew, info.m_nShellCommand);
    EXPECT_TRUE(info.m_strFileName.IsEmpty());
    EXPECT_TRUE(info.m_bShowSplash);
    EXPECT_FALSE(info.m_bRunEmbedded);
}

TEST(CommandLine, AFileOpensItAndOnlyTheFirstFileCounts)
{
    CCommandLineInfo info = Parse({"C:\\\xEF\xE0\xEF\xEA\xE0\\a b.kovr"});
    EXPECT_EQ(CCommandLineInfo::FileOpen, info.m_nShellCommand);
    EXPECT_STREQ("C:\\\xEF\xE0\xEF\xEA\xE0\\a b.kovr", info.m_strFileName);

    info = Parse({"first.kovr", "second.kovr"});
    EXPECT_EQ(CCommandLineInfo::FileOpen, info.m_nShellCommand);
    EXPECT_STREQ("first.kovr", info.m_strFileName);
}

TEST(CommandLine, PrintFlagsTakeTheFileAndThePrinter)
{
    CCommandLineInfo info = Parse({"/p", "doc.kovr"});
    EXPECT_EQ(CCommandLineInfo::FilePrint, info.m_nShellCommand);
    EXPECT_STREQ("doc.kovr", info.m_strFileName);

    info = Parse({"-PT", "doc.kovr", "Printer", "Driver", "LPT1:"});
    EXPECT_EQ(CCommandLineInfo::FilePrintTo, info.m_nShellCommand);
    EXPECT_STREQ("doc.kovr", info.m_strFileName);
    EXPECT_STREQ("Printer", info.m_strPrinterName);
    EXPECT_STREQ("Driver", info.m_strDriverName);
    EXPECT_STREQ("LPT1:", info.m_strPortName);
}

TEST(CommandLine, DdeRegistrationAndEmbeddingFlags)
{
    EXPECT_EQ(CCommandLineInfo::FileDDE, Parse({"/dde"}).m_nShellCommand);
    EXPECT_EQ(CCommandLineInfo::AppRegister, Parse({"/Register"}).m_nShellCommand);
    EXPECT_EQ(CCommandLineInfo::AppRegister, Parse({"-regserver"}).m_nShellCommand);
    EXPECT_EQ(CCommandLineInfo::AppUnregister, Parse({"/UNREGSERVER"}).m_nShellCommand);

    CCommandLineInfo info = Parse({"/Embedding"});
    EXPECT_TRUE(info.m_bRunEmbedded);
    EXPECT_FALSE(info.m_bShowSplash);
    EXPECT_EQ(CCommandLineInfo::FileNew, info.m_nShellCommand);

    info = Parse({"-Automation"});
    EXPECT_TRUE(info.m_bRunAutomated);
    EXPECT_FALSE(info.m_bShowSplash);
}

TEST(CommandLine, UnknownFlagsAreIgnored)
{
    CCommandLineInfo info = Parse({"/whatever", "doc.kovr"});
    EXPECT_EQ(CCommandLineInfo::FileOpen, info.m_nShellCommand);
    EXPECT_STREQ("doc.kovr", info.m_strFileName);
    EXPECT_TRUE(info.m_bShowSplash);
}
