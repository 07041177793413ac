#include "framework/log/Printer.h"

#include "afx/GdiObject.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct TextCall
{
    int x, y;
    CString text;
    COLORREF color;
};

// A memory DC that remembers every text drawn on it, with its colour.
class RecordingDC : public CDC
{
public:
    BOOL TextOut(int x, int y, LPCTSTR text, int count) override
    {
        calls.push_back({ x, y, CString(text, count), GetTextColor() });
        return CDC::TextOut(x, y, text, count);
    }
    std::vector<TextCall> calls;
};

// Follows the document and page calls, which a memory DC cannot keep.
class PagingPrinter : public CPrinter
{
public:
    explicit PagingPrinter(CDC* dc, int startDocResult = 1) : CPrinter(dc), m_startDocResult(startDocResult) {}
    ~PagingPrinter() override
    {
        if (m_bDocOpen)
            EndPrinting();
    }
    std::vector<std::string> log;
    int pageHeight() const { return m_nPageHeight; }

protected:
    int DeviceStartDoc(LPDOCINFO info) override
    {
        log.push_back(std::string("StartDoc ") + info->lpszDocName);
        return m_startDocResult;
    }
    int DeviceStartPage() override { log.push_back("StartPage"); return 1; }
    int DeviceEndPage() override { log.push_back("EndPage"); return 1; }
    int DeviceEndDoc() override { log.push_back("EndDoc"); return 1; }

private:
    int m_startDocResult;
};

class PrinterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CDC screen;
        screen.Attach(GetDC(nullptr));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)));
        ReleaseDC(nullptr, screen.Detach());
        old = dc.SelectObject(&bitmap);
        RECT all = { 0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES) };
        dc.FillSolidRect(&all, RGB(255, 255, 255));
    }
    void TearDown() override { dc.SelectObject(old); }

    RecordingDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
};
}

TEST_F(PrinterTest, MarginsAndLineHeightComeFromTheDevice)
{
    PagingPrinter printer(&dc);
    ASSERT_TRUE(printer.StartPrinting());
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight + tm.tmInternalLeading, printer.GetLineHeight());
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY) / 2, printer.GetTopMargin());
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX) / 2, printer.GetLeftMargin());
    // The fixed-pitch stock font is selected for the lines.
    EXPECT_EQ(GetStockObject(ANSI_FIXED_FONT), GetCurrentObject(dc, OBJ_FONT));
    EXPECT_EQ("StartDoc Lexifern", printer.log[0]);
}

TEST_F(PrinterTest, NoLinesStartNoPage)
{
    PagingPrinter printer(&dc);
    ASSERT_TRUE(printer.StartPrinting());
    EXPECT_TRUE(printer.EndPrinting());
    EXPECT_EQ((std::vector<std::string>{ "StartDoc Lexifern", "EndPage", "EndDoc" }), printer.log);
    EXPECT_EQ(0, printer.GetPage());
    EXPECT_TRUE(dc.calls.empty());
}

TEST_F(PrinterTest, BreaksPagesWhereTheBottomMarginBegins)
{
    PagingPrinter printer(&dc);
    ASSERT_TRUE(printer.StartPrinting());
    int top = printer.GetTopMargin();
    int lineHeight = printer.GetLineHeight();
    int linesPerPage = (printer.pageHeight() - 2 * top) / lineHeight + 1;
    int total = 2 * linesPerPage + 3;
    for (int i = 0; i < total; ++i) {
        CString line;
        line.Format("line %d", i);
        ASSERT_TRUE(printer.PrintLine(line));
    }
    EXPECT_EQ(3, printer.GetPage());
    EXPECT_TRUE(printer.EndPrinting());

    int starts = 0, ends = 0;
    for (const std::string& call : printer.log) {
        starts += call == "StartPage";
        ends += call == "EndPage";
    }
    EXPECT_EQ(3, starts);
    EXPECT_EQ(3, ends);
    EXPECT_EQ("EndDoc", printer.log.back());

    // Each page: the application's name and the page number above the rule,
    // then the lines from the top margin down, one line height apart.
    int index = 0;
    for (int page = 1; page <= 3; ++page) {
        ASSERT_LT(index + 1, static_cast<int>(dc.calls.size()));
        EXPECT_STREQ("Lexifern", dc.calls[index].text);
        EXPECT_EQ(top - (3 * lineHeight) / 2, dc.calls[index].y);
        CString number;
        number.Format("%d", page);
        EXPECT_STREQ(number, dc.calls[index + 1].text);
        EXPECT_EQ(dc.GetDeviceCaps(HORZRES) - printer.GetLeftMargin(),
                  dc.calls[index + 1].x + dc.GetTextExtent(number).cx);
        index += 2;
        int onPage = page < 3 ? linesPerPage : 3;
        for (int k = 0; k < onPage; ++k, ++index) {
            ASSERT_LT(index, static_cast<int>(dc.calls.size()));
            EXPECT_EQ(top + k * lineHeight, dc.calls[index].y) << "page " << page << " line " << k;
            EXPECT_EQ(printer.GetLeftMargin(), dc.calls[index].x);
        }
    }
    EXPECT_EQ(static_cast<int>(dc.calls.size()), index);
}

TEST_F(PrinterTest, HeaderDrawsARedRuleAndKeepsTheCallersColours)
{
    PagingPrinter printer(&dc);
    ASSERT_TRUE(printer.StartPrinting());
    dc.SetTextColor(RGB(0, 0x80, 0));
    HGDIOBJ penBefore = GetCurrentObject(dc, OBJ_PEN);
    ASSERT_TRUE(printer.PrintLine("text"));
    EXPECT_EQ(RGB(0, 0, 0), dc.calls[0].color);        // header in black
    EXPECT_EQ(RGB(0, 0x80, 0), dc.calls[2].color);     // the line in the caller's colour
    EXPECT_EQ(penBefore, GetCurrentObject(dc, OBJ_PEN));

    int ruleY = printer.GetTopMargin() - printer.GetLineHeight() / 2;
    int middle = dc.GetDeviceCaps(HORZRES) / 2;
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(middle, ruleY));
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(printer.GetLeftMargin() / 2, ruleY));
    printer.EndPrinting();
}

TEST_F(PrinterTest, ARefusedDocumentIsReportedAndNothingIsEnded)
{
    PagingPrinter printer(&dc, -1);
    EXPECT_FALSE(printer.StartPrinting());
    EXPECT_EQ(1u, printer.log.size());

    // On the bare memory DC the system refuses the document too.
    CPrinter plain(&dc);
    EXPECT_FALSE(plain.StartPrinting());
}
