#include "collector/ExportFormat.h"

#include "resources/resource.h"

#include <algorithm>
#include <string.h>

const TCHAR g_szExportSection[] = "CMainFrame";

// The literal's own terminator closes the list with the empty string.
static const TCHAR kTextFilter[] = "Text files\0*.txt\0All files\0*.*\0";

const ExportCommandInfo g_aExportCommands[kExportCommandCount] = {
    { ID_EXPORT_HTML, ExportHtmlTable, "OnExportTohtmlfile", "Keywords", "html",
      "HTML files\0*.html\0All files\0*.*\0" },
    { ID_EXPORT_TEXT, ExportText, "OnExportTotextfile", "Keywords", "txt", kTextFilter },
    { ID_EXPORT_METATAG, ExportMetaTag, "OnExportTometatag", "[keywords] Meta Tag", "txt",
      "Text Files\0*.txt\0All files\0*.*\0" },
    { ID_EXPORT_CSV, ExportCsv, "OnExportTocsvfile", "Keywords", "csv",
      "CSV files\0*.csv\0All files\0*.*\0" },
    { ID_EXPORT_EXCEL, ExportExcel, "OnExportToexcel", "Keywords", "xls",
      "Excel files\0*.xls\0All files\0*.*\0" },
    { ID_EXPORT_ADWORDS_BROAD, ExportAdWordsBroad, "OnExportToAdwordsBroadMatch", "Keywords", "txt",
      kTextFilter },
    { ID_EXPORT_ADWORDS_PHRASE, ExportAdWordsPhrase, "OnExportTotAdwordsPhraseMatch", "Keywords", "txt",
      kTextFilter },
    { ID_EXPORT_ADWORDS_EXACT, ExportAdWordsExact, "OnExportToAdwordsExactMatch", "Keywords", "txt",
      kTextFilter },
};

const CopyCommandInfo g_aCopyCommands[kCopyCommandCount] = {
    { ID_COPY_TEXT, "As Text", ExportText },
    { ID_COPY_HTML_TABLE, "As HTML Table", ExportHtmlTable },
    { ID_COPY_CSV, "As Comma-Separated List", ExportCsv },
    { ID_COPY_METATAG, "As <keywords> Meta Tag", ExportMetaTag },
    // Broad match runs the plain-text routine: the same bytes as "As Text".
    { ID_COPY_ADWORDS_BROAD, "Brad Match", ExportText },
    { ID_COPY_ADWORDS_PHRASE, "Phrase Match", ExportAdWordsPhrase },
    { ID_COPY_ADWORDS_EXACT, "Exact Match", ExportAdWordsExact },
};

BOOL IsValidExportFormat(int format)
{
    return format >= ExportHtmlTable && format <= ExportHtmlTableAlso;
}

const ExportCommandInfo* FindExportCommand(UINT commandId)
{
    for (const ExportCommandInfo& info : g_aExportCommands)
        if (info.nCommandId == commandId)
            return &info;
    return nullptr;
}

const CopyCommandInfo* FindCopyCommand(UINT commandId)
{
    for (const CopyCommandInfo& info : g_aCopyCommands)
        if (info.nCommandId == commandId)
            return &info;
    return nullptr;
}

LPCTSTR GetExportHead(int format)
{
    switch (format) {
    case ExportHtmlTable:
    case ExportHtmlTableAlso:
        return "<table border='1'>\r\n<tr>Words</tr>\r\n";
    case ExportMetaTag:
        return "<meta name='keywords' content='";
    case ExportExcel:
        return "<table border='1'>\r\n<tr>";
    default:
        return "";
    }
}

LPCTSTR GetExportTail(int format)
{
    switch (format) {
    case ExportHtmlTable:
    case ExportHtmlTableAlso:
    case ExportExcel:
        return "</table>";
    case ExportMetaTag:
        return "'>";
    default:
        return "";
    }
}

namespace {

// Replacement texts of the characters markup-bearing formats must escape, so
// a suggestion never becomes a tag or closes the single-quoted attribute it
// stands in. Indexed by byte value; nullptr for bytes kept as they are.
struct EscapeTable
{
    LPCSTR text[256] = {};
    BYTE length[256] = {};
    BYTE extra[256] = {};   // bytes added over the one replaced
    EscapeTable()
    {
        Set('&', "&amp;");
        Set('<', "&lt;");
        Set('>', "&gt;");
        Set('"', "&quot;");
        Set('\'', "&#39;");
    }
    void Set(unsigned char c, LPCSTR replacement)
    {
        text[c] = replacement;
        length[c] = static_cast<BYTE>(strlen(replacement));
        extra[c] = static_cast<BYTE>(length[c] - 1);
    }
};

const EscapeTable& HtmlEscapes()
{
    static const EscapeTable table;
    return table;
}

BOOL IsMarkup(int format)
{
    return format == ExportHtmlTable || format == ExportHtmlTableAlso || format == ExportExcel ||
           format == ExportMetaTag;
}

// The fixed texts around one keyword.
void GetKeywordFrame(int format, LPCSTR& before, int& beforeLength, LPCSTR& after, int& afterLength)
{
    static const char kRowStart[] = "<tr><td align='left'>";
    before = "";
    after = "";
    switch (format) {
    case ExportHtmlTable:
    case ExportHtmlTableAlso: before = kRowStart; after = "</td></tr>\r\n"; break;
    case ExportExcel: before = kRowStart; after = "</td>"; break;
    case ExportMetaTag: after = ","; break;
    case ExportCsv: before = "\""; after = "\";\r\n"; break;
    case ExportText:
    case ExportAdWordsBroad: after = "\r\n"; break;
    case ExportAdWordsPhrase: before = "\""; after = "\"\r\n"; break;
    case ExportAdWordsExact: before = "["; after = "]\r\n"; break;
    default: ASSERT(FALSE); break;
    }
    beforeLength = static_cast<int>(strlen(before));
    afterLength = static_cast<int>(strlen(after));
}

const int kLongestEscape = 6;   // "&quot;"

// The per-keyword text of one format, written straight into a buffer: a
// million-keyword Basket must not cost a million string appends.
class CKeywordLayout
{
public:
    explicit CKeywordLayout(int format)
        : m_bMarkup(IsMarkup(format)), m_bCsv(format == ExportCsv),
          m_escapes(HtmlEscapes())
    {
        GetKeywordFrame(format, m_pszBefore, m_nBefore, m_pszAfter, m_nAfter);
    }

    int FixedBytes() const { return m_nBefore + m_nAfter; }

    // The most bytes Put can write for this keyword, without reading it.
    long long Bound(const CString& keyword) const
    {
        int factor = m_bMarkup ? kLongestEscape : m_bCsv ? 2 : 1;
        return m_nBefore + m_nAfter + static_cast<long long>(keyword.GetLength()) * factor;
    }

    char* Put(char* out, const CString& keyword) const
    {
        memcpy(out, m_pszBefore, m_nBefore);
        out += m_nBefore;
        const unsigned char* p = reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(keyword));
        const unsigned char* end = p + keyword.GetLength();
        if (m_bMarkup) {
            // Most suggestions hold nothing to escape: look first, then copy whole.
            BYTE any = 0;
            for (const unsigned char* q = p; q < end; ++q)
                any |= m_escapes.length[*q];
            if (!any) {
                memcpy(out, p, end - p);
                out += end - p;
            }
            else {
                for (; p < end; ++p) {
                    BYTE n = m_escapes.length[*p];
                    if (n == 0) {
                        *out++ = static_cast<char>(*p);
                    }
                    else {
                        memcpy(out, m_escapes.text[*p], n);
                        out += n;
                    }
                }
            }
        }
        else if (m_bCsv) {
            for (; p < end; ++p) {
                *out++ = static_cast<char>(*p);
                if (*p == '"')
                    *out++ = '"';
            }
        }
        else {
            memcpy(out, p, end - p);
            out += end - p;
        }
        memcpy(out, m_pszAfter, m_nAfter);
        return out + m_nAfter;
    }

private:
    BOOL m_bMarkup;
    BOOL m_bCsv;
    const EscapeTable& m_escapes;
    LPCSTR m_pszBefore;
    int m_nBefore;
    LPCSTR m_pszAfter;
    int m_nAfter;
};

// Appends the keyword texts to text in one pass over the keywords (each is
// a separate block in memory, so a second pass to measure them first costs
// more than growing the buffer now and then). Returns FALSE, with text
// emptied, when *stop became nonzero; it is read at each progress step.
BOOL AppendKeywords(CString& text, int format, const CStringArray& keywords,
                    CExportProgress* progress, const volatile LONG* stop)
{
    CKeywordLayout layout(format);
    const CString* data = keywords.GetData();
    int count = static_cast<int>(keywords.GetSize());

    // A first guess from a typical suggestion's length; grown by half when short.
    const long long kGuessPerKeyword = 32;
    int length = text.GetLength();
    long long capacity = std::min<long long>(
        length + (kGuessPerKeyword + layout.FixedBytes()) * count + 64, INT_MAX - 64);
    char* buffer = text.GetBuffer(static_cast<int>(capacity));
    char* out = buffer + length;

    int step = count / 100;
    if (step == 0)
        step = 1;
    if (progress) {
        progress->SetRange(count);
        progress->SetPos(0);
    }
    int untilStep = 0;   // counts down to the next multiple of step: no division per keyword
    for (int i = 0; i < count; ++i) {
        if (untilStep-- == 0) {
            untilStep = step - 1;
            if (stop && *stop) {
                text.ReleaseBuffer(0);
                return FALSE;
            }
            if (progress)
                progress->SetPos(i);
        }
        long long used = out - buffer;
        long long needed = used + layout.Bound(data[i]);
        if (needed > capacity) {
            if (needed > INT_MAX - 64)
                AfxThrowMemoryException();
            capacity = std::min<long long>(std::max(needed, capacity + capacity / 2), INT_MAX - 64);
            text.ReleaseBuffer(static_cast<int>(used));
            buffer = text.GetBuffer(static_cast<int>(capacity));
            out = buffer + used;
        }
        out = layout.Put(out, data[i]);
    }
    if (stop && *stop) {
        text.ReleaseBuffer(0);
        return FALSE;
    }
    text.ReleaseBuffer(static_cast<int>(out - buffer));
    return TRUE;
}

} // namespace

void AppendKeywordText(CString& text, int format, const CString& keyword)
{
    CKeywordLayout layout(format);
    int length = text.GetLength();
    long long bound = layout.Bound(keyword);
    if (bound > INT_MAX - 64 - length)
        AfxThrowMemoryException();
    // Geometric growth, so a caller appending keyword after keyword stays linear.
    int needed = length + static_cast<int>(bound);
    if (needed < INT_MAX / 2)
        text.Preallocate(std::max(needed, length + length / 2));
    char* buffer = text.GetBuffer(needed);
    char* end = layout.Put(buffer + length, keyword);
    text.ReleaseBuffer(static_cast<int>(end - buffer));
}

CString BuildCopyText(int format, const CStringArray& keywords)
{
    CString text;
    AppendKeywords(text, format, keywords, nullptr, nullptr);
    return text;
}

BOOL BuildExportText(int format, const CStringArray& keywords, CString& text,
                     CExportProgress* progress, const volatile LONG* stop)
{
    ASSERT(IsValidExportFormat(format));
    text = GetExportHead(format);
    if (!AppendKeywords(text, format, keywords, progress, stop))
        return FALSE;
    text += GetExportTail(format);
    return TRUE;
}
