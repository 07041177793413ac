#include "framework/dialogs/SetupBasesGridDlg.h"

#include "afx/DataExchange.h"
#include "framework/views/GridHost.h"

namespace {
const UINT SetupTemplateId = 329;
const int ColumnListId = 5026;
const int BackgroundId = 5027;
const int TextBackgroundId = 5028;
const int TextForegroundId = 1063;
const int GridLinesId = 1064;
const int ShowAllId = 1171;
const int HideAllId = 4;
const int DefaultId = 5;
const int IconSize = 16;

// The picker each colour button drops down: 40 colours in 4 rows of 18 x 18
// pixels, no default colour, the captions from the toolkit's strings.
const int PickerColours = 40;
const int PickerRows = 4;
const COLORREF PickerNoDefault = 0xFFFFFFFF;
const int PickerCell = 18;
const UINT PickerDefaultCaption = 26536;
const UINT PickerCustomCaption = 26537;

const COLORREF DefaultGridLines = RGB(192, 192, 192);

void Decorate(CButtonST& button, int icon, LPCTSTR tip)
{
    button.SetIconFromResource(icon, IconSize, IconSize);
    button.EnableBalloonTooltip();
    button.SetTooltipText(tip);
}
} // namespace

#define PICKER_ARGS PickerColours, PickerRows, PickerNoDefault, PickerCell, PickerCell, PickerDefaultCaption, PickerCustomCaption

IMPLEMENT_DYNAMIC(CSetupBasesGridDlg, CBaseDlg)

BEGIN_MESSAGE_MAP(CSetupBasesGridDlg, CBaseDlg)
    ON_BN_CLICKED(ShowAllId, &CSetupBasesGridDlg::OnShowAll)
    ON_BN_CLICKED(HideAllId, &CSetupBasesGridDlg::OnHideAll)
    ON_BN_CLICKED(DefaultId, &CSetupBasesGridDlg::OnDefault)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CSetupBasesGridDlg, CBaseDlg)
    DYNAMIC_MAP_ENTRY(ColumnListId, ModeStretch, ModeStretch)
    DYNAMIC_MAP_ENTRY(IDOK, ModeMove, ModeMove)
    DYNAMIC_MAP_ENTRY(IDCANCEL, ModeMove, ModeMove)
END_DYNAMIC_MAP()

CSetupBasesGridDlg::CSetupBasesGridDlg(CGridHostData* pHost, CWnd* pParent)
    : CBaseDlg(SetupTemplateId, pParent),
      m_pHost(pHost),
      m_clrBackground(pHost->m_clrBackground),
      m_clrTextBackground(pHost->m_clrTextBackground),
      m_clrTextForeground(pHost->m_clrTextForeground),
      m_clrGridLines(pHost->m_clrGridLines),
      m_btnCancel(),
      m_btnOK(),
      m_lstColumns(),
      m_btnBackground(PICKER_ARGS),
      m_btnTextBackground(PICKER_ARGS),
      m_btnTextForeground(PICKER_ARGS),
      m_btnGridLines(PICKER_ARGS),
      m_btnShowAll(),
      m_btnHideAll(),
      m_btnDefault()
{
}

CSetupBasesGridDlg::~CSetupBasesGridDlg() = default;

void CSetupBasesGridDlg::DoDataExchange(CDataExchange* pDX)
{
    CBaseDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, ColumnListId, m_lstColumns);
    DDX_Control(pDX, BackgroundId, m_btnBackground);
    DDX_Control(pDX, TextBackgroundId, m_btnTextBackground);
    DDX_Control(pDX, TextForegroundId, m_btnTextForeground);
    DDX_Control(pDX, GridLinesId, m_btnGridLines);
    DDX_Control(pDX, ShowAllId, m_btnShowAll);
    DDX_Control(pDX, HideAllId, m_btnHideAll);
    DDX_Control(pDX, DefaultId, m_btnDefault);
    DDX_ColorPickerButtonColor(pDX, BackgroundId, m_clrBackground);
    DDX_ColorPickerButtonColor(pDX, TextBackgroundId, m_clrTextBackground);
    DDX_ColorPickerButtonColor(pDX, TextForegroundId, m_clrTextForeground);
    DDX_ColorPickerButtonColor(pDX, GridLinesId, m_clrGridLines);
}

BOOL CSetupBasesGridDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    Decorate(m_btnCancel, 160, "Close this dialog and cancel");
    Decorate(m_btnOK, 161, "Apply");
    Decorate(m_btnShowAll, 505, "Show all columns");
    Decorate(m_btnHideAll, 167, "Hide all colums");
    Decorate(m_btnDefault, 174, "Set default settings");

    const CStringArray& names = m_pHost->m_arrColumnNames;
    const CUIntArray& visible = m_pHost->m_arrColumnVisible;
    for (INT_PTR i = 0; i < names.GetSize(); ++i) {
        int line = static_cast<int>(m_lstColumns.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(names[i]))));
        if (line < 0)
            continue;
        // A host whose visibility array is shorter than its columns shows the rest.
        BOOL shown = i < visible.GetSize() ? visible[i] != 0 : TRUE;
        m_lstColumns.SetCheck(line, shown ? 1 : 0);
        m_lstColumns.SendMessage(LB_SETITEMDATA, line, static_cast<LPARAM>(i));
    }
    return TRUE;
}

void CSetupBasesGridDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    CUIntArray& visible = m_pHost->m_arrColumnVisible;
    const int lines = static_cast<int>(m_lstColumns.SendMessage(LB_GETCOUNT));
    for (int line = 0; line < lines; ++line) {
        INT_PTR column = static_cast<INT_PTR>(m_lstColumns.SendMessage(LB_GETITEMDATA, line));
        visible.SetAt(column, m_lstColumns.GetCheck(line) ? 1 : 0);
    }
    m_pHost->m_clrBackground = m_clrBackground;
    m_pHost->m_clrTextBackground = m_clrTextBackground;
    m_pHost->m_clrTextForeground = m_clrTextForeground;
    m_pHost->m_clrGridLines = m_clrGridLines;
    EndDialog(IDOK);
}

void CSetupBasesGridDlg::CheckAll(int nCheck)
{
    const int lines = static_cast<int>(m_lstColumns.SendMessage(LB_GETCOUNT));
    for (int line = 0; line < lines; ++line)
        m_lstColumns.SetCheck(line, nCheck);
}

void CSetupBasesGridDlg::OnShowAll()
{
    CheckAll(1);
}

void CSetupBasesGridDlg::OnHideAll()
{
    CheckAll(0);
}

void CSetupBasesGridDlg::OnDefault()
{
    CheckAll(1);
    m_clrBackground = GetSysColor(COLOR_WINDOW);
    m_clrTextBackground = GetSysColor(COLOR_WINDOW);
    m_clrTextForeground = GetSysColor(COLOR_WINDOWTEXT);
    m_clrGridLines = DefaultGridLines;
    UpdateData(FALSE);
}
