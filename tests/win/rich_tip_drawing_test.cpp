// The rich tooltip's painting, size and font in a real owner window under Wine, checked by pixels and by DrawText.
#include "tests/common/PixelImage.h"
#include "tests/win/support/RichTipFixture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {
const COLORREF kBlack = RGB(0, 0, 0);
const UINT kTipFormat = DT_NOPREFIX | DT_EXTERNALLEADING | DT_EXPANDTABS | DT_WORDBREAK;

class RichTipDrawingTest : public RichTipTest {
protected:
    // What DrawText reports for text in the tip's font at a width.
    CRect TextRect(const std::string& text, int width, UINT format = kTipFormat)
    {
        CClientDC dc(nullptr);
        CSelectObject font(dc, tip.GetFont());
        CRect rect(0, 0, width, 0);
        ::DrawTextA(dc, text.c_str(), (int)text.size(), &rect, format | DT_CALCRECT);
        return rect;
    }

    int LineHeight()
    {
        CClientDC dc(nullptr);
        CSelectObject font(dc, tip.GetFont());
        TEXTMETRICA metrics = {};
        ::GetTextMetricsA(dc, &metrics);
        return metrics.tmHeight + metrics.tmExternalLeading;
    }

    CRect ShownSize(int id)
    {
        ShowAt(host.CentreOf(id));
        EXPECT_TRUE(tip.Visible());
        const CRect window = tip.GetWindowRect();
        return CRect(0, 0, window.Width(), window.Height());
    }

    PixelImage Painted()
    {
        tip.Invalidate(TRUE);
        tip.UpdateWindow();
        return PixelImage::OfClient(tip.m_hWnd);
    }

    static LOGFONTA FontOf(HFONT font)
    {
        LOGFONTA logFont = {};
        ::GetObjectA(font, sizeof(logFont), &logFont);
        return logFont;
    }

    static LOGFONTA SystemTipFont()
    {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = 340;
        ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0);
        return metrics.lfStatusFont;
    }
};

// The black pixels inside the frame, as columns of counts from the left.
struct ArrowShape {
    int firstColumn = -1;
    int lastColumn = -1;
    int firstCount = 0;
    int lastCount = 0;
    int lowestRow = -1;
    int total = 0;
};

ArrowShape ArrowOf(const PixelImage& pixels)
{
    ArrowShape shape;
    for (int x = 1; x < pixels.Width() - 1; ++x) {
        int count = 0;
        for (int y = 1; y < pixels.Height() - 1; ++y) {
            if (pixels.At(x, y) == kBlack) {
                ++count;
                shape.lowestRow = std::max(shape.lowestRow, y);
            }
        }
        if (!count)
            continue;
        if (shape.firstColumn < 0) {
            shape.firstColumn = x;
            shape.firstCount = count;
        }
        shape.lastColumn = x;
        shape.lastCount = count;
        shape.total += count;
    }
    return shape;
}

TEST_F(RichTipDrawingTest, TwoPagesPaintTheArrowOnTheSideOfTheOtherPageInAFrameOnTheToolsColours)
{
    const COLORREF background = RGB(250, 240, 120);
    const COLORREF text = RGB(0, 0, 255);
    AddTool(RichTipHost::kWideId, "A\rB\rC");
    RICHTIPINFO info = Info(RichTipHost::kWideId);
    info.crBk = background;
    info.crText = text;
    tip.SetToolInfo(&info);
    ShowAt(host.CentreOf(RichTipHost::kWideId));
    ASSERT_TRUE(tip.Visible());
    EXPECT_EQ(tip.GetWindowRect().Width(), TextRect("A  ", 1000).Width() + 5);

    for (int page = 0; page < 2; ++page) {
        SCOPED_TRACE(page == 0 ? "page 0" : "page 1");
        const PixelImage pixels = Painted();
        ASSERT_FALSE(pixels.Empty());
        const int w = pixels.Width();
        const int h = pixels.Height();
        for (int x = 0; x < w; ++x) {
            ASSERT_EQ(pixels.At(x, 0), kBlack) << x;
            ASSERT_EQ(pixels.At(x, h - 1), kBlack) << x;
        }
        for (int y = 0; y < h; ++y) {
            ASSERT_EQ(pixels.At(0, y), kBlack) << y;
            ASSERT_EQ(pixels.At(w - 1, y), kBlack) << y;
        }
        // The left margin is background on both pages; the arrow of page 1 starts right of it.
        for (int y = 1; y < h - 1; ++y)
            ASSERT_EQ(pixels.At(1, y), background) << y << "\n" << pixels.Sketch();
        int textPixels = 0;
        for (int y = 1; y < h - 1; ++y)
            for (int x = 1; x < w - 1; ++x)
                textPixels += GetBValue(pixels.At(x, y)) > 150 && GetRValue(pixels.At(x, y)) < 100 ? 1 : 0;
        EXPECT_GT(textPixels, 0) << "the letter in the text colour";

        const ArrowShape arrow = ArrowOf(pixels);
        ASSERT_GT(arrow.total, 6) << pixels.Sketch();
        EXPECT_LT(arrow.lowestRow, 2 + LineHeight()) << "level with the first line";
        if (page == 0) {
            EXPECT_GT(arrow.firstColumn, w / 2) << pixels.Sketch();
            EXPECT_GT(arrow.firstCount, arrow.lastCount) << "pointing right\n" << pixels.Sketch();
        } else {
            EXPECT_LT(arrow.lastColumn, w / 2) << pixels.Sketch();
            EXPECT_LT(arrow.firstCount, arrow.lastCount) << "pointing left\n" << pixels.Sketch();
        }
        ::SendMessageA(tip.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    }
    EXPECT_EQ(tip.m_nPage, 0) << "a second click goes back";
}

TEST_F(RichTipDrawingTest, TheSystemColoursAreLookedUpAtEachPaint)
{
    ShowAt(host.CentreOf(RichTipHost::kAlphaId));
    ASSERT_TRUE(tip.Visible());
    EXPECT_EQ(Painted().At(1, 1), ::GetSysColor(COLOR_INFOBK));

    const int element = COLOR_INFOBK;
    const COLORREF original = ::GetSysColor(COLOR_INFOBK);
    const COLORREF changed = RGB(10, 200, 30);
    ASSERT_TRUE(::SetSysColors(1, &element, &changed));
    const COLORREF seen = Painted().At(1, 1);
    ::SetSysColors(1, &element, &original);
    EXPECT_EQ(seen, changed);
}

TEST_F(RichTipDrawingTest, TheTipIsFivePixelsWiderAndHigherThanTheTextAtTheMaximumWidth)
{
    EXPECT_EQ(tip.SetMaxTipWidth(1500), 0);
    const CRect text = TextRect(kAlphaText, 1500);
    const CRect tipSize = ShownSize(RichTipHost::kAlphaId);
    EXPECT_EQ(tipSize, CRect(0, 0, text.Width() + 5, text.Height() + 5));
    // A short text is not widened to the maximum.
    EXPECT_EQ(tipSize.Height(), LineHeight() + 5);
    EXPECT_LT(tipSize.Width(), 1000);
}

TEST_F(RichTipDrawingTest, AtWidthZeroNoLineWrapsAndEmptyLinesCount)
{
    // The widest line comes last, after an empty one.
    const char* text = "short\nA longer second line\n\nFirmware 2.4: faster start-up of the main controller";
    AddTool(RichTipHost::kWideId, text);
    const CRect unwrapped = TextRect(text, 10000, kTipFormat & ~DT_WORDBREAK);
    EXPECT_EQ(ShownSize(RichTipHost::kWideId), CRect(0, 0, unwrapped.Width() + 5, unwrapped.Height() + 5));
    EXPECT_EQ(unwrapped.Height(), 4 * LineHeight());
}

TEST_F(RichTipDrawingTest, TextWiderThanTheMaximumWrapsAtWords)
{
    tip.SetMaxTipWidth(120);
    AddTool(RichTipHost::kWideId, kAlphaText);
    const CRect wrapped = TextRect(kAlphaText, 120);
    const CRect tipSize = ShownSize(RichTipHost::kWideId);
    EXPECT_EQ(tipSize, CRect(0, 0, wrapped.Width() + 5, wrapped.Height() + 5));
    EXPECT_LE(tipSize.Width(), 125);
    EXPECT_GE(tipSize.Height(), 2 * LineHeight() + 5);
}

TEST_F(RichTipDrawingTest, TheFontFollowsTheSystemUntilTheUserSetsOneAndBadHandlesGiveTheSystemFontBack)
{
    const LOGFONTA system = SystemTipFont();
    EXPECT_STREQ(FontOf(tip.GetFont()).lfFaceName, system.lfFaceName);
    EXPECT_EQ(FontOf(tip.GetFont()).lfHeight, system.lfHeight);
    EXPECT_TRUE(tip.m_bSystemFont);
    // While it is the system font, a setting change reloads it.
    HFONT before = tip.GetFont();
    ::SendMessageA(tip.m_hWnd, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    EXPECT_NE(tip.GetFont(), before);

    LOGFONTA chosen = {};
    chosen.lfHeight = -21;
    chosen.lfWeight = FW_BOLD;
    lstrcpynA(chosen.lfFaceName, "Courier New", LF_FACESIZE);
    CFont user;
    ASSERT_TRUE(user.CreateFontIndirect(&chosen));
    tip.SetFont(user, FALSE);
    EXPECT_NE(tip.GetFont(), (HFONT)user) << "the tip keeps a font of its own";
    EXPECT_STREQ(FontOf(tip.GetFont()).lfFaceName, "Courier New");
    EXPECT_EQ(FontOf(tip.GetFont()).lfHeight, -21);
    EXPECT_FALSE(tip.m_bSystemFont);
    before = tip.GetFont();
    ::SendMessageA(tip.m_hWnd, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    EXPECT_EQ(tip.GetFont(), before);
    EXPECT_STREQ(FontOf(tip.GetFont()).lfFaceName, "Courier New");

    ShowAt(host.CentreOf(RichTipHost::kAlphaId));
    ASSERT_TRUE(tip.Visible());
    CBrush brush(RGB(1, 2, 3));
    const HFONT invalid[] = {(HFONT)(UINT_PTR)0x12345678, nullptr, (HFONT)(HGDIOBJ)brush};
    for (HFONT handle : invalid) {
        tip.SetFont(user, FALSE);
        ASSERT_FALSE(tip.m_bSystemFont);
        tip.UpdateWindow();
        tip.SetFont(handle, FALSE);
        EXPECT_STREQ(FontOf(tip.GetFont()).lfFaceName, system.lfFaceName) << handle;
        EXPECT_EQ(FontOf(tip.GetFont()).lfHeight, system.lfHeight) << handle;
        EXPECT_TRUE(tip.m_bSystemFont) << handle;
        EXPECT_TRUE(::GetUpdateRect(tip.m_hWnd, nullptr, FALSE)) << "redrawn whatever the caller asked";
    }
}
} // namespace
