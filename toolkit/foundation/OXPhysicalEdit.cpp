#include "toolkit/foundation/OXPhysicalEdit.h"

#include "afx/DataExchange.h"
#include "afx/WinApp.h"

IMPLEMENT_DYNCREATE(COXPhysicalEdit, COXNumericEdit)

COXPhysicalEdit::COXPhysicalEdit(const COXPhysicalUnitTable* pUnitTable, int nUnit, BOOL bShowUnit)
    : m_nUnit(-1), m_pUnitTable(pUnitTable), m_bUnitShown(FALSE)
{
    m_nUnit = ResolveUnit(nUnit);
    if (m_nUnit < 0)
        m_nUnit = ResolveUnit(-1);
    if (GetUnitCount() > 0 && m_menuUnits.CreatePopupMenu()) {
        for (int i = 0; i < GetUnitCount(); ++i)
            m_menuUnits.AppendMenu(MF_STRING, FirstUnitCommand + i, GetUnitNames()[i]);
        SetDropMenu(&m_menuUnits);
    }
    ShowUnit(bShowUnit);
}

COXPhysicalEdit::~COXPhysicalEdit() = default;

int COXPhysicalEdit::ResolveUnit(int nUnit) const
{
    if (nUnit == -1)
        nUnit = GetDefaultUnit();
    return nUnit >= 0 && nUnit < GetUnitCount() ? nUnit : -1;
}

int COXPhysicalEdit::GetUnitCount() const
{
    return m_pUnitTable && m_pUnitTable->ppszUnitNames && m_pUnitTable->pConversion ? m_pUnitTable->nUnitCount : 0;
}

int COXPhysicalEdit::GetDefaultUnit() const
{
    return m_pUnitTable ? m_pUnitTable->nDefaultUnit : -1;
}

const LPCTSTR* COXPhysicalEdit::GetUnitNames() const
{
    return m_pUnitTable ? m_pUnitTable->ppszUnitNames : nullptr;
}

const double (*COXPhysicalEdit::GetConversionTable() const)[3]
{
    return m_pUnitTable ? m_pUnitTable->pConversion : nullptr;
}

double COXPhysicalEdit::ConvertValue(double dValue, int nFromUnit, int nToUnit) const
{
    const double (*rows)[3] = GetConversionTable();
    if (!rows || nFromUnit < 0 || nFromUnit >= GetUnitCount() || nToUnit < 0 || nToUnit >= GetUnitCount())
        return dValue;
    const double base = (dValue + rows[nFromUnit][0]) * rows[nFromUnit][1] + rows[nFromUnit][2];
    return (base - rows[nToUnit][2]) / rows[nToUnit][1] - rows[nToUnit][0];
}

double COXPhysicalEdit::GetValueInUnit(int nUnit) const
{
    if (nUnit == m_nUnit)
        return m_dValue;
    const int unit = ResolveUnit(nUnit);
    return unit < 0 ? m_dValue : ConvertValue(m_dValue, m_nUnit, unit);
}

BOOL COXPhysicalEdit::SetValueInUnit(double dValue, int nUnit)
{
    const int unit = ResolveUnit(nUnit);
    if (unit < 0)
        return FALSE;
    if (unit != m_nUnit) {
        const BOOL shown = m_bUnitShown;
        ShowUnit(FALSE);
        m_nUnit = unit;
        ShowUnit(shown);
    }
    return SetValue(dValue);
}

CString COXPhysicalEdit::UnitText() const
{
    CString text(" ");
    if (m_nUnit >= 0)
        text += GetUnitNames()[m_nUnit];
    return text;
}

size_t COXPhysicalEdit::UnitTextPosition() const
{
    std::string maskPrefix;
    std::string maskSuffix;
    SplitMask(m_sMask, maskPrefix, maskSuffix);
    return m_arrSuffix.size() >= maskSuffix.size() ? m_arrSuffix.size() - maskSuffix.size() : 0;
}

void COXPhysicalEdit::ShowUnit(BOOL bShow)
{
    bShow = bShow && m_nUnit >= 0 ? TRUE : FALSE;
    if (bShow == m_bUnitShown)
        return;
    const std::string text = static_cast<LPCTSTR>(UnitText());
    const size_t at = UnitTextPosition();
    if (bShow)
        m_arrSuffix.insert(at, text);
    else if (at >= text.size() && m_arrSuffix.compare(at - text.size(), text.size(), text) == 0)
        m_arrSuffix.erase(at - text.size(), text.size());
    m_bUnitShown = bShow;
    if (GetSafeHwnd())
        UpdateText(-1);
}

void COXPhysicalEdit::OnFormatApplied()
{
    COXDropEdit<COXNumericEdit>::OnFormatApplied();
    // The number format has just rebuilt the suffix without the unit.
    if (m_bUnitShown) {
        m_bUnitShown = FALSE;
        ShowUnit(TRUE);
    }
}

BOOL COXPhysicalEdit::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (lParam == 0 && id >= FirstUnitCommand) {
        const int unit = static_cast<int>(id) - FirstUnitCommand;
        if (unit < GetUnitCount()) {
            const double value = GetValueInUnit(unit);
            SetValueInUnit(value, unit);
            const int pos = GetNextInputPosition(0);
            SetSel(pos, pos);
        }
        return TRUE;
    }
    return COXDropEdit<COXNumericEdit>::OnCommand(wParam, lParam);
}

void COXPhysicalEdit::ReportInvalidValue(LPCTSTR lpszValue)
{
    SetFocus();
    const UINT_PTR message = m_pUnitTable ? m_pUnitTable->nErrorMessage : 0;
    if (!message)
        return;
    LPCTSTR args[] = { lpszValue ? lpszValue : "" };
    CString text;
    if (IS_INTRESOURCE(message))
        AfxFormatStrings(text, static_cast<UINT>(message), args, 1);
    else
        AfxFormatStrings(text, reinterpret_cast<LPCTSTR>(message), args, 1);
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

void AFXAPI DDX_OXPhysicalEdit(CDataExchange* pDX, int nIDC, double& value, int nUnit)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    auto* edit = dynamic_cast<COXPhysicalEdit*>(CWnd::FromHandlePermanent(control));
    ASSERT(edit);
    if (!edit)
        return;
    if (pDX->m_bSaveAndValidate)
        value = edit->GetValueInUnit(nUnit);
    else
        edit->SetValueInUnit(value, nUnit);
}
