// The FCO list on a real list view under Wine: clicks, cell operations, drawing by pixels, tool ids, freeing.
#include "listctrl/ListCtrlFco.h"
#include "tests/win/support/ListCtrlFcoHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>

// The list frees its record arrays with delete; these replacements note when a
// watched array goes, which Wine gives no other way to see.
namespace {
const void* g_watched[16];
bool g_released[16];
int g_watchedCount = 0;

void ReleaseWatched(void* p)
{
    for (int i = 0; p && i < g_watchedCount; ++i)
        if (g_watched[i] == p)
            g_released[i] = true;
    std::free(p);
}
} // namespace

void* operator new(std::size_t size)
{
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    ReleaseWatched(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    ReleaseWatched(p);
}

namespace {

const std::vector<int> kProgramColumns = {49, 82, 281, 99, 0};
const COLORREF kBlack = RGB(0, 0, 0);

class TestListCtrlFco : public CListCtrlFco {
public:
    INT_PTR ToolHitTest(CPoint point, TOOLINFOA* ti) const { return OnToolHitTest(point, ti); }
};

// The 21 pixels of the tick in a check-box cell, where the drawing rule puts them.
std::vector<POINT> TickPixels(const RECT& cell, bool textEmpty)
{
    const int boxHeight = cell.bottom - 1 - cell.top;
    const int boxLeft =
        textEmpty ? cell.left + (cell.right - cell.left) / 2 - boxHeight / 2 - 1 : cell.left + 9;
    const int x0 = boxLeft + 1 + 9;
    const int y0 = cell.top + 3;
    std::vector<POINT> points;
    for (int i = 0; i < 7; ++i)
        for (int k = 0; k < 3; ++k)
            points.push_back({x0 - i, (i < 4 ? y0 + i : y0 + 8 - i) + k});
    return points;
}

int CountColour(const PixelImage& pixels, const std::vector<POINT>& points, COLORREF colour)
{
    int count = 0;
    for (const POINT& p : points)
        count += pixels.At(p.x, p.y) == colour ? 1 : 0;
    return count;
}

class ListCtrlFcoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<ListCtrlFcoHost>(list, kProgramColumns);
        ASSERT_NE(host->Window(), nullptr);
        ASSERT_EQ(list.GetColumnCount(), 5);
    }

    // A row as the dialog adds it: check box in column 0, texts in columns 1 and 2.
    int AddRow(int checkState)
    {
        const int row = list.InsertRow(list.GetItemCount(), "");
        list.SetCheckState(row, 0, checkState);
        list.SetCellText(row, 1, "457", kBlack, RGB(255, 255, 255));
        list.SetCellText(row, 2, "Component", kBlack, RGB(255, 255, 255));
        return row;
    }

    CellData& Record(int row, int column)
    {
        return (*reinterpret_cast<CellRecords*>(list.GetItemData(row)))[column];
    }

    CRect Cell(int row, int column)
    {
        CRect rect;
        EXPECT_TRUE(list.GetCellRect(row, column, LVIR_BOUNDS, &rect));
        return rect;
    }

    static POINT Middle(const RECT& rect)
    {
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    void Click(POINT point)
    {
        ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        ::SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }

    bool Selected(int row) { return (list.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0; }

    void Select(int row)
    {
        LVITEMA item = {};
        item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(list, LVM_SETITEMSTATE, row, (LPARAM)&item);
    }

    PixelImage Redrawn()
    {
        ::InvalidateRect(list, nullptr, TRUE);
        ::UpdateWindow(list);
        return PixelImage::OfClient(list);
    }

    // Where the empty-list text goes: 10 pixels below the header, one line high.
    RECT EmptyTextBand()
    {
        RECT header = {};
        ::SendMessageA(list.GetHeaderCtrl(), HDM_GETITEMRECT, 0, (LPARAM)&header);
        RECT window = list.GetWindowRect();
        ::MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&window), 2);
        const int top = window.top + header.bottom + 10;
        return {0, top, list.GetClientRect().right, top + 20};
    }

    void WatchRecordsOfNewRows(int count)
    {
        for (int i = 0; i < count; ++i) {
            g_watched[i] = reinterpret_cast<const void*>(list.GetItemData(AddRow(1)));
            g_released[i] = false;
        }
        g_watchedCount = count;
    }

    void ExpectAllRecordsReleased()
    {
        for (int i = 0; i < g_watchedCount; ++i)
            EXPECT_TRUE(g_released[i]) << "row " << i;
        g_watchedCount = 0;
    }

    TestListCtrlFco list;
    std::unique_ptr<ListCtrlFcoHost> host;
};

TEST_F(ListCtrlFcoTest, ClickAnywhereInStatusCellTogglesRepaintsAndTellsParentBeforeSelection)
{
    AddRow(0);
    AddRow(0);
    const CRect cell = Cell(1, 0);
    const POINT points[] = {{cell.left + 1, cell.top + 1}, Middle(cell), {cell.right - 1, cell.bottom - 1}};
    Redrawn();
    Click(points[0]);
    EXPECT_EQ(list.GetCheckState(1, 0), 1);
    // On the screen before the click returns, with no further painting.
    const PixelImage pixels = PixelImage::OfClient(list);
    EXPECT_EQ(CountColour(pixels, TickPixels(cell, true), kBlack), 21) << pixels.Sketch(cell);
    Click(points[1]);
    EXPECT_EQ(list.GetCheckState(1, 0), 0);
    Click(points[2]);
    EXPECT_EQ(list.GetCheckState(1, 0), 1);

    ASSERT_EQ(host->CheckboxClicks().size(), 3u);
    for (const CheckboxClickSeen& seen : host->CheckboxClicks()) {
        EXPECT_EQ(seen.row, 1u);
        EXPECT_EQ(seen.column, 0);
    }
    EXPECT_FALSE(host->CheckboxClicks()[0].rowSelected);
    EXPECT_EQ(host->CheckboxClicks()[0].checkState, 1);
    EXPECT_TRUE(Selected(1));
    EXPECT_EQ(list.GetCheckState(0, 0), 0);
}

TEST_F(ListCtrlFcoTest, ClickClearsAnyOtherStateAndReportsTheClickedColumn)
{
    AddRow(2);
    AddRow(-1);
    ASSERT_TRUE(list.SetCheckState(1, 3, 0));

    Click(Middle(Cell(0, 0)));
    Click(Middle(Cell(1, 3)));

    EXPECT_EQ(list.GetCheckState(0, 0), 0);
    EXPECT_EQ(list.GetCheckState(1, 3), 1);
    ASSERT_EQ(host->CheckboxClicks().size(), 2u);
    EXPECT_EQ(host->CheckboxClicks()[1].row, 1u);
    EXPECT_EQ(host->CheckboxClicks()[1].column, 3);
}

TEST_F(ListCtrlFcoTest, ClickWithoutCheckBoxOrBelowTheRowsTogglesNothingButStillSelects)
{
    AddRow(0);
    AddRow(1);
    Click(Middle(Cell(1, 2)));
    EXPECT_TRUE(Selected(1));

    const CRect last = Cell(1, 0);
    Click({last.left + 5, last.bottom + 3 * last.Height()});

    EXPECT_TRUE(host->CheckboxClicks().empty());
    EXPECT_EQ(list.GetCheckState(0, 0), 0);
    EXPECT_EQ(list.GetCheckState(1, 0), 1);
}

TEST_F(ListCtrlFcoTest, DisabledRowAndRowWithoutRecordsSwallowTheClick)
{
    AddRow(0);
    Record(0, 0).bEnabled = FALSE;
    LVITEMA bare = {};
    bare.mask = LVIF_TEXT;
    bare.iItem = 1;
    bare.pszText = const_cast<char*>("bare");
    ASSERT_EQ(list.InsertItem(&bare), 1);

    Click(Middle(Cell(0, 0)));
    Click(Middle(Cell(1, 0)));

    EXPECT_EQ(list.GetCheckState(0, 0), 0);
    EXPECT_TRUE(host->CheckboxClicks().empty());
    EXPECT_FALSE(Selected(0));
    EXPECT_FALSE(Selected(1));
    EXPECT_NE(::GetFocus(), list.m_hWnd);
}

TEST_F(ListCtrlFcoTest, OutOfRangeCellsAndRowsWithoutRecordsAreRefused)
{
    for (int i = 0; i < 5; ++i)
        AddRow(1);
    EXPECT_EQ(list.GetCheckState(5, 0), -1);
    EXPECT_EQ(list.GetCheckState(0, 5), -1);
    EXPECT_FALSE(list.SetCheckState(-1, 0, 1));
    EXPECT_FALSE(list.SetCheckState(0, 5, 1));
    EXPECT_FALSE(list.SetCellText(5, 1, "x"));
    EXPECT_FALSE(list.SetCellText(5, 1, nullptr, kBlack, kBlack));
    EXPECT_FALSE(list.SetCellText(0, -1, "x", kBlack, kBlack));
    RECT rect;
    EXPECT_FALSE(list.GetCellRect(0, 5, LVIR_BOUNDS, &rect));
    EXPECT_EQ(list.InsertRow(-1, "x"), -1);
    EXPECT_EQ(list.GetItemCount(), 5);

    LVITEMA bare = {};
    bare.mask = LVIF_TEXT;
    bare.iItem = 5;
    bare.pszText = const_cast<char*>("");
    ASSERT_EQ(list.InsertItem(&bare), 5);
    EXPECT_FALSE(list.SetCheckState(5, 0, 1));
    EXPECT_EQ(list.GetCheckState(5, 0), -1);
    EXPECT_TRUE(list.SetCellText(5, 1, "458", kBlack, kBlack));
    EXPECT_EQ(list.GetItemText(5, 1), "458");
}

TEST_F(ListCtrlFcoTest, ColoursOfRowsAndCellsDefaultToTheControlsOwn)
{
    list.m_crWindowText = RGB(10, 20, 30);
    list.m_crWindow = RGB(40, 50, 60);
    ASSERT_EQ(list.InsertRow(0, "first"), 0);
    ASSERT_EQ(list.InsertRow(1, "second", RGB(1, 2, 3), RGB(4, 5, 6)), 1);
    EXPECT_EQ(Record(0, 0).crBackground, RGB(40, 50, 60));
    EXPECT_EQ(Record(1, 0).crText, RGB(1, 2, 3));
    EXPECT_EQ(Record(1, 0).crBackground, RGB(4, 5, 6));

    ASSERT_TRUE(list.SetCellText(1, 1, "457", RGB(7, 8, 9), RGB(11, 12, 13)));
    EXPECT_TRUE(list.SetCellText(1, 1, nullptr, (COLORREF)-1, (COLORREF)-1));
    EXPECT_EQ(list.GetItemText(1, 1), "457");
    EXPECT_EQ(Record(1, 1).crText, RGB(10, 20, 30));
    EXPECT_EQ(Record(1, 1).crBackground, RGB(40, 50, 60));
}

TEST_F(ListCtrlFcoTest, StatusCellEndsWhereTheNextColumnBeginsAndFillsARowAlone)
{
    AddRow(0);
    CRect row;
    ASSERT_TRUE(list.GetItemRect(0, &row, LVIR_BOUNDS));
    const CRect status = Cell(0, 0);
    const CRect next = Cell(0, 1);
    EXPECT_EQ(status.left, row.left);
    EXPECT_EQ(status.right, next.left);
    EXPECT_EQ(status.Width(), 49);
    EXPECT_EQ(status.top, row.top);
    EXPECT_EQ(status.bottom, row.bottom);

    host.reset();
    TestListCtrlFco single;
    ListCtrlFcoHost singleHost(single, {120});
    ASSERT_EQ(single.InsertRow(0, ""), 0);
    ASSERT_TRUE(single.GetItemRect(0, &row, LVIR_BOUNDS));
    CRect whole;
    ASSERT_TRUE(single.GetCellRect(0, 0, LVIR_BOUNDS, &whole));
    EXPECT_TRUE(::EqualRect(&whole, &row));
}

TEST_F(ListCtrlFcoTest, TickIsBlackForStateOneOnlyAndGreyInADisabledRow)
{
    AddRow(1);
    AddRow(0);
    AddRow(2);
    AddRow(1);
    Record(3, 0).bEnabled = FALSE;
    list.m_crGrayText = RGB(128, 0, 128);

    const PixelImage pixels = Redrawn();
    // A box as low as these rows puts the tick's right stroke on its inner edge.
    EXPECT_EQ(CountColour(pixels, TickPixels(Cell(0, 0), true), kBlack), 21) << pixels.Sketch(Cell(0, 0));
    EXPECT_EQ(CountColour(pixels, TickPixels(Cell(1, 0), true), kBlack), 0) << pixels.Sketch(Cell(1, 0));
    EXPECT_EQ(CountColour(pixels, TickPixels(Cell(2, 0), true), kBlack), 0) << pixels.Sketch(Cell(2, 0));
    EXPECT_EQ(CountColour(pixels, TickPixels(Cell(3, 0), true), RGB(128, 0, 128)), 21);
}

TEST_F(ListCtrlFcoTest, BoxIsCentredWithoutTextAndNinePixelsInWithText)
{
    const COLORREF teal = RGB(0, 128, 128);
    AddRow(0);
    AddRow(0);
    ASSERT_TRUE(list.SetCellText(1, 0, "Ok"));
    for (int row = 0; row < 2; ++row)
        list.SetCellText(row, 0, nullptr, kBlack, teal);
    const PixelImage pixels = Redrawn();

    for (int row = 0; row < 2; ++row) {
        const CRect cell = Cell(row, 0);
        const int y = Middle(cell).y;
        const int height = cell.Height() - 1;
        int left = cell.left;
        while (left < cell.right && pixels.At(left, y) == teal)
            ++left;
        int right = left;
        while (right < cell.right && pixels.At(right, y) != teal)
            ++right;
        const int expectedLeft = row == 0 ? cell.left + cell.Width() / 2 - height / 2 - 1 : cell.left + 9;
        EXPECT_EQ(left, expectedLeft) << "row " << row << "\n" << pixels.Sketch(cell);
        EXPECT_EQ(right - left, height) << "row " << row;
        if (row == 1) {
            const RECT gap = {right, cell.top, right + 4, cell.bottom};
            const RECT text = {right + 4, cell.top, cell.right, cell.bottom};
            EXPECT_EQ(pixels.CountDark(gap), 0);
            EXPECT_GT(pixels.CountDark(text), 0) << pixels.Sketch(cell);
        }
    }
}

TEST_F(ListCtrlFcoTest, SelectedRowIsHighlightedWithFocusAndButtonFaceWithout)
{
    AddRow(0);
    AddRow(0);
    Select(1);
    const CRect status = Cell(1, 0);
    const CRect component = Cell(1, 2);
    const POINT inStatus = {status.left + 2, Middle(status).y};
    const POINT inComponent = {component.right - 3, Middle(component).y};

    ::SetFocus(list);
    PixelImage pixels = Redrawn();
    EXPECT_EQ(pixels.At(inStatus.x, inStatus.y), list.m_crHighlight);
    EXPECT_EQ(pixels.At(inComponent.x, inComponent.y), list.m_crHighlight);
    EXPECT_EQ(pixels.At(inStatus.x, Middle(Cell(0, 0)).y), list.m_crWindow);

    ::SetFocus(host->Window());
    pixels = Redrawn();
    EXPECT_EQ(pixels.At(inStatus.x, inStatus.y), list.m_crBtnFace);
    EXPECT_EQ(pixels.At(inComponent.x, inComponent.y), list.m_crBtnFace);
}

TEST_F(ListCtrlFcoTest, UnselectedCellsShowTheirOwnBackground)
{
    const COLORREF amber = RGB(255, 200, 0);
    const COLORREF mint = RGB(150, 255, 200);
    AddRow(-1);
    list.SetCellText(0, 0, nullptr, kBlack, mint);
    list.SetCellText(0, 1, nullptr, kBlack, amber);
    const PixelImage pixels = Redrawn();
    const CRect status = Cell(0, 0);
    const CRect fco = Cell(0, 1);
    EXPECT_EQ(pixels.At(status.left + 2, Middle(status).y), mint);
    EXPECT_EQ(pixels.At(fco.right - 3, Middle(fco).y), amber);
}

TEST_F(ListCtrlFcoTest, EmptyListTextShowsOnlyWhileThereAreNoRows)
{
    PixelImage pixels = Redrawn();
    const RECT band = EmptyTextBand();
    int minX = band.right;
    int maxX = -1;
    for (int y = band.top; y < band.bottom; ++y)
        for (int x = band.left; x < band.right; ++x)
            if (pixels.CountDark({x, y, x + 1, y + 1})) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    ASSERT_GT(maxX, minX) << pixels.Sketch({0, band.top - 12, 260, band.bottom});
    EXPECT_NEAR((minX + maxX) / 2, band.right / 2, 3);
    const RECT above = {0, band.top - 10, band.right, band.top};
    EXPECT_EQ(pixels.CountDark(above), 0);

    ASSERT_EQ(list.InsertRow(0, ""), 0);
    pixels = Redrawn();
    EXPECT_EQ(pixels.CountDark(band), 0) << pixels.Sketch(band);
}

TEST_F(ListCtrlFcoTest, SysColorChangeRereadsOnlyTheSelectionColours)
{
    AddRow(0);
    list.SetCellText(0, 1, nullptr, RGB(1, 1, 1), RGB(2, 2, 2));
    const COLORREF stale = RGB(3, 4, 5);
    list.m_crBtnFace = list.m_crHighlight = list.m_crHighlightText = stale;
    list.m_crWindow = list.m_crWindowText = list.m_crGrayText = stale;

    ::SendMessageA(list, WM_SYSCOLORCHANGE, 0, 0);

    EXPECT_EQ(list.m_crBtnFace, ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(list.m_crHighlight, ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(list.m_crHighlightText, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(list.m_crWindow, stale);
    EXPECT_EQ(list.m_crWindowText, stale);
    EXPECT_EQ(list.m_crGrayText, stale);
    EXPECT_EQ(Record(0, 1).crBackground, RGB(2, 2, 2));
}

WNDPROC g_tooltipProc = nullptr;
std::vector<UINT> g_addedToolSizes;

LRESULT CALLBACK RecordAddedToolSize(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == TTM_ADDTOOLA)
        g_addedToolSizes.push_back(reinterpret_cast<const TOOLINFOA*>(lParam)->cbSize);
    return ::CallWindowProcA(g_tooltipProc, hWnd, msg, wParam, lParam);
}

TEST_F(ListCtrlFcoTest, EachCellLabelIsAToolOfItsOwn)
{
    for (int i = 0; i < 5; ++i)
        AddRow(0);
    TOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    const POINT cell = Middle(Cell(3, 2));
    EXPECT_EQ(list.ToolHitTest(CPoint(cell.x, cell.y), &ti), 3003);
    EXPECT_EQ(ti.uId, 3003u);
    EXPECT_EQ(ti.hwnd, list.m_hWnd);
    EXPECT_EQ(ti.lpszText, LPSTR_TEXTCALLBACKA);
    const CRect client = list.GetClientRect();
    EXPECT_TRUE(::EqualRect(&ti.rect, &client));

    const POINT first = Middle(Cell(0, 1));
    EXPECT_EQ(list.ToolHitTest(CPoint(first.x, first.y), &ti), 2);
    const CRect last = Cell(4, 0);
    EXPECT_EQ(list.ToolHitTest(CPoint(last.left + 5, last.bottom + 20), &ti), -1);

    // The common controls the program runs with refuse a tool of the larger size the headers declare.
    ASSERT_TRUE(list.EnableToolTips(TRUE));
    const HWND tip = list.GetToolTipWindow();
    g_tooltipProc = (WNDPROC)::SetWindowLongPtrA(tip, GWLP_WNDPROC, (LONG_PTR)RecordAddedToolSize);
    g_addedToolSizes.clear();
    ::SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(cell.x, cell.y));
    ::SetWindowLongPtrA(tip, GWLP_WNDPROC, (LONG_PTR)g_tooltipProc);
    list.EnableToolTips(FALSE);
    EXPECT_EQ(g_addedToolSizes, std::vector<UINT>{TTTOOLINFOA_V1_SIZE});
}

TEST_F(ListCtrlFcoTest, WholeRowsGoInWithTheirTextsAndRecordsAndBulkWorkPaintsOnceAtTheEnd)
{
    AddRow(0);
    Redrawn();
    const int paintsBefore = host->Paints();
    {
        CListBulkUpdate bulk(list);
        for (int i = 0; i < 30; ++i) {
            CellRecords cells(5);
            cells[0].nCheckState = i % 2;
            cells[1].crBackground = RGB(0, 0, 255);
            ASSERT_EQ(list.InsertRow(list.GetItemCount(), {"", "45" + std::to_string(i), "Loader", "", "belt"},
                                     std::move(cells)),
                      i + 1);
        }
        // Single-cell changes, which repaint at once outside bulk work, wait too.
        ASSERT_TRUE(list.SetCheckState(0, 0, 1));
        ASSERT_TRUE(list.SetCellText(1, 3, "14/03/06"));
        for (MSG msg; ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
            ::DispatchMessageA(&msg);
        EXPECT_EQ(host->Paints(), paintsBefore);
    }
    ::UpdateWindow(list);
    EXPECT_EQ(host->Paints(), paintsBefore + 1);

    EXPECT_EQ(list.GetItemText(1, 1), "450");
    EXPECT_EQ(list.GetItemText(1, 3), "14/03/06");
    EXPECT_EQ(list.GetItemText(2, 4), "belt");
    EXPECT_EQ(list.GetCheckState(2, 0), 1);
    EXPECT_EQ(Record(2, 1).crBackground, RGB(0, 0, 255));
    const PixelImage pixels = PixelImage::OfClient(list);
    EXPECT_EQ(CountColour(pixels, TickPixels(Cell(0, 0), true), kBlack), 21) << pixels.Sketch(Cell(0, 0));
    EXPECT_EQ(CountColour(pixels, TickPixels(Cell(1, 0), true), kBlack), 0) << pixels.Sketch(Cell(1, 0));
    EXPECT_EQ(CountColour(pixels, TickPixels(Cell(2, 0), true), kBlack), 21) << pixels.Sketch(Cell(2, 0));
}

TEST_F(ListCtrlFcoTest, DeleteAllRowsFreesTheRecordsAndEmptiesTheList)
{
    WatchRecordsOfNewRows(3);
    list.DeleteAllRows();
    ExpectAllRecordsReleased();
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetCheckState(0, 0), -1);
    EXPECT_GT(Redrawn().CountDark(EmptyTextBand()), 0);
}

TEST_F(ListCtrlFcoTest, DestroyingTheListFreesTheRecords)
{
    WatchRecordsOfNewRows(3);
    host->Destroy();
    ExpectAllRecordsReleased();
    EXPECT_EQ(list.m_hWnd, nullptr);
}

} // namespace
