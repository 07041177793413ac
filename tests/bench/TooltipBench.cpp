// Prints how long the HTML drawer takes to lay out and draw a 10 KB markup
// holding a 20 x 10 table into a memory DC, and to tokenize 1 MB of markup.
#include "tooltip/PPHtmlDrawer.h"

#include <stdio.h>
#include <string>

namespace {

double Now()
{
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / f.QuadPart;
}

std::string Markup()
{
    std::string text = "<h2>Keywords</h2><br><b>Seed:</b> <font color=#0000ff>example</font><br>";
    text += "<table border=1 cellpadding=2 bgcolor=#ffffe0>";
    for (int r = 0; r < 10; ++r)
    {
        text += "<tr>";
        for (int c = 0; c < 20; ++c)
            text += "<td align=center>" + std::to_string(r * 20 + c) + "</td>";
        text += "</tr>";
    }
    text += "</table>";
    while (text.size() < 10 * 1024)
        text += "<br>Some <i>formatted</i> text with a <a href=\"http://127.0.0.1/\">link</a>\t<u>and</u> more";
    return text;
}

}  // namespace

int main()
{
    const std::string markup = Markup();
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateBitmap(2000, 4000, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, bmp);
    CPPHtmlDrawer drawer;

    const int rounds = 20;
    SIZE size = {0, 0};
    double prepareTime = 0;
    double drawTime = 0;
    for (int i = 0; i < rounds; ++i)
    {
        const double t0 = Now();
        size = drawer.PrepareOutput(dc, markup.c_str());
        const double t1 = Now();
        const RECT rect = {0, 0, size.cx, size.cy};
        drawer.DrawPreparedOutput(dc, markup.c_str(), &rect);
        prepareTime += t1 - t0;
        drawTime += Now() - t1;
    }
    printf("layout+draw of %u bytes (20x10 table), %ld x %ld px: %.2f ms (layout %.2f, draw %.2f)\n",
           static_cast<unsigned>(markup.size()), size.cx, size.cy, (prepareTime + drawTime) * 1000 / rounds,
           prepareTime * 1000 / rounds, drawTime * 1000 / rounds);

    std::string big;
    while (big.size() < 1024 * 1024)
        big += markup;
    const CString text(big.c_str());
    const double start = Now();
    int tokens = 0;
    int index = 0;
    CString tag;
    while (index < text.GetLength())
    {
        drawer.GetNextToken(text, index, tag);
        ++tokens;
    }
    printf("tokenizing %u bytes: %d tokens in %.2f ms\n", static_cast<unsigned>(big.size()), tokens,
           (Now() - start) * 1000);

    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    return 0;
}
