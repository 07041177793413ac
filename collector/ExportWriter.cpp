#include "collector/ExportWriter.h"

#include "afx/File.h"

void CExportFileWriter::WriteAll(LPCSTR data, int length)
{
    CFile file(m_strPath, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite);
    file.Write(data, static_cast<UINT>(length));
    file.Close();
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
