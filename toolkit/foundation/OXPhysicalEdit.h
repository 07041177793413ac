// A number with a unit: the unit's name follows the number, and the drop
// button opens a menu of the units; choosing one converts the value. The
// units come from a table that the creator supplies.
#pragma once

#include "afx/Menu.h"
#include "toolkit/foundation/OXDropEdit.h"

// One quantity's units. Each row (a, b, c) converts to and from a common base:
// base = (v + a) * b + c.
struct COXPhysicalUnitTable
{
    int nUnitCount;
    int nDefaultUnit;
    const LPCTSTR* ppszUnitNames;
    const double (*pConversion)[3];
    // Message of ReportInvalidValue: a string resource id (IS_INTRESOURCE) or
    // a text; 0 for none. "%1" stands for the value.
    UINT_PTR nErrorMessage;
};

class COXPhysicalEdit : public COXDropEdit<COXNumericEdit>
{
    DECLARE_DYNCREATE(COXPhysicalEdit)

public:
    // Unit -1 is the table's default unit; without a table there are no units.
    explicit COXPhysicalEdit(const COXPhysicalUnitTable* pUnitTable = nullptr, int nUnit = -1,
                             BOOL bShowUnit = TRUE);
    ~COXPhysicalEdit() override;

    int GetUnit() const { return m_nUnit; }
    BOOL IsUnitShown() const { return m_bUnitShown; }
    CMenu& GetUnitMenu() { return m_menuUnits; }

    // The value in another unit (-1: the default unit).
    double GetValueInUnit(int nUnit) const;
    // Shows the value in the given unit; FALSE (nothing changed) for a unit
    // the table does not have.
    BOOL SetValueInUnit(double dValue, int nUnit);
    void ShowUnit(BOOL bShow);

    virtual double ConvertValue(double dValue, int nFromUnit, int nToUnit) const;
    virtual int GetUnitCount() const;
    virtual int GetDefaultUnit() const;
    virtual const LPCTSTR* GetUnitNames() const;
    virtual const double (*GetConversionTable() const)[3];
    virtual void ReportInvalidValue(LPCTSTR lpszValue);

    void OnFormatApplied() override;

    enum { FirstUnitCommand = 4095 };

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The unit asked for, -1 turned into the default; -1 when out of range.
    int ResolveUnit(int nUnit) const;
    // Where the unit text goes in the suffix: before the mask's own suffix.
    size_t UnitTextPosition() const;
    CString UnitText() const;

    int m_nUnit;
    const COXPhysicalUnitTable* m_pUnitTable;
    BOOL m_bUnitShown;
    CMenu m_menuUnits;
};

void AFXAPI DDX_OXPhysicalEdit(CDataExchange* pDX, int nIDC, double& value, int nUnit);
