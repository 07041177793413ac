#include "collector/MainViewLayout.h"

#include <algorithm>

namespace {
// The list's width while the Basket column has room beside it.
const int ListWidth = 442;
// The list and the Basket box give the height the web pane above and the
// button row below do not take.
const int ListHeightMargin = 258;
const int BasketHeightMargin = 210;
// The web pane leaves this much of the width at the right.
const int WebPaneWidthMargin = 30;
// The bottom button row stands this far above the bottom edge, and ends at
// least this far above it.
const int BottomRowMargin = 25;
const int BottomEdgeMargin = 2;
// Distances of the right-hand buttons' left edges from the right edge, kept
// while the buttons are no wider than the form makes them.
const int GetNewVersionMargin = 257;
const int HelpMargin = 86;
const int SaveMargin = 79;
const int CopyMargin = 143;
// No control comes nearer the right edge than this.
const int RightEdgeMargin = 8;
// Between neighbouring buttons and labels in a row.
const int ControlGap = 3;
// Copy stands this close to Save.
const int CopySaveGap = 1;
// The progress bar is never narrower than this.
const int ProgressLeastWidth = 40;
}

CMainViewLayout::CMainViewLayout() : m_design(), m_hasDesign(), m_least(), m_placed()
{
}

int CMainViewLayout::IndexOf(UINT nID) const
{
    for (int i = 0; i < kLaidOutCount; ++i)
        if (kLaidOutControls[i] == nID)
            return i;
    return -1;
}

void CMainViewLayout::SetDesignRect(UINT nID, const CRect& rect)
{
    const int i = IndexOf(nID);
    if (i < 0)
        return;
    m_design[i] = rect;
    m_placed[i] = rect;
    m_hasDesign[i] = TRUE;
}

BOOL CMainViewLayout::HasDesignRect(UINT nID) const
{
    const int i = IndexOf(nID);
    return i >= 0 && m_hasDesign[i];
}

void CMainViewLayout::SetLeastWidth(UINT nID, int cx)
{
    const int i = IndexOf(nID);
    if (i >= 0)
        m_least[i] = std::max(cx, 0);
}

CRect CMainViewLayout::GetRect(UINT nID) const
{
    const int i = IndexOf(nID);
    return i >= 0 ? m_placed[i] : CRect();
}

const CRect& CMainViewLayout::Design(UINT nID) const
{
    return m_design[IndexOf(nID)];
}

int CMainViewLayout::WidthOf(UINT nID) const
{
    const int i = IndexOf(nID);
    return std::max(m_design[i].Width(), m_least[i]);
}

void CMainViewLayout::Put(UINT nID, int left, int top, int width, int height)
{
    const int i = IndexOf(nID);
    if (m_hasDesign[i])
        m_placed[i] = CRect(left, top, left + std::max(width, 0), top + std::max(height, 0));
}

void CMainViewLayout::Arrange(int cx, int cy)
{
    // The right-hand buttons keep the distances from the right edge that the
    // form gives them, unless their captions need more width.
    const int helpWidth = WidthOf(IDC_HELP_BUTTON);
    const int helpLeft = std::min(cx - HelpMargin, cx - RightEdgeMargin - helpWidth);
    const int newVersionWidth = WidthOf(IDC_GET_NEW_VERSION);
    const int newVersionNearHelp = helpLeft - ControlGap - newVersionWidth;
    const int saveWidth = WidthOf(IDC_SAVE_BASKET);
    const int saveLeft = std::min(cx - SaveMargin, cx - RightEdgeMargin - saveWidth);
    const int copyWidth = WidthOf(IDC_COPY_BASKET);
    const int copyLeft = std::min(cx - CopyMargin, saveLeft - CopySaveGap - copyWidth);

    // The Basket column runs from the list's right (plus the form's gap) to
    // Save's right edge. It needs room for its label, Copy and Save above and
    // for Get New Version beside Help below; the list gives up width for that.
    const CRect& listDesign = Design(IDC_SUGGESTIONS);
    const CRect& basketDesign = Design(IDC_BASKET);
    const CRect& basketLabelDesign = Design(IDC_BASKET_LABEL);
    const int columnGap = static_cast<int>(basketDesign.left - listDesign.right);
    const int labelOffset = static_cast<int>(basketLabelDesign.left - basketDesign.left);
    const int basketLabelWidth = WidthOf(IDC_BASKET_LABEL);
    const int basketLeftMost =
        std::min(copyLeft - ControlGap - basketLabelWidth - labelOffset, newVersionNearHelp);
    // The list's column needs room for the bottom row's four buttons, for
    // Back and the list's label, and for the keyword label and a progress bar.
    const CRect& keywordLabel = Design(IDC_KEYWORD_LABEL);
    const int keywordLabelWidth = WidthOf(IDC_KEYWORD_LABEL);
    const CRect& back = Design(IDC_BACK);
    const int backWidth = WidthOf(IDC_BACK);
    const int listLabelWidth = WidthOf(IDC_LIST_LABEL);
    const int left = static_cast<int>(listDesign.left);
    const int listNeed = std::max({ static_cast<int>(Design(IDC_SETTINGS).left) - left + WidthOf(IDC_SETTINGS) +
                                        WidthOf(IDC_CHECK_CUSTOM) + WidthOf(IDC_UNCHECK_ALL) + WidthOf(IDC_CHECK_ALL) +
                                        4 * ControlGap,
                                    static_cast<int>(back.left) - left + backWidth + ControlGap + listLabelWidth,
                                    static_cast<int>(keywordLabel.left) - left + keywordLabelWidth + ControlGap +
                                        ProgressLeastWidth });
    // The form's width while the Basket column keeps its room; more when the
    // captions need it, less when the view is narrow (never less than the
    // captions need: on a view too small for both, the Basket gives way).
    const int listWidth = std::max(std::min(std::max(ListWidth, listNeed), basketLeftMost - columnGap - left), listNeed);
    const int listRight = left + listWidth;
    const int basketLeft = listRight + columnGap;
    const int basketRight = saveLeft + saveWidth;
    const int newVersionLeft = std::max(std::min(cx - GetNewVersionMargin, newVersionNearHelp), basketLeft);

    Put(IDC_WEB_PANE, Design(IDC_WEB_PANE).left, Design(IDC_WEB_PANE).top, cx - WebPaneWidthMargin,
        Design(IDC_WEB_PANE).Height());

    // The row under the web pane: the keyword label and the progress bar
    // over the list, the Basket label, Copy and Save over the Basket.
    Put(IDC_KEYWORD_LABEL, keywordLabel.left, keywordLabel.top, keywordLabelWidth, keywordLabel.Height());
    const CRect& progress = Design(IDC_PROGRESS);
    const int progressLeft =
        std::max(listRight - progress.Width(), static_cast<int>(keywordLabel.left) + keywordLabelWidth + ControlGap);
    Put(IDC_PROGRESS, progressLeft, progress.top, listRight - progressLeft, progress.Height());
    Put(IDC_BASKET_LABEL, basketLeft + labelOffset, basketLabelDesign.top, basketLabelWidth,
        basketLabelDesign.Height());
    Put(IDC_COPY_BASKET, copyLeft, Design(IDC_COPY_BASKET).top, copyWidth, Design(IDC_COPY_BASKET).Height());
    Put(IDC_SAVE_BASKET, saveLeft, Design(IDC_SAVE_BASKET).top, saveWidth, Design(IDC_SAVE_BASKET).Height());

    // The keyword box reaches to Go, which ends where the list ends.
    const CRect& go = Design(IDC_GO);
    const CRect& keyword = Design(IDC_KEYWORD);
    const int goWidth = WidthOf(IDC_GO);
    const int goLeft = listRight - goWidth;
    Put(IDC_GO, goLeft, go.top, goWidth, go.Height());
    Put(IDC_KEYWORD, keyword.left, keyword.top, goLeft - (go.left - keyword.right) - keyword.left, keyword.Height());

    // Back, and the list's label ending at the list's right edge.
    Put(IDC_BACK, back.left, back.top, backWidth, back.Height());
    const CRect& listLabel = Design(IDC_LIST_LABEL);
    const int listLabelLeft = std::max(listRight + static_cast<int>(listLabel.right - listDesign.right) - listLabelWidth,
                                       static_cast<int>(back.left) + backWidth + ControlGap);
    Put(IDC_LIST_LABEL, listLabelLeft, listLabel.top, listLabelWidth, listLabel.Height());

    // The list and the Basket box end above the bottom row.
    const int rowTop = std::min(cy - BottomRowMargin, cy - BottomEdgeMargin - Design(IDC_SETTINGS).Height());
    const int listHeight = std::min(cy - ListHeightMargin, rowTop - ControlGap - static_cast<int>(listDesign.top));
    Put(IDC_SUGGESTIONS, listDesign.left, listDesign.top, listWidth, listHeight);
    const int basketHeight =
        std::min(cy - BasketHeightMargin, rowTop - ControlGap - static_cast<int>(basketDesign.top));
    Put(IDC_BASKET, basketLeft, basketDesign.top, basketRight - basketLeft, basketHeight);

    // The bottom row: Settings at the left; Check Custom, Uncheck All and
    // Check All ending where the list ends; Get New Version and Help at the
    // right.
    const CRect& settings = Design(IDC_SETTINGS);
    Put(IDC_SETTINGS, settings.left, rowTop, WidthOf(IDC_SETTINGS), settings.Height());
    int right = listRight;
    for (UINT id : { IDC_CHECK_ALL, IDC_UNCHECK_ALL, IDC_CHECK_CUSTOM }) {
        const int width = WidthOf(id);
        Put(id, right - width, rowTop, width, Design(id).Height());
        right -= width + ControlGap;
    }
    Put(IDC_GET_NEW_VERSION, newVersionLeft, rowTop, newVersionWidth, Design(IDC_GET_NEW_VERSION).Height());
    Put(IDC_HELP_BUTTON, helpLeft, rowTop, helpWidth, Design(IDC_HELP_BUTTON).Height());
}
