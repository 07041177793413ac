#include "framework/util/Path.h"
#include "framework/util/CommandLineText.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

TEST(CPath, SplitsALocalPath)
{
    CPath path("C:\\data\\logs\\report.final.txt", FALSE, FALSE);
    EXPECT_EQ("C:", path.GetDrive());
    EXPECT_EQ("\\data\\logs\\", path.GetFolder(-1));
    EXPECT_EQ("report.final", path.GetTitle());
    EXPECT_EQ("txt", path.GetExtName());
    EXPECT_EQ(".txt", path.GetExtension());
    EXPECT_EQ("report.final.txt", path.GetFileName());
    EXPECT_EQ("C:\\data\\logs\\", path.GetLocation());
    EXPECT_EQ(2, path.GetFolderCount());
    EXPECT_EQ("data", path.GetFolder(0));
    EXPECT_EQ("logs", path.GetFolder(1));
    EXPECT_EQ("", path.GetFolder(5));
    EXPECT_FALSE(path.IsRelativePath());
    EXPECT_TRUE(path.IsLocalPath());
    EXPECT_STREQ("C:\\data\\logs\\report.final.txt", path.GetPathText());
}

TEST(CPath, RelativeNetworkAndBarePaths)
{
    CPath relative("data/report.txt", FALSE, FALSE);
    EXPECT_EQ("data\\", relative.GetFolder(-1));
    EXPECT_TRUE(relative.IsRelativePath());
    EXPECT_EQ("data", relative.GetFolder(0));
    EXPECT_EQ("", relative.GetRelativePath("C:\\"));

    CPath network("\\\\server\\share\\f.txt", FALSE, FALSE);
    EXPECT_EQ("", network.GetDrive());
    EXPECT_EQ(2, network.GetFolderCount());
    EXPECT_EQ("server", network.GetFolder(0));
    EXPECT_EQ("share", network.GetFolder(1));
    EXPECT_FALSE(network.IsLocalPath());
    EXPECT_EQ("server", network.GetVolumeName(TRUE));

    CPath bare("C:\\tools\\make", FALSE, FALSE);
    EXPECT_EQ("", bare.GetExtension());
    EXPECT_EQ("make", bare.GetFileName());

    CPath folder("C:\\tools\\bin", TRUE, FALSE);
    EXPECT_EQ("\\tools\\bin\\", folder.GetFolder(-1));
    EXPECT_FALSE(folder.HasFileName());
    CPath relativeFolder("logs", TRUE, FALSE);
    EXPECT_EQ("logs\\", relativeFolder.GetFolder(-1));
    EXPECT_TRUE(relativeFolder.IsRelativePath());
}

TEST(CPath, QuotedCommandLineSplitsIntoPathAndArguments)
{
    CPath path("\"C:\\Program Files\\Tool\\tool.exe\" /a /b x \"c d\"", FALSE, TRUE);
    EXPECT_EQ("C:\\Program Files\\Tool\\tool.exe", path.GetPath());
    EXPECT_EQ("/a /b x \"c d\"", path.GetArgument(-1, FALSE));
    ASSERT_EQ(3, path.GetArgumentCount());
    EXPECT_EQ("a", path.GetArgument(0, TRUE));
    EXPECT_EQ("", path.GetArgument(0, FALSE));
    EXPECT_EQ("b", path.GetArgument(1, TRUE));
    EXPECT_EQ("x", path.GetArgument(1, FALSE));
    EXPECT_EQ("", path.GetArgument(2, TRUE));
    EXPECT_EQ("c d", path.GetArgument(2, FALSE));
    EXPECT_EQ("", path.GetArgument(3, FALSE));
    EXPECT_EQ(1, path.FindArgument("-B"));
    EXPECT_EQ(-1, path.FindArgument(" / "));

    path.SetArgument("-OUT", "my file");
    path.SetArgument("/b", "y");
    EXPECT_EQ("/a /b y \"c d\" -OUT \"my file\"", path.GetArgument(-1, FALSE));
    path.RemoveArgument(0);
    path.RemoveArgument(9);
    EXPECT_EQ("C:\\Program Files\\Tool\\tool.exe /b y \"c d\" -OUT \"my file\"",
              path.GetPath(TRUE, FALSE));

    // An unclosed quote ends the parsing; what was found stays.
    path.SetArguments("/v \"open");
    EXPECT_EQ(1, path.GetArgumentCount());
    EXPECT_EQ("v", path.GetArgument(0, TRUE));
}

TEST(CPath, ArgumentNamesAndFormat)
{
    CPath::CArgument argument;
    argument.SetName("out");
    argument.SetValue("my file");
    EXPECT_EQ(" /out \"my file\"", argument.Format());
    argument.SetName("- o u t");
    EXPECT_EQ('-', argument.GetOption());
    EXPECT_EQ("out", argument.GetName());
    argument.SetValue("x");
    EXPECT_EQ(" -out x", argument.Format());
    EXPECT_EQ("", CPath::CArgument().Format());
}

TEST(CPath, CommandLinesLongerThanAPathAreParsedWhole)
{
    const CString tail(CString('z', 3000));
    CPath path("C:\\bin\\tool.exe /long " + tail, FALSE, TRUE);
    EXPECT_EQ("tool.exe", path.GetFileName());
    EXPECT_EQ(tail, path.GetArgument(0, FALSE));

    CPath longName(CString("C:\\") + CString('n', 600) + ".txt", FALSE, FALSE);
    EXPECT_EQ(600, longName.GetTitle().GetLength());
    EXPECT_EQ("txt", longName.GetExtName());

    // The joined path would not fit the canonicaliser: no answer rather than a cut one.
    CPath relative(CString('r', 200) + "\\f.txt", FALSE, FALSE);
    EXPECT_EQ("", relative.GetAbsolutePath(CString("C:\\") + CString('b', 100)));
}

TEST(CPath, AbsoluteAndRelativeForms)
{
    CPath relative("..\\docs\\.\\read.me", FALSE, FALSE);
    EXPECT_EQ("C:\\work\\docs\\read.me", relative.GetAbsolutePath("C:\\work\\src"));
    EXPECT_EQ("C:\\work\\docs\\read.me", relative.GetAbsolutePath("C:\\work\\src\\"));
    EXPECT_EQ("", relative.GetAbsolutePath(""));

    CPath absolute("C:\\work\\docs\\read.me", FALSE, FALSE);
    EXPECT_EQ("", absolute.GetAbsolutePath("C:\\other"));
    EXPECT_EQ("..\\docs\\read.me", absolute.GetRelativePath("C:\\work\\src"));
    EXPECT_EQ("docs\\read.me", absolute.GetRelativePath("C:\\work"));
}

TEST(CPath, FileQuestions)
{
    CScratchFolder folder;
    const CString file = WriteBytes(folder.File("sized.bin"), std::string(1234, 'x'));
    CPath path(file, FALSE, FALSE);
    EXPECT_TRUE(path.Exists());
    EXPECT_TRUE(path.LocationExists());
    unsigned long long size = 0;
    EXPECT_TRUE(path.GetFileSize(size));
    EXPECT_EQ(1234u, size);
    __time64_t written = 0;
    EXPECT_TRUE(path.GetFileTime(written, 2));
    EXPECT_LT(_abs64(written - _time64(nullptr)), 120);

    CPath missing(folder.File("none.bin"), FALSE, FALSE);
    EXPECT_FALSE(missing.Exists());
    EXPECT_FALSE(missing.GetFileSize(size));
    EXPECT_EQ(0u, size);
    EXPECT_FALSE(missing.GetFileTime(written, 0));
    EXPECT_EQ(0, written);

    CPath self(CPath::SpecialModuleFile);
    EXPECT_EQ("exe", self.GetExtName().MakeLower());
    EXPECT_TRUE(self.Exists());
}

TEST(PathText, TrailingSlashes)
{
    EXPECT_EQ("a\\", AddTrailingSlash("a"));
    EXPECT_EQ("a/", AddTrailingSlash("a", TRUE));
    EXPECT_EQ("a/", AddTrailingSlash("a/"));
    EXPECT_EQ("", AddTrailingSlash(""));
    EXPECT_EQ("a", RemoveTrailingSlash("a\\"));
    EXPECT_EQ("a\\", RemoveTrailingSlash("a\\\\"));
    EXPECT_EQ("", RemoveTrailingSlash(""));
}

TEST(PathText, CommandLineFunctions)
{
    CString text = "\"abc\"";
    RemoveQuotes(text);
    EXPECT_EQ("abc", text);

    EXPECT_EQ(".gz", GetFileExtension("archive.tar.gz"));
    EXPECT_EQ("", GetFileExtension("README"));

    CString line = "C:\\tools\\run.exe -fast now";
    ExtractProgramPath(line);
    EXPECT_EQ("C:\\tools\\run.exe", line);
    line = "  \"C:\\Program Files\\run.exe\" -fast";
    ExtractProgramPath(line);
    EXPECT_EQ("\"C:\\Program Files\\run.exe\"", line);
    line = "   ";
    ExtractProgramPath(line);
    EXPECT_EQ("", line);

    CScratchFolder folder;
    CString existing = folder.Path() + "\\";
    GetFolderPart(existing);
    EXPECT_EQ(folder.Path(), existing);
    CString file = "C:\\x\\y\\name.txt";
    GetFolderPart(file);
    EXPECT_EQ("C:\\x\\y\\", file);
    CString bare = "name.txt";
    GetFolderPart(bare);
    EXPECT_EQ("", bare);
}
