// The Basket's export and copy texts: the format codes, the per-command table
// the frame's export and copy handlers work from, and the text each format
// makes of the keyword array. Plain functions, so every byte is testable
// without a window; the export worker and the copy commands only call them.
#pragma once

#include "afx/ArrayTypes.h"
#include "afx/String.h"

// Format codes kept by the export dialog. Code 8 is a second name for the
// HTML table and writes the same bytes as code 0.
enum ExportFormat
{
    ExportHtmlTable = 0,
    ExportText = 1,
    ExportMetaTag = 2,
    ExportCsv = 3,
    ExportExcel = 4,
    ExportAdWordsBroad = 5,
    ExportAdWordsPhrase = 6,
    ExportAdWordsExact = 7,
    ExportHtmlTableAlso = 8,
};

BOOL IsValidExportFormat(int format);

// One export command: its format, the profile key (named as its handler in
// section "CMainFrame") that remembers the last path, the file name proposed
// the first time, and the save dialog's extension and filter. The filter is
// the dialog's own form: description and pattern pairs, each NUL-terminated,
// ended by an empty string.
struct ExportCommandInfo
{
    UINT nCommandId;
    int nFormat;
    LPCTSTR pszHandler;
    LPCTSTR pszProposedName;
    LPCTSTR pszExtension;
    LPCTSTR pszFilter;
};

const int kExportCommandCount = 8;
extern const ExportCommandInfo g_aExportCommands[kExportCommandCount];
extern const TCHAR g_szExportSection[];   // "CMainFrame"

// nullptr for an id that is not an export command.
const ExportCommandInfo* FindExportCommand(UINT commandId);

// One copy command: its menu text and the format whose per-keyword text it
// puts on the clipboard. There is no copy form of the Excel format.
struct CopyCommandInfo
{
    UINT nCommandId;
    LPCTSTR pszMenuText;
    int nFormat;
};

const int kCopyCommandCount = 7;
extern const CopyCommandInfo g_aCopyCommands[kCopyCommandCount];

const CopyCommandInfo* FindCopyCommand(UINT commandId);

// The text a file starts and ends with; empty for the plain lists.
LPCTSTR GetExportHead(int format);
LPCTSTR GetExportTail(int format);

// Appends one keyword's text in the given format. Keywords come from an
// outside service, so the formats that are markup (HTML table, Excel, meta
// tag) escape & < > " ' and CSV doubles a quote; the plain lists keep the
// keyword's bytes as they are.
void AppendKeywordText(CString& text, int format, const CString& keyword);

// The clipboard text: the per-keyword texts of every entry, no head or tail.
CString BuildCopyText(int format, const CStringArray& keywords);

// Told how far the text has been built. The range is set once, then the
// position moves in steps of one hundredth of the count (at least 1); it
// never reaches the count itself.
class CExportProgress
{
public:
    virtual ~CExportProgress() = default;
    virtual void SetRange(int count) = 0;
    virtual void SetPos(int position) = 0;
};

// Builds head + body + tail. Returns FALSE (and leaves text incomplete) when
// *stop became nonzero while building; the flag is only read.
BOOL BuildExportText(int format, const CStringArray& keywords, CString& text,
                     CExportProgress* progress = nullptr, const volatile LONG* stop = nullptr);
