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
    CString text;
    if (!CBasketFile(GetBasketPath()).Load(text))
        return;
    m_wndBasket.SetWindowText(text);
    m_arrKeywords.RemoveAll();
    CBasketText::SplitKeywords(text, m_arrKeywords);
}

BOOL CLexifernView::IsInBasket(const CString& keyword)
{
    CString basket;
    m_wndBasket.GetWindowText(basket);
    return CBasketIndex(basket).IsInBasket(keyword);
}

void CLexifernView::AddToBasket(const CString& keyword)
{
    CString current;
    m_wndBasket.GetWindowText(current);
    CStringArray lines;
    const CString text = BasketRules().AddToBasket(current, keyword, lines);
    ShowBasket(text, lines);
}

void CLexifernView::RemoveFromBasket(const CString& keyword)
{
    CString current;
    m_wndBasket.GetWindowText(current);
    CStringArray lines;
    const CString text = BasketRules().RemoveFromBasket(current, keyword, lines);
    ShowBasket(text, lines);
}

void CLexifernView::ShowBasket(const CString& text, const CStringArray& lines)
{
    m_wndBasket.SetWindowText(text);
    WriteBasket();
    m_arrKeywords.RemoveAll();
    m_arrKeywords.Append(lines);
}

void CLexifernView::WriteBasket()
{
    CString text;
    m_wndBasket.GetWindowText(text);
    CString error;
    if (CBasketFile(GetBasketPath()).Save(text, error))
        return;
    // The box keeps the Basket either way; the user hears of it once, so the
    // Basket can still be saved elsewhere before the program ends.
    if (!m_bBasketWarned) {
        m_bBasketWarned = TRUE;
        ShowBasketWriteWarning(error);
    }
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
    CString text;
    m_wndBasket.GetWindowText(text);
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
    CString text;
    m_wndBasket.GetWindowText(text);
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
