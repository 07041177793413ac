#include "collector/ExportWriter.h"

#include "framework/util/FileHandle.h"

void CExportFileWriter::WriteAll(LPCSTR data, int length)
{
    CFileHandle file(m_strPath);
    file.OpenWrite();
    // One block rather than the text writer's byte at a time: scrambling is
    // off for exports, so the bytes on disk are the same.
    try {
        file.WriteBlock(data, static_cast<DWORD>(length));
        file.Close();
    } catch (const CString&) {
        // The file was truncated when opened: a short write would leave a
        // cut-off export that looks whole.
        if (file.IsOpen())
            file.Close();
        ::DeleteFileA(m_strPath);
        throw;
    }
}

BOOL ExportKeywords(int format, const CStringArray& keywords, CExportWriter& writer,
                    CExportProgress* progress, const volatile LONG* stop)
{
    if (!IsValidExportFormat(format))
        return FALSE;
    CString text;
    if (!BuildExportText(format, keywords, text, progress, stop))
        return FALSE;
    writer.WriteAll(text, text.GetLength());
    return TRUE;
}
