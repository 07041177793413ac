// Drives the real main view in real windows with large Baskets and prints
// what a user waits for: start-up, one check or uncheck until the box shows
// it and "Basket.txt" is written, one answer, one resize of the main window,
// the Basket logic against a minimal program on the same lines, a fill of
// 50,000 suggestions, one very long line and a 10 MB Basket. It measures and
// prints; it checks no time. An argument sets the number of rows of the large
// fill (default 50,000).
#include "collector/BasketFile.h"
#include "collector/BasketText.h"
#include "collector/CollectorMessages.h"
#include "collector/LexifernApp.h"
#include "collector/LexifernView.h"
#include "afx/FrameWnd.h"
#include "tests/bench/BenchBasket.h"

#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
const int kBasketLines = 100000;
const int kHugeBasketLines = 700000;
const int kLongLineBytes = 100000;
const int kRounds = 5;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// The suggestion service's answer for these suggestions (count "7" each).
std::string MakeAnswer(const std::vector<std::string>& suggestions)
{
    std::string answer = "window.ac.h([\"k\",[";
    for (const std::string& suggestion : suggestions)
        answer += "[\"" + suggestion + "\",\"7 results\",\"0\"],";
    answer += "[]]])";
    return answer;
}

HGLOBAL GlobalText(const std::string& text)
{
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, text.size() + 1);
    memcpy(static_cast<char*>(block), text.c_str(), text.size() + 1);
    return block;
}

void PumpWaiting()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void WriteBasketFile(const CString& path, const CString& text)
{
    CString error;
    if (!CBasketFile(path).Save(text, error))
    {
        printf("%s\n", (LPCTSTR)error);
        exit(1);
    }
}

DWORD FileSize(const CString& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path, GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

class BenchApp : public CLexifernApp
{
public:
    int DoMessageBox(LPCTSTR, UINT, UINT) override { return IDOK; }
};

class BenchView : public CLexifernView
{
public:
    explicit BenchView(const CString& path) : m_path(path) {}
    using CLexifernView::FillSuggestionList;

protected:
    BOOL StartSuggestionThread(const CString&) override { return TRUE; }
    CString GetBasketPath() override { return m_path; }
    void ShowBasketWriteWarning(const CString& reason) override { printf("warning: %s\n", (LPCTSTR)reason); }

private:
    CString m_path;
};

// Answers one message sent from another thread, as a watcher of a starting
// program would see it.
struct Prober
{
    HWND target = nullptr;
    HANDLE start = nullptr;
    HANDLE answered = nullptr;
    double answeredAt = 0;

    static DWORD WINAPI Run(LPVOID param)
    {
        Prober* self = static_cast<Prober*>(param);
        WaitForSingleObject(self->start, INFINITE);
        DWORD_PTR result = 0;
        SendMessageTimeoutA(self->target, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &result);
        self->answeredAt = BenchNow();
        SetEvent(self->answered);
        return 0;
    }
};

// The main window with the view in it, made as the program makes it.
class Program
{
public:
    explicit Program(const CString& basketPath)
    {
        m_frame = new CFrameWnd;
        m_frame->Create(nullptr, "bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1000, 760));
        m_view = new BenchView(basketPath);
    }

    ~Program()
    {
        if (m_frame->GetSafeHwnd())
            m_frame->DestroyWindow();
        PumpWaiting();
    }

    void CreateView()
    {
        CRect client;
        m_frame->GetClientRect(&client);
        m_view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, client, m_frame, AFX_IDW_PANE_FIRST, nullptr);
        m_view->OnInitialUpdate();
        m_frame->ShowWindow(SW_SHOWNORMAL);
        m_frame->UpdateWindow();
    }

    // Pumps until the Basket box holds the whole text (asking the box for
    // its length costs a pass over the text, so it is asked only when the
    // box has nothing more to load).
    void WaitUntilShown(int length)
    {
        while (m_view->m_wndBasket.IsLoading() || m_view->m_wndBasket.GetWindowTextLength() != length)
        {
            MSG msg;
            if (GetMessageA(&msg, nullptr, 0, 0) <= 0)
                break;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    CFrameWnd* m_frame;
    BenchView* m_view;
};

struct StartUp
{
    double answers;   // until the main window answers a sent message
    double shown;     // until the box shows the whole Basket
};

// Until the box shows the whole Basket is waited for only when asked.
StartUp MeasureStartUp(const CString& path, const CString& text, bool waitShown = true)
{
    WriteBasketFile(path, text);
    const double start = BenchNow();
    Program program(path);
    Prober prober;
    prober.target = program.m_frame->GetSafeHwnd();
    prober.start = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    prober.answered = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, &Prober::Run, &prober, 0, nullptr);
    program.CreateView();
    while (MsgWaitForMultipleObjects(1, &prober.answered, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
        PumpWaiting();
    StartUp result;
    result.answers = prober.answeredAt - start;
    result.shown = 0;
    if (waitShown)
    {
        program.WaitUntilShown(text.GetLength());
        result.shown = BenchNow() - start;
    }
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CloseHandle(prober.start);
    CloseHandle(prober.answered);
    return result;
}

StartUp MedianStartUp(const CString& path, const CString& text, int rounds)
{
    std::vector<double> answers, shown;
    for (int i = 0; i < rounds; ++i)
    {
        const StartUp one = MeasureStartUp(path, text, i == 0);
        answers.push_back(one.answers);
        if (i == 0)
            shown.push_back(one.shown);
    }
    return { Median(answers), Median(shown) };
}

struct CheckTimes
{
    double check;
    double uncheck;
};

// Ticks and unticks rows that are not in the Basket; each change ends when
// the box has painted it and the file holds the new Basket.
CheckTimes MeasureChecks(Program& program, const CString& path, int rounds)
{
    BenchView* view = program.m_view;
    CStringArray suggestions, counts;
    for (int i = 0; i < rounds; ++i)
    {
        CString keyword;
        keyword.Format("bench keyword %d", i);
        suggestions.Add(keyword);
        counts.Add("7");
    }
    view->FillSuggestionList(suggestions, counts);
    const DWORD before = FileSize(path);
    std::vector<double> checks, unchecks;
    for (int i = 0; i < rounds; ++i)
    {
        const DWORD grown = before + static_cast<DWORD>(suggestions[i].GetLength()) + (before ? 2 : 0);
        double start = BenchNow();
        view->m_wndList.SetCheck(i, TRUE);
        view->m_wndBasket.UpdateWindow();
        checks.push_back(BenchNow() - start);
        if (FileSize(path) != grown)
            printf("  (the file did not grow by the keyword: %lu bytes)\n", FileSize(path));
        start = BenchNow();
        view->m_wndList.SetCheck(i, FALSE);
        view->m_wndBasket.UpdateWindow();
        unchecks.push_back(BenchNow() - start);
        if (FileSize(path) != before)
            printf("  (the file did not shrink back: %lu bytes)\n", FileSize(path));
        PumpWaiting();
    }
    return { Median(checks), Median(unchecks) };
}

double MeasureAnswer(Program& program, const std::string& answer, int rounds)
{
    std::vector<double> times;
    for (int i = 0; i <= rounds; ++i)
    {
        const double start = BenchNow();
        program.m_view->SendMessage(WM_SUGGESTION_RESULT, reinterpret_cast<WPARAM>(GlobalText("k")),
                                    reinterpret_cast<LPARAM>(GlobalText(answer)));
        program.m_view->m_wndList.UpdateWindow();
        if (i > 0)   // the first answer warms the list up
            times.push_back(BenchNow() - start);
        PumpWaiting();
    }
    return Median(times);
}

double MeasureResize(Program& program, int rounds)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i)
    {
        const int size = i % 2 ? 0 : -40;
        const double start = BenchNow();
        program.m_frame->SetWindowPos(nullptr, 0, 0, 1000 + size, 760 + size, SWP_NOMOVE | SWP_NOZORDER);
        program.m_frame->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        times.push_back(BenchNow() - start);
        PumpWaiting();
    }
    return Median(times);
}

// What any program doing the same job must spend: read the file, split it
// into lines, add the keyword, std::sort, std::unique, join and write.
double MinimalChange(const CString& path, const char* keyword)
{
    const double start = BenchNow();
    std::string text;
    HANDLE in = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    text.resize(GetFileSize(in, nullptr));
    DWORD got = 0;
    ReadFile(in, &text[0], static_cast<DWORD>(text.size()), &got, nullptr);
    CloseHandle(in);
    std::vector<std::string> lines;
    lines.emplace_back(keyword);
    for (size_t from = 0; from <= text.size();)
    {
        size_t end = text.find("\r\n", from);
        if (end == std::string::npos)
            end = text.size();
        lines.emplace_back(text, from, end - from);
        from = end + 2;
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    std::string out;
    out.reserve(text.size() + 64);
    for (size_t i = 0; i < lines.size(); ++i)
        out += (i ? "\r\n" : "") + lines[i];
    HANDLE file = CreateFileA(path + ".min", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
    CloseHandle(file);
    const double spent = BenchNow() - start;
    DeleteFileA(path + ".min");
    return spent;
}

// The Basket's own work for one check: the rules on the box text, then the
// file (after a hand edit of the box).
double LogicChange(const CString& path, const CString& text, const char* keyword)
{
    const double start = BenchNow();
    CStringArray lines;
    const CString changed = CBasketText(TRUE, TRUE).AddToBasket(text, keyword, lines);
    CString error;
    CBasketFile(path).Save(changed, error);
    return BenchNow() - start;
}

// The same on the lines the view keeps (every other check).
double KeptLinesChange(const CString& path, CStringArray& lines, const char* keyword)
{
    const double start = BenchNow();
    const CBasketText rules(TRUE, TRUE);
    if (!rules.IsArranged(lines))
        printf("  (the lines are not arranged)\n");
    rules.AddToArranged(lines, keyword);
    CString error;
    CBasketFile(path).Save(CBasketText::JoinLines(lines), error);
    return BenchNow() - start;
}

std::vector<std::string> Suggestions(int count, int inBasketEvery, const CString& basket)
{
    // Every inBasketEvery-th suggestion is a line of the Basket, the others are new.
    std::vector<std::string> lines;
    CStringArray basketLines;
    CBasketText::SplitKeywords(basket, basketLines);
    for (int i = 0; i < count; ++i)
    {
        if (inBasketEvery > 0 && i % inBasketEvery == 0 && basketLines.GetSize() > 0
            && static_cast<unsigned char>(basketLines[i % basketLines.GetSize()][0]) < 0x80)
            lines.push_back(static_cast<LPCTSTR>(basketLines[i % basketLines.GetSize()]));
        else
            lines.push_back("fill " + std::to_string(i));
    }
    return lines;
}

void Report(const char* what, double value, const char* target)
{
    printf("%-62s %9.1f ms   %s\n", what, value, target);
}
}

int main(int argc, char** argv)
{
    const int fillRows = argc > 1 ? atoi(argv[1]) : 50000;
    INITCOMMONCONTROLSEX icc = { sizeof icc, ICC_WIN95_CLASSES };
    InitCommonControlsEx(&icc);
    BenchApp* app = new BenchApp;
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    app->SetRegistryKey("Tarnwick");

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    CString folder;
    folder.Format("%slexifern-bench-%lu\\", temp, GetCurrentProcessId());
    CreateDirectoryA(folder, nullptr);
    const CString path = CBasketFile::PathInFolder(folder);

    const CString basket = MakeBenchBasket(kBasketLines);
    printf("Basket: %d lines, %d bytes (Latin and Windows-1251)\n", kBasketLines, basket.GetLength());

    // 1. Start-up: empty against the large Basket (a first start warms up).
    MeasureStartUp(path, "");
    const StartUp empty = MedianStartUp(path, "", 3);
    const StartUp full = MedianStartUp(path, basket, 3);
    Report("start-up until the window answers, empty Basket", empty.answers, "");
    Report("start-up until the window answers, 100,000 lines", full.answers, "");
    printf("%-62s %9.2f x    target <= 1.5 x\n", "  ratio", full.answers / empty.answers);
    Report("  until the box shows the whole Basket, 100,000 lines", full.shown, "(for information)");

    // 2. to 4. Check, answer and resize with the large Basket, answer also empty.
    const std::string answer = MakeAnswer({ "car", "car rental", "car wash", "car parts", "car insurance",
                                            "car seat", "car loan", "car games", "car hire", "car audio" });
    double emptyAnswer = 0, emptyResize = 0;
    {
        WriteBasketFile(path, "");
        Program program(path);
        program.CreateView();
        emptyAnswer = MeasureAnswer(program, answer, kRounds);
        emptyResize = MeasureResize(program, kRounds);
    }
    {
        WriteBasketFile(path, basket);
        Program program(path);
        program.CreateView();
        program.m_view->m_wndBasket.FinishLoading();
        program.WaitUntilShown(basket.GetLength());
        const CheckTimes checks = MeasureChecks(program, path, kRounds);
        Report("check one row until box shows it and file is written", checks.check, "target <= 100 ms");
        Report("uncheck one row until box shows it and file is written", checks.uncheck, "target <= 100 ms");
        const double fullAnswer = MeasureAnswer(program, answer, kRounds);
        Report("answer of 10 rows until the list shows it, empty Basket", emptyAnswer, "");
        Report("answer of 10 rows until the list shows it, 100,000 lines", fullAnswer, "");
        Report("  difference", fullAnswer - emptyAnswer, "target <= 5 ms");
        Report("one resize of the main window, empty Basket", emptyResize, "");
        Report("one resize of the main window, 100,000 lines", MeasureResize(program, kRounds),
               "target <= 50 ms");

        // 6. The large fill: rows checked where they are in the Basket.
        const std::string big = MakeAnswer(Suggestions(fillRows, 2, basket));
        const double start = BenchNow();
        program.m_view->SendMessage(WM_SUGGESTION_RESULT, reinterpret_cast<WPARAM>(GlobalText("k")),
                                    reinterpret_cast<LPARAM>(GlobalText(big)));
        program.m_view->m_wndList.UpdateWindow();
        const double fill = BenchNow() - start;
        char what[100];
        sprintf(what, "answer of %d rows filled and checked, 100,000 lines", program.m_view->m_wndList.GetItemCount());
        Report(what, fill, fillRows == 50000 ? "target <= 500 ms" : "");
    }

    // 5. The logic alone against a minimal program on the same lines.
    {
        std::vector<double> logic, kept, minimal;
        for (int i = 0; i < kRounds; ++i)
        {
            WriteBasketFile(path, basket);
            minimal.push_back(MinimalChange(path, "bench keyword"));
            logic.push_back(LogicChange(path, basket, "bench keyword"));
            CStringArray lines;
            CBasketText::SplitKeywords(basket, lines);
            kept.push_back(KeptLinesChange(path, lines, "bench keyword"));
        }
        Report("minimal program (read, sort, unique, write), 100,000 lines", Median(minimal), "");
        Report("Basket logic of a check on the lines kept (join, write)", Median(kept), "");
        printf("%-62s %9.2f x    target <= 2 x\n", "  ratio", Median(kept) / Median(minimal));
        Report("Basket logic after a hand edit (split, sort, dedupe, join, write)", Median(logic), "");
        printf("%-62s %9.2f x    target <= 2 x\n", "  ratio", Median(logic) / Median(minimal));
    }

    // 7. One 100,000-byte line against the same bytes in short lines.
    {
        CString longLine;
        for (int i = 0; longLine.GetLength() < kLongLineBytes; ++i)
            longLine.AppendFormat("w%d ", i);
        longLine = longLine.Left(kLongLineBytes);
        CString shortLines = longLine;
        for (int i = 23; i < shortLines.GetLength(); i += 25)
        {
            shortLines.SetAt(i - 1, '\r');
            shortLines.SetAt(i, '\n');
        }
        CStringArray lines;
        shortLines = CBasketText(TRUE, TRUE).AddToBasket(shortLines, "w", lines);
        for (const CString& text : { longLine, shortLines })
        {
            const StartUp start = MeasureStartUp(path, text);
            WriteBasketFile(path, text);
            Program program(path);
            program.CreateView();
            program.WaitUntilShown(text.GetLength());
            const CheckTimes checks = MeasureChecks(program, path, 3);
            char what[100];
            sprintf(what, "%s: start-up until shown", text == longLine ? "one 100,000-byte line" : "same bytes in short lines");
            Report(what, start.shown, "");
            sprintf(what, "%s: check", text == longLine ? "one 100,000-byte line" : "same bytes in short lines");
            Report(what, checks.check, "");
        }
    }

    // 8. A 10 MB Basket.
    {
        const CString huge = MakeBenchBasket(kHugeBasketLines, true);
        const StartUp start = MeasureStartUp(path, huge, false);
        char what[100];
        sprintf(what, "%d lines (%d bytes): start-up until the window answers", kHugeBasketLines,
                huge.GetLength());
        Report(what, start.answers, "");
        Program program(path);
        program.CreateView();
        program.m_view->m_wndBasket.FinishLoading();
        program.WaitUntilShown(huge.GetLength());
        const CheckTimes checks = MeasureChecks(program, path, 3);
        Report("  check", checks.check, "target <= 1000 ms");
        Report("  uncheck", checks.uncheck, "target <= 1000 ms");
    }

    DeleteFileA(path);
    RemoveDirectoryA(folder);
    return 0;
}
