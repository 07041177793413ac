#include "framework/dialogs/ExternalToolDlg.h"

#include "afx/DataExchange.h"
#include "controls/dialogs/FileDialogST.h"
#include "framework/app/BasedApp.h"
#include "framework/app/ExternalTool.h"

namespace {
const UINT ToolsTemplateId = 207;
const int GridId = 1014;
const int AddId = 1065;
const int DeleteId = 1200;
const int UpId = 1201;
const int DownId = 1202;
const int DeleteAllId = 1203;
const int ChooseCommandId = 1084;
const int TitleId = 1081;
const int CommandId = 1086;
const int ArgumentsId = 1079;
const int HotKeyId = 1080;
const int TitleLabelId = 1088;
const int CommandLabelId = 1090;
const int ArgumentsLabelId = 1092;
const int HotKeyLabelId = 1093;
const int IconSize = 16;

const char SelectedRowKey[] = "SelectedRow";
const char DeleteAllQuestion[] = "Are you sure to delete all external tools ?";
const char DeleteAllKey[] = "ExtTools";

void Decorate(CButtonST& button, int icon, LPCTSTR tip)
{
    button.SetIconFromResource(icon, IconSize, IconSize);
    button.EnableBalloonTooltip();
    button.SetTooltipText(tip);
}
} // namespace

IMPLEMENT_DYNAMIC(CExternalToolDlg, CBasedGridDlg)

BEGIN_MESSAGE_MAP(CExternalToolDlg, CBasedGridDlg)
    ON_WM_DESTROY()
    ON_NOTIFY(GVN_SELCHANGED, GridId, &CExternalToolDlg::OnGridSelChangedNotify)
    ON_BN_CLICKED(AddId, &CExternalToolDlg::OnAdd)
    ON_BN_CLICKED(DeleteId, &CExternalToolDlg::OnDelete)
    ON_BN_CLICKED(DeleteAllId, &CExternalToolDlg::OnDeleteAll)
    ON_BN_CLICKED(UpId, &CExternalToolDlg::OnUp)
    ON_BN_CLICKED(DownId, &CExternalToolDlg::OnDown)
    ON_BN_CLICKED(ChooseCommandId, &CExternalToolDlg::OnChooseCommand)
    ON_EN_CHANGE(TitleId, &CExternalToolDlg::OnFieldChange)
    ON_EN_CHANGE(CommandId, &CExternalToolDlg::OnFieldChange)
    ON_EN_CHANGE(ArgumentsId, &CExternalToolDlg::OnFieldChange)
    ON_EN_CHANGE(HotKeyId, &CExternalToolDlg::OnFieldChange)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CExternalToolDlg, CBasedGridDlg)
    DYNAMIC_MAP_ENTRY(GridId, ModeStretch, ModeStretch)
    DYNAMIC_MAP_ENTRY(AddId, ModeMove, ModeFixed)
    DYNAMIC_MAP_ENTRY(DeleteId, ModeMove, ModeFixed)
    DYNAMIC_MAP_ENTRY(DeleteAllId, ModeMove, ModeFixed)
    DYNAMIC_MAP_ENTRY(UpId, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(DownId, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(ChooseCommandId, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(IDCANCEL, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(TitleLabelId, ModeFixed, ModeMove)
    DYNAMIC_MAP_ENTRY(CommandLabelId, ModeFixed, ModeMove)
    DYNAMIC_MAP_ENTRY(ArgumentsLabelId, ModeFixed, ModeMove)
    DYNAMIC_MAP_ENTRY(HotKeyLabelId, ModeFixed, ModeMove)
    DYNAMIC_MAP_ENTRY(TitleId, ModeStretch, ModeMove)
    DYNAMIC_MAP_ENTRY(CommandId, ModeStretch, ModeMove)
    DYNAMIC_MAP_ENTRY(ArgumentsId, ModeStretch, ModeMove)
    DYNAMIC_MAP_ENTRY(HotKeyId, ModeStretch, ModeMove)
END_DYNAMIC_MAP()

CExternalToolDlg::CExternalToolDlg(CWnd* pParent)
    : CBasedGridDlg(ToolsTemplateId, pParent),
      m_pApp(GetBasedApp()),
      m_strTitle(),
      m_strCommand(),
      m_strArguments(),
      m_btnAdd(),
      m_btnDelete(),
      m_btnUp(),
      m_btnDown(),
      m_btnChooseCommand(),
      m_btnClose(),
      m_btnDeleteAll(),
      m_hotKey(),
      m_bLoadingFields(FALSE)
{
    m_strSettingsName = "CExternalToolDlg";
    m_arrColumnNames.Add("Title");
    m_arrColumnNames.Add("Command");
    m_arrColumnNames.Add("Arguments");
    m_arrColumnNames.Add("Hotkey");
    m_nDefaultColumnWidth = 70;
    m_strItemName = "external tool";
}

CExternalToolDlg::~CExternalToolDlg() = default;

void CExternalToolDlg::DoDataExchange(CDataExchange* pDX)
{
    CBasedGridDlg::DoDataExchange(pDX);
    DDX_Control(pDX, AddId, m_btnAdd);
    DDX_Control(pDX, DeleteId, m_btnDelete);
    DDX_Control(pDX, UpId, m_btnUp);
    DDX_Control(pDX, DownId, m_btnDown);
    DDX_Control(pDX, ChooseCommandId, m_btnChooseCommand);
    DDX_Control(pDX, IDCANCEL, m_btnClose);
    DDX_Control(pDX, DeleteAllId, m_btnDeleteAll);
    DDX_Control(pDX, HotKeyId, m_hotKey);
    DDX_Text(pDX, TitleId, m_strTitle);
    DDX_Text(pDX, CommandId, m_strCommand);
    DDX_Text(pDX, ArgumentsId, m_strArguments);
}

BOOL CExternalToolDlg::OnInitDialog()
{
    m_bLoadingFields = TRUE;
    CBasedGridDlg::OnInitDialog();
    m_bLoadingFields = FALSE;
    m_Grid.m_bSortOnClick = FALSE;
    Decorate(m_btnAdd, 164, "Add new item");
    Decorate(m_btnDelete, 165, "Delete current item");
    Decorate(m_btnUp, 162, "Move item up");
    Decorate(m_btnDown, 163, "Move item down");
    Decorate(m_btnChooseCommand, 502, "Choose command");
    Decorate(m_btnClose, 160, "Close this dialog");
    Decorate(m_btnDeleteAll, 166, "Delete all items");
    SelectRow(GetSettingInt(SelectedRowKey, 0));
    OnSelectionChanged();
    return TRUE;
}

void CExternalToolDlg::FillGrid()
{
    if (!m_pApp) {
        m_Grid.SetRowCount(1);
        return;
    }
    CExternalToolArray& tools = m_pApp->m_arrTools;
    m_Grid.SetRowCount(static_cast<int>(tools.GetSize()) + 1);
    for (int i = 0; i < tools.GetSize(); ++i) {
        const CExternalTool* tool = tools[i];
        m_Grid.SetItemText(i + 1, 0, tool->m_strTitle);
        m_Grid.SetItemText(i + 1, 1, tool->m_strCommand);
        m_Grid.SetItemText(i + 1, 2, tool->m_strArguments);
        m_Grid.SetItemText(i + 1, 3, tool->m_strHotKeyText);
        m_Grid.SetItemData(i + 1, 0, i);
    }
}

void CExternalToolDlg::UpdateControls()
{
    if (!m_hWnd)
        return;
    const BOOL selected = GetSelectedItemData(FALSE) >= 0;
    const int row = GetSelectedRow(FALSE);
    m_btnDelete.EnableWindow(selected);
    m_btnChooseCommand.EnableWindow(selected);
    GetDlgItem(TitleId)->EnableWindow(selected);
    GetDlgItem(CommandId)->EnableWindow(selected);
    GetDlgItem(ArgumentsId)->EnableWindow(selected);
    m_hotKey.EnableWindow(selected);
    m_btnUp.EnableWindow(row >= 2);
    m_btnDown.EnableWindow(row != -1 && row != m_Grid.GetRowCount() - 1);
    m_btnDeleteAll.EnableWindow(m_Grid.GetRowCount() >= 2);
}

void CExternalToolDlg::LoadFields()
{
    m_bLoadingFields = TRUE;
    UpdateData(FALSE);
    m_bLoadingFields = FALSE;
}

void CExternalToolDlg::OnSelectionChanged()
{
    int index = GetSelectedItemData(FALSE);
    m_bLoadingFields = TRUE;
    if (index >= 0 && m_pApp) {
        const CExternalTool* tool = m_pApp->m_arrTools.GetAt(index);
        m_strTitle = tool->m_strTitle;
        m_strCommand = tool->m_strCommand;
        m_strArguments = tool->m_strArguments;
        m_hotKey.SetHotKey(LOBYTE(tool->m_wHotKey), LOBYTE(tool->m_wModifiers));
    } else {
        m_strTitle.Empty();
        m_strCommand.Empty();
        m_strArguments.Empty();
        m_hotKey.SetHotKey(0, 0);
    }
    m_bLoadingFields = FALSE;
    LoadFields();
    UpdateControls();
    m_Grid.SetFocus();
}

void CExternalToolDlg::OnGridSelChangedNotify(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    OnSelectionChanged();
    *pResult = 0;
}

void CExternalToolDlg::OnFieldChange()
{
    if (m_bLoadingFields || !m_pApp)
        return;
    int index = GetSelectedItemData(TRUE);
    if (index < 0)
        return;
    UpdateData(TRUE);
    CExternalTool* tool = m_pApp->m_arrTools.GetAt(index);
    tool->m_strTitle = m_strTitle;
    tool->m_strCommand = m_strCommand;
    tool->m_strArguments = m_strArguments;
    WORD key = 0;
    WORD modifiers = 0;
    m_hotKey.GetHotKey(key, modifiers);
    tool->m_wHotKey = key;
    tool->m_wModifiers = modifiers;
    tool->m_strHotKeyText = m_hotKey.GetHotKeyName();
    RefreshGrid();
}

void CExternalToolDlg::OnAdd()
{
    if (!m_pApp)
        return;
    CExternalToolArray& tools = m_pApp->m_arrTools;
    CExternalTool* tool = new CExternalTool;
    tool->m_strTitle.Format("External Tool #%d", static_cast<int>(tools.GetSize()));
    tools.Add(tool);
    RefreshGrid();
    SelectRow(m_Grid.GetRowCount() - 1);
    OnSelectionChanged();
    UpdateControls();
}

void CExternalToolDlg::OnDelete()
{
    int index = GetSelectedItemData(TRUE);
    if (index < 0 || !m_pApp)
        return;
    CExternalToolArray& tools = m_pApp->m_arrTools;
    delete tools.GetAt(index);
    tools.RemoveAt(index);
    RefreshGrid();
    OnSelectionChanged();
}

void CExternalToolDlg::OnDeleteAll()
{
    if (!m_pApp)
        return;
    if (CBasedApp::QuestionDontAskAgain(DeleteAllQuestion, DeleteAllKey, "Question") != IDYES)
        return;
    FreeExternalTools(m_pApp->m_arrTools);
    RefreshGrid();
    OnSelectionChanged();
}

void CExternalToolDlg::OnUp()
{
    int index = GetSelectedItemData(TRUE);
    if (index < 0 || !m_pApp || GetSelectedRow(FALSE) == 1)
        return;
    CExternalToolArray& tools = m_pApp->m_arrTools;
    CExternalTool* moved = tools.GetAt(index);
    tools.SetAt(index, tools.GetAt(index - 1));
    tools.SetAt(index - 1, moved);
    RefreshGrid();
    SelectRow(index);
    UpdateControls();
}

void CExternalToolDlg::OnDown()
{
    int index = GetSelectedItemData(TRUE);
    if (index < 0 || !m_pApp || GetSelectedRow(FALSE) == m_Grid.GetRowCount() - 1)
        return;
    CExternalToolArray& tools = m_pApp->m_arrTools;
    CExternalTool* moved = tools.GetAt(index);
    tools.SetAt(index, tools.GetAt(index + 1));
    tools.SetAt(index + 1, moved);
    RefreshGrid();
    SelectRow(index + 2);
    UpdateControls();
}

CString CExternalToolDlg::ChooseCommandFile()
{
    static const char filter[] = "All Exetables\0*.exe\0All files\0*.*\0";
    CFileDialogST dialog(TRUE, "Open file", nullptr, OFN_OVERWRITEPROMPT, filter, nullptr);
    if (dialog.DoModal() != IDOK)
        return CString();
    return dialog.GetPathName();
}

void CExternalToolDlg::OnChooseCommand()
{
    CString path = ChooseCommandFile();
    if (path.IsEmpty())
        return;
    m_strCommand = path;
    LoadFields();
    OnFieldChange();
}

void CExternalToolDlg::OnDestroy()
{
    WriteSettingInt(SelectedRowKey, GetSelectedRow(FALSE));
    CBasedGridDlg::OnDestroy();
}
