// The main view's Basket: the box, "Basket.txt" and m_arrKeywords kept in
// agreement, and the Basket buttons.
#include "collector/LexifernView.h"

#include "afx/Archive.h"
#include "afx/OleDataSource.h"
#include "afx/SharedFile.h"
#include "collector/BasketFile.h"
#include "collector/BasketText.h"
#include "collector/LexifernApp.h"
#include "collector/SettingsDialog.h"
#include "controls/dialogs/FileDialogST.h"
#include "framework/dialogs/BaseInputStringDlg.h"
#include "framework/util/FileHandle.h"
#include "resources/resource.h"

#include <utility>

namespace {
// The prompt of Check Custom, as the program has always shown it (the fifth
// letter is the Cyrillic one).
const char CustomPrompt[] = "Pleas\xE5 enter a keywords";

// The Basket rules under the application's current options.
CBasketText BasketRules()
{
    CLexifernApp* app = GetLexifernApp();
    return CBasketText(app ? app->m_bSortBasket : TRUE, app ? app->m_bDedupeBasket : TRUE);
}
}

CString CLexifernView::GetBasketPath()
{
    CBasedApp* app = GetBasedApp();
    return CBasketFile::PathInFolder(app ? app->GetAppFolder() : CString());
}

void CLexifernView::LoadBasket()
{
    // Shown exactly as the file holds it; a missing or unreadable file leaves
    // the Basket empty.
    const CString path = GetBasketPath();
    CString text;
    if (!CBasketFile(path).Load(text))
        return;
    // The box would end the Basket at the first NUL byte, and the next change
    // would write that shorter Basket back: the bytes go, every line stays.
    const BOOL droppedNul = CBasketText::DropNulBytes(text);
    m_wndBasket.LoadText(text);
    m_arrKeywords.RemoveAll();
    CBasketText::SplitKeywords(text, m_arrKeywords);
    // Joined again the pieces give the text back unless empty ones were left out.
    INT_PTR joined = 0;
    for (INT_PTR i = 0; i < m_arrKeywords.GetSize(); ++i)
        joined += m_arrKeywords[i].GetLength() + (i ? 2 : 0);
    m_bKeywordsMatchBox = joined == text.GetLength();
    m_nKeywordsChange = m_wndBasket.GetChangeCount();
    if (droppedNul)
        ShowBasketReadWarning(path);
}

BOOL CLexifernView::KeywordsMatchBox(const CBasketText& rules) const
{
    return m_bKeywordsMatchBox && m_nKeywordsChange == m_wndBasket.GetChangeCount()
        && rules.IsArranged(m_arrKeywords);
}

const CBasketIndex& CLexifernView::GetBasketIndex()
{
    if (!m_pBasketIndex || m_nIndexedChange != m_wndBasket.GetChangeCount()) {
        if (KeywordsMatchBox(CBasketText(FALSE, FALSE)))
            m_pBasketIndex.reset(new CBasketIndex(m_arrKeywords));
        else
            m_pBasketIndex.reset(new CBasketIndex(m_wndBasket.GetText()));
        // Reading the text may have put the rest of a loading Basket in.
        m_nIndexedChange = m_wndBasket.GetChangeCount();
    }
    return *m_pBasketIndex;
}

BOOL CLexifernView::IsInBasket(const CString& keyword)
{
    return GetBasketIndex().IsInBasket(keyword);
}

void CLexifernView::AddToBasket(const CString& keyword)
{
    ChangeBasket(keyword, TRUE);
}

void CLexifernView::RemoveFromBasket(const CString& keyword)
{
    ChangeBasket(keyword, FALSE);
}

void CLexifernView::ChangeBasket(const CString& keyword, BOOL add)
{
    // The rules' way through the whole box text when the box was changed by
    // others (or holds what the rules would still change); otherwise the
    // lines the view keeps are changed, which gives the same lines.
    const CBasketText rules = BasketRules();
    if (KeywordsMatchBox(rules)) {
        m_bKeywordsMatchBox = FALSE;
        if (add)
            rules.AddToArranged(m_arrKeywords, keyword);
        else
            rules.RemoveFromArranged(m_arrKeywords, keyword);
        ShowBasket(CBasketText::JoinLines(m_arrKeywords), m_arrKeywords);
        return;
    }
    CStringArray lines;
    const CString& current = m_wndBasket.GetText();
    const CString text =
        add ? rules.AddToBasket(current, keyword, lines) : rules.RemoveFromBasket(current, keyword, lines);
    ShowBasket(text, lines);
}

void CLexifernView::ShowBasket(const CString& text, CStringArray& lines)
{
    m_wndBasket.ShowText(text);
    WriteBasket();
    if (&lines != &m_arrKeywords)
        m_arrKeywords = std::move(lines);
    m_bKeywordsMatchBox = TRUE;
    m_nKeywordsChange = m_wndBasket.GetChangeCount();
}

void CLexifernView::WriteBasket()
{
    CString error;
    if (CBasketFile(GetBasketPath()).Save(m_wndBasket.GetText(), error))
        return;
    // The box keeps the Basket either way; the user hears of it once, so the
    // Basket can still be saved elsewhere before the program ends.
    if (!m_bBasketWarned) {
        m_bBasketWarned = TRUE;
        ShowBasketWriteWarning(error);
    }
}

void CLexifernView::ShowBasketReadWarning(const CString& path)
{
    CString text;
    text.Format("\"%s\" held bytes that cannot be shown (NUL bytes). They were left out of the Basket; "
                "every line of it was kept. The file is written without them at the next change.",
                (LPCTSTR)path);
    if (CBasedApp* app = GetBasedApp())
        app->WarningMessage(text, "Basket");
}

void CLexifernView::ShowBasketWriteWarning(const CString& reason)
{
    CString text = reason;
    text += "\r\n\r\nThe Basket stays in its box until the program ends: save it to another file with Save.";
    if (CBasedApp* app = GetBasedApp())
        app->WarningMessage(text, "Basket");
}

void CLexifernView::OnCheckAll()
{
    for (int i = 0; i < m_wndList.GetItemCount(); ++i)
        m_wndList.SetCheck(i, TRUE);
}

void CLexifernView::OnUncheckAll()
{
    for (int i = 0; i < m_wndList.GetItemCount(); ++i)
        m_wndList.SetCheck(i, FALSE);
}

void CLexifernView::OnCheckCustom()
{
    CString entered = m_strCustomText;
    if (!AskCustomTerms(CustomPrompt, entered))
        return;
    CStringArray terms;
    CBasketText::SplitBasketText(entered, terms);
    if (terms.GetSize() == 0)
        return;
    for (int row = 0; row < m_wndList.GetItemCount(); ++row) {
        const CString keyword = m_wndList.GetItemText(row, 0);
        for (int t = 0; t < static_cast<int>(terms.GetSize()); ++t) {
            if (keyword.Find(terms[t]) >= 0) {
                if (!m_wndList.GetCheck(row))
                    m_wndList.SetCheck(row, TRUE);
                break;
            }
        }
    }
}

BOOL CLexifernView::AskCustomTerms(LPCTSTR prompt, CString& entered)
{
    CBaseInputStringDlg dialog(m_strCustomText, prompt, IDD_INPUT_STRING, this);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    entered = dialog.m_strResult;
    return TRUE;
}

void CLexifernView::OnCopyBasket()
{
    const CString& text = m_wndBasket.GetText();
    CSharedFile file(GMEM_MOVEABLE, 4096);
    {
        CArchive archive(&file, CArchive::store, 4096);
        archive.WriteString(text);
        // Two zero bytes end the text.
        archive.WriteCount(0);
        archive.Close();
    }
    COleDataSource* source = new COleDataSource;
    source->CacheGlobalData(CF_TEXT, file.Detach());
    source->SetClipboard();
}

void CLexifernView::OnSaveBasket()
{
    CString path;
    if (!AskSavePath(path))
        return;
    const CString& text = m_wndBasket.GetText();
    try {
        CFileHandle file(path);
        file.OpenWrite();
        file.WriteText(text);
        file.Close();
    } catch (const CString& failure) {
        ShowSaveFailure(failure);
    }
}

BOOL CLexifernView::AskSavePath(CString& path)
{
    CFileDialogST dialog(FALSE, "txt", "Basket", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         "Text Files (*.txt)\0*.txt\0All files (*.*)\0*.*\0", this);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    path = dialog.GetPathName();
    return TRUE;
}

void CLexifernView::ShowSaveFailure(const CString& reason)
{
    MessageBox(reason, "Can't save Basket", MB_ICONERROR);
}

void CLexifernView::OnBasketSettings()
{
    CLexifernApp* app = GetLexifernApp();
    if (!app)
        return;
    BOOL dedupe = app->m_bDedupeBasket;
    BOOL sort = app->m_bSortBasket;
    if (!AskBasketSettings(dedupe, sort))
        return;
    // Taken up at the next Basket change; the Basket is not re-sorted now.
    app->m_bDedupeBasket = dedupe ? TRUE : FALSE;
    app->m_bSortBasket = sort ? TRUE : FALSE;
    app->SaveBasketSettings();
}

BOOL CLexifernView::AskBasketSettings(BOOL& dedupe, BOOL& sort)
{
    CSettingsDialog dialog(this);
    dialog.m_bDedupeBasket = dedupe;
    dialog.m_bSortBasket = sort;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    dedupe = dialog.m_bDedupeBasket;
    sort = dialog.m_bSortBasket;
    return TRUE;
}
