#include "collector/ExportFormat.h"
#include "collector/ExportWriter.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "кот пушистый" in Windows-1251, as the Basket holds it.
const char kCat[] = "\xEA\xEE\xF2 \xEF\xF3\xF8\xE8\xF1\xF2\xFB\xE9";

CStringArray MakeBasket(std::initializer_list<const char*> words)
{
    CStringArray basket;
    for (const char* w : words)
        basket.Add(CString(w));
    return basket;
}

CStringArray MixedBasket()
{
    return MakeBasket({ kCat, "say \"hi\"", "a<b>c", "R&D", "one, two", "it's" });
}

std::string Export(int format, const CStringArray& basket)
{
    CString text;
    EXPECT_TRUE(BuildExportText(format, basket, text));
    return std::string(text, text.GetLength());
}

std::string Copy(UINT command, const CStringArray& basket)
{
    const CopyCommandInfo* info = FindCopyCommand(command);
    EXPECT_NE(nullptr, info);
    CString text = BuildCopyText(info->nFormat, basket);
    return std::string(text, text.GetLength());
}

} // namespace

TEST(ExportFormat, EmptyBasketGivesHeadAndTailOnly)
{
    CStringArray empty;
    EXPECT_EQ("<table border='1'>\r\n<tr>Words</tr>\r\n</table>", Export(ExportHtmlTable, empty));
    EXPECT_EQ("<table border='1'>\r\n<tr>Words</tr>\r\n</table>", Export(ExportHtmlTableAlso, empty));
    EXPECT_EQ("<meta name='keywords' content=''>", Export(ExportMetaTag, empty));
    EXPECT_EQ("<table border='1'>\r\n<tr></table>", Export(ExportExcel, empty));
    for (int format : { ExportText, ExportCsv, ExportAdWordsBroad, ExportAdWordsPhrase, ExportAdWordsExact })
        EXPECT_EQ("", Export(format, empty)) << format;
    for (const CopyCommandInfo& info : g_aCopyCommands)
        EXPECT_EQ("", Copy(info.nCommandId, empty)) << info.pszMenuText;
}

TEST(ExportFormat, OneKeywordInEveryFormat)
{
    CStringArray one = MakeBasket({ "blue sky" });
    EXPECT_EQ("<table border='1'>\r\n<tr>Words</tr>\r\n<tr><td align='left'>blue sky</td></tr>\r\n</table>",
              Export(ExportHtmlTable, one));
    EXPECT_EQ("blue sky\r\n", Export(ExportText, one));
    EXPECT_EQ("<meta name='keywords' content='blue sky,'>", Export(ExportMetaTag, one));
    EXPECT_EQ("\"blue sky\";\r\n", Export(ExportCsv, one));
    EXPECT_EQ("<table border='1'>\r\n<tr><tr><td align='left'>blue sky</td></table>", Export(ExportExcel, one));
    EXPECT_EQ("blue sky\r\n", Export(ExportAdWordsBroad, one));
    EXPECT_EQ("\"blue sky\"\r\n", Export(ExportAdWordsPhrase, one));
    EXPECT_EQ("[blue sky]\r\n", Export(ExportAdWordsExact, one));

    EXPECT_EQ("blue sky\r\n", Copy(ID_COPY_TEXT, one));
    EXPECT_EQ("<tr><td align='left'>blue sky</td></tr>\r\n", Copy(ID_COPY_HTML_TABLE, one));
    EXPECT_EQ("\"blue sky\";\r\n", Copy(ID_COPY_CSV, one));
    EXPECT_EQ("blue sky,", Copy(ID_COPY_METATAG, one));
    EXPECT_EQ("blue sky\r\n", Copy(ID_COPY_ADWORDS_BROAD, one));
    EXPECT_EQ("\"blue sky\"\r\n", Copy(ID_COPY_ADWORDS_PHRASE, one));
    EXPECT_EQ("[blue sky]\r\n", Copy(ID_COPY_ADWORDS_EXACT, one));
}

TEST(ExportFormat, MarkupFormatsEscapeOutsideText)
{
    CStringArray basket = MixedBasket();
    const std::string cat = kCat;
    const std::string rows =
        "<tr><td align='left'>" + cat + "</td></tr>\r\n"
        "<tr><td align='left'>say &quot;hi&quot;</td></tr>\r\n"
        "<tr><td align='left'>a&lt;b&gt;c</td></tr>\r\n"
        "<tr><td align='left'>R&amp;D</td></tr>\r\n"
        "<tr><td align='left'>one, two</td></tr>\r\n"
        "<tr><td align='left'>it&#39;s</td></tr>\r\n";
    EXPECT_EQ("<table border='1'>\r\n<tr>Words</tr>\r\n" + rows + "</table>", Export(ExportHtmlTable, basket));
    EXPECT_EQ(Export(ExportHtmlTable, basket), Export(ExportHtmlTableAlso, basket));
    EXPECT_EQ(rows, Copy(ID_COPY_HTML_TABLE, basket));

    const std::string list = cat + ",say &quot;hi&quot;,a&lt;b&gt;c,R&amp;D,one, two,it&#39;s,";
    EXPECT_EQ("<meta name='keywords' content='" + list + "'>", Export(ExportMetaTag, basket));
    EXPECT_EQ(list, Copy(ID_COPY_METATAG, basket));

    EXPECT_EQ("<table border='1'>\r\n<tr>"
              "<tr><td align='left'>" + cat + "</td>"
              "<tr><td align='left'>say &quot;hi&quot;</td>"
              "<tr><td align='left'>a&lt;b&gt;c</td>"
              "<tr><td align='left'>R&amp;D</td>"
              "<tr><td align='left'>one, two</td>"
              "<tr><td align='left'>it&#39;s</td>"
              "</table>",
              Export(ExportExcel, basket));
}

TEST(ExportFormat, CsvDoublesQuotesAndListsKeepBytes)
{
    CStringArray basket = MixedBasket();
    const std::string cat = kCat;
    const std::string csv = "\"" + cat + "\";\r\n\"say \"\"hi\"\"\";\r\n\"a<b>c\";\r\n\"R&D\";\r\n"
                            "\"one, two\";\r\n\"it's\";\r\n";
    EXPECT_EQ(csv, Export(ExportCsv, basket));
    EXPECT_EQ(csv, Copy(ID_COPY_CSV, basket));

    const std::string text = cat + "\r\nsay \"hi\"\r\na<b>c\r\nR&D\r\none, two\r\nit's\r\n";
    EXPECT_EQ(text, Export(ExportText, basket));
    EXPECT_EQ(text, Export(ExportAdWordsBroad, basket));
    EXPECT_EQ(text, Copy(ID_COPY_TEXT, basket));
    EXPECT_EQ(text, Copy(ID_COPY_ADWORDS_BROAD, basket));
    EXPECT_EQ("\"" + cat + "\"\r\n\"say \"hi\"\"\r\n\"a<b>c\"\r\n\"R&D\"\r\n\"one, two\"\r\n\"it's\"\r\n",
              Export(ExportAdWordsPhrase, basket));
    EXPECT_EQ(Export(ExportAdWordsPhrase, basket), Copy(ID_COPY_ADWORDS_PHRASE, basket));
    EXPECT_EQ("[" + cat + "]\r\n[say \"hi\"]\r\n[a<b>c]\r\n[R&D]\r\n[one, two]\r\n[it's]\r\n",
              Export(ExportAdWordsExact, basket));
    EXPECT_EQ(Export(ExportAdWordsExact, basket), Copy(ID_COPY_ADWORDS_EXACT, basket));
}

TEST(ExportFormat, CommandTables)
{
    const ExportCommandInfo* meta = FindExportCommand(ID_EXPORT_METATAG);
    ASSERT_NE(nullptr, meta);
    EXPECT_EQ(ExportMetaTag, meta->nFormat);
    EXPECT_STREQ("OnExportTometatag", meta->pszHandler);
    EXPECT_STREQ("[keywords] Meta Tag", meta->pszProposedName);
    static const char kFilter[] = "Text Files\0*.txt\0All files\0*.*\0";
    EXPECT_EQ(std::string(kFilter, sizeof(kFilter)), std::string(meta->pszFilter, sizeof(kFilter)));

    const ExportCommandInfo* excel = FindExportCommand(ID_EXPORT_EXCEL);
    ASSERT_NE(nullptr, excel);
    EXPECT_EQ(ExportExcel, excel->nFormat);
    EXPECT_STREQ("xls", excel->pszExtension);
    EXPECT_STREQ("Keywords", excel->pszProposedName);

    EXPECT_EQ(ExportAdWordsPhrase, FindExportCommand(ID_EXPORT_ADWORDS_PHRASE)->nFormat);
    EXPECT_STREQ("OnExportTotAdwordsPhraseMatch", FindExportCommand(ID_EXPORT_ADWORDS_PHRASE)->pszHandler);
    EXPECT_EQ(ExportAdWordsExact, FindExportCommand(ID_EXPORT_ADWORDS_EXACT)->nFormat);

    EXPECT_EQ(nullptr, FindExportCommand(ID_COPY_TEXT));
    EXPECT_EQ(nullptr, FindCopyCommand(ID_EXPORT_TEXT));
    EXPECT_STREQ("Brad Match", FindCopyCommand(ID_COPY_ADWORDS_BROAD)->pszMenuText);
    for (const ExportCommandInfo& info : g_aExportCommands) {
        // Every filter is pairs of strings ended by an empty one.
        LPCTSTR p = info.pszFilter;
        int parts = 0;
        while (*p) {
            p += strlen(p) + 1;
            ++parts;
        }
        EXPECT_EQ(4, parts) << info.pszHandler;
    }
}

namespace {

class RecordingProgress : public CExportProgress
{
public:
    void SetRange(int count) override { range = count; }
    void SetPos(int position) override { positions.push_back(position); }
    int range = -1;
    std::vector<int> positions;
};

class MemoryWriter : public CExportWriter
{
public:
    void WriteAll(LPCSTR data, int length) override
    {
        text.assign(data, length);
        ++writes;
    }
    std::string text;
    int writes = 0;
};

CStringArray NumberedBasket(int count)
{
    CStringArray basket;
    for (int i = 0; i < count; ++i) {
        CString kw;
        kw.Format("kw%d", i);
        basket.Add(kw);
    }
    return basket;
}

} // namespace

TEST(ExportRun, ProgressMovesInHundredthsAndNeverReachesTheCount)
{
    RecordingProgress progress;
    CString text;
    ASSERT_TRUE(BuildExportText(ExportText, NumberedBasket(250), text, &progress));
    EXPECT_EQ(250, progress.range);
    // the initial 0, then 0, 2, ..., 248
    ASSERT_EQ(126u, progress.positions.size());
    EXPECT_EQ(0, progress.positions[0]);
    EXPECT_EQ(0, progress.positions[1]);
    EXPECT_EQ(2, progress.positions[2]);
    EXPECT_EQ(248, progress.positions.back());

    RecordingProgress small;
    ASSERT_TRUE(BuildExportText(ExportText, NumberedBasket(99), text, &small));
    ASSERT_EQ(100u, small.positions.size());
    EXPECT_EQ(98, small.positions.back());

    RecordingProgress none;
    ASSERT_TRUE(BuildExportText(ExportHtmlTable, CStringArray(), text, &none));
    EXPECT_EQ(0, none.range);
    EXPECT_EQ(std::vector<int>{ 0 }, none.positions);
}

TEST(ExportRun, StopRequestWritesNothing)
{
    CStringArray basket = NumberedBasket(1000);
    volatile LONG stop = 1;
    MemoryWriter writer;
    EXPECT_FALSE(ExportKeywords(ExportCsv, basket, writer, nullptr, &stop));
    EXPECT_EQ(0, writer.writes);

    // A request arriving mid-way is seen at the next progress step.
    class StopAt : public CExportProgress
    {
    public:
        explicit StopAt(volatile LONG& flag) : m_flag(flag) {}
        void SetRange(int) override {}
        void SetPos(int position) override { if (position >= 500) m_flag = 1; }
        volatile LONG& m_flag;
    };
    stop = 0;
    StopAt stopper(stop);
    EXPECT_FALSE(ExportKeywords(ExportCsv, basket, writer, &stopper, &stop));
    EXPECT_EQ(0, writer.writes);

    stop = 0;
    EXPECT_TRUE(ExportKeywords(ExportAdWordsExact, basket, writer, nullptr, &stop));
    EXPECT_EQ(1, writer.writes);
    EXPECT_EQ(0u, writer.text.find("[kw0]\r\n[kw1]\r\n"));

    EXPECT_FALSE(ExportKeywords(9, basket, writer));
    EXPECT_EQ(1, writer.writes);
}

TEST(ExportRun, FileHoldsExactlyTheTextAndIsTruncated)
{
    char folder[MAX_PATH + 1];
    ASSERT_NE(0u, GetTempPathA(sizeof(folder), folder));
    CString path;
    path.Format("%slexifern_export_%lu.html", folder, GetCurrentProcessId());

    CExportFileWriter big(path);
    ASSERT_TRUE(ExportKeywords(ExportHtmlTable, NumberedBasket(50), big));
    CExportFileWriter writer(path);
    ASSERT_TRUE(ExportKeywords(ExportHtmlTable, MakeBasket({ kCat }), writer));

    // An unwritable target gets the file layer's own text.
    CExportFileWriter nowhere(CString(folder) + "no such folder\\Keywords.html");
    try {
        ExportKeywords(ExportText, MakeBasket({ "a" }), nowhere);
        ADD_FAILURE() << "no error for a missing folder";
    }
    catch (const CString& error) {
        EXPECT_EQ(0, error.Find("Can't open file ")) << (LPCSTR)error;
    }

    HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    char buffer[256] = {};
    DWORD read = 0;
    ReadFile(h, buffer, sizeof(buffer), &read, nullptr);
    CloseHandle(h);
    DeleteFileA(path);
    EXPECT_EQ("<table border='1'>\r\n<tr>Words</tr>\r\n<tr><td align='left'>" + std::string(kCat) +
                  "</td></tr>\r\n</table>",
              std::string(buffer, read));
}
