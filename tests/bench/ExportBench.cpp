// Measures the export of a million-keyword Basket in every format against
// writing the same number of bytes with one WriteFile call, and prints both.
#include "collector/ExportWriter.h"

#include <algorithm>
#include <stdio.h>

namespace {

const int kKeywords = 1000000;
const int kRuns = 3;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

double WriteOnce(const CString& path, const char* data, DWORD length)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, data, length, &written, nullptr);
    CloseHandle(h);
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

} // namespace

int main()
{
    // Suggestions look like this: a few words, some Cyrillic, now and then a
    // character the markup formats must escape.
    CStringArray basket;
    basket.SetSize(0, kKeywords);
    for (int i = 0; i < kKeywords; ++i) {
        CString kw;
        switch (i % 4) {
        case 0: kw.Format("buy cheap flights %d", i); break;
        case 1: kw.Format("\xEA\xF3\xEF\xE8\xF2\xFC \xE1\xE8\xEB\xE5\xF2 %d", i); break;
        case 2: kw.Format("rock & roll \"live\" %d", i); break;
        default: kw.Format("weather in town number %d", i); break;
        }
        basket.Add(kw);
    }

    char folder[MAX_PATH + 1];
    if (!GetTempPathA(sizeof(folder), folder))
        return 1;
    CString exportPath = CString(folder) + "lexifern_bench_export.tmp";
    CString plainPath = CString(folder) + "lexifern_bench_plain.tmp";

    static const char* const names[] = { "HTML table", "text", "meta tag", "CSV", "Excel",
                                         "AdWords broad", "AdWords phrase", "AdWords exact" };
    printf("%-16s %12s %10s %10s %12s %8s\n", "format", "bytes", "build s", "export s", "WriteFile s", "ratio");
    for (int format = ExportHtmlTable; format <= ExportAdWordsExact; ++format) {
        // The best of a few runs: the machine is shared, and a single run
        // measures the neighbours as much as the code.
        double exportTime = 1e9, buildTime = 1e9, plainTime = 1e9;
        CString text;
        for (int run = 0; run < kRuns; ++run) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            CExportFileWriter writer(exportPath);
            ExportKeywords(format, basket, writer);
            QueryPerformanceCounter(&end);
            exportTime = std::min(exportTime, Seconds(start, end));

            QueryPerformanceCounter(&start);
            BuildExportText(format, basket, text);
            QueryPerformanceCounter(&end);
            buildTime = std::min(buildTime, Seconds(start, end));
            plainTime = std::min(plainTime, WriteOnce(plainPath, text, text.GetLength()));
        }
        printf("%-16s %12d %10.3f %10.3f %12.3f %8.2f\n", names[format], text.GetLength(), buildTime, exportTime,
               plainTime,
               plainTime > 0 ? exportTime / plainTime : 0.0);
    }
    DeleteFileA(exportPath);
    DeleteFileA(plainPath);
    return 0;
}
