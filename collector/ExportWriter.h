// Where an export's bytes go, and the one call the export worker makes: build
// the format's whole text, then hand it to the writer in a single write. A
// stopped export never reaches the writer, so it leaves no partial file.
#pragma once

#include "collector/ExportFormat.h"

// Receives the finished text. Failures are thrown by the implementation in
// the form its file layer uses; the caller catches them.
class CExportWriter
{
public:
    virtual ~CExportWriter() = default;
    virtual void WriteAll(LPCSTR data, int length) = 0;
};

// Creates or truncates the file at the path through the framework's file
// object, writes the text and closes it. Failures are thrown as that object
// throws them: a CString such as "Can't open file <path>".
class CExportFileWriter : public CExportWriter
{
public:
    explicit CExportFileWriter(const CString& path) : m_strPath(path) {}
    void WriteAll(LPCSTR data, int length) override;

private:
    CString m_strPath;
};

// FALSE when stopped (nothing written); TRUE when the writer has the text.
BOOL ExportKeywords(int format, const CStringArray& keywords, CExportWriter& writer,
                    CExportProgress* progress = nullptr, const volatile LONG* stop = nullptr);
