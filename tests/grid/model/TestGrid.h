// A grid model that records what it would tell its owner, with fixed sizes so
// that geometry is exact whatever fonts the machine has.
#pragma once

#include "grid/GridModel.h"

#include <vector>

struct Notice
{
    int row;
    int col;
    int code;
};

class TestGrid : public CGridModel
{
public:
    TestGrid(int rows, int cols, int fixedRows = 1, int fixedCols = 1) : CGridModel(rows, cols, fixedRows, fixedCols)
    {
        for (int row = 0; row < rows; row++)
            m_arRowHeights[row] = 20;
        for (int col = 0; col < cols; col++)
            m_arColWidths[col] = 50;
    }

    LRESULT SendMessageToParent(int nRow, int nCol, int nMessage) const override
    {
        notices.push_back({nRow, nCol, nMessage});
        return nMessage == vetoCode ? -1 : 0;
    }
    LRESULT SendCacheHintToParent(const CCellRange& range) const override
    {
        hints.push_back(range);
        return 0;
    }
    LRESULT SendDisplayRequestToParent(GV_DISPINFO* pInfo) const override
    {
        displayRequests++;
        pInfo->item.strText.Format("r%dc%d", pInfo->item.row, pInfo->item.col);
        return 0;
    }
    void ReportFileError(CException*) override { fileErrors++; }
    void ShowGridMessage(LPCTSTR) override { messages++; }

    int Count(int code) const
    {
        int n = 0;
        for (const Notice& notice : notices)
            n += notice.code == code;
        return n;
    }

    mutable std::vector<Notice> notices;
    mutable std::vector<CCellRange> hints;
    mutable int displayRequests = 0;
    int vetoCode = 0;
    int fileErrors = 0;
    int messages = 0;
};
