// Figures for the rich tooltip: from the mouse at rest to the tip on screen, and painting a long two-page description.
#include "tests/win/support/RichTipHost.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
const int kShowRepeats = 7;
const int kPaintRepeats = 51;
const int kDescriptionLength = 4999;
const UINT kTipFormat = DT_NOPREFIX | DT_EXTERNALLEADING | DT_EXPANDTABS | DT_WORDBREAK;

double Frequency()
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return double(frequency.QuadPart);
}

double Ms(const LARGE_INTEGER& start, const LARGE_INTEGER& end)
{
    return double(end.QuadPart - start.QuadPart) * 1000.0 / Frequency();
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now;
}

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// An FCO description as the list holds it: words, a line feed every 80 columns or so,
// and a carriage return in the middle that makes two pages.
std::string LongDescription()
{
    static const char* const kWords[] = {"firmware", "controller", "imaging", "head", "start-up", "panel",
                                         "faster", "operator", "replaces", "the", "of", "and"};
    std::string text = "Description: ";
    int column = 0;
    for (int i = 0; (int)text.size() < kDescriptionLength; ++i) {
        const std::string word = kWords[(i * 7) % 12];
        if (column + (int)word.size() > 80) {
            text += '\n';
            column = 0;
        } else if (column) {
            text += ' ';
            ++column;
        }
        text += word;
        column += (int)word.size();
        if ((int)text.size() > kDescriptionLength / 2 && text.find('\r') == std::string::npos) {
            text += '\r';
            column = 0;
        }
    }
    text.resize(kDescriptionLength);
    return text;
}

void BenchShowDelay(TestRichTip& tip, RichTipHost& host)
{
    std::vector<double> delays;
    for (int run = 0; run < kShowRepeats; ++run) {
        // Back to idle: dismissed, then the cursor over no tool.
        Relay(tip, WM_KEYDOWN, host.EmptySpot());
        MoveCursor(tip, host.EmptySpot());
        PumpFor(50);
        const int paints = tip.m_nPaints;
        const LARGE_INTEGER rest = Now();
        MoveCursor(tip, host.CentreOf(RichTipHost::kAlphaId));
        if (!PumpUntil([&] { return tip.m_nPaints > paints && tip.Visible(); }, 5000)) {
            std::printf("  the tip did not show\n");
            return;
        }
        delays.push_back(Ms(rest, tip.m_lastPaintEnd));
    }
    const double median = Median(delays);
    std::printf("Mouse at rest to tip painted, median of %d:\n", kShowRepeats);
    std::printf("  %-56s %9.1f ms   initial delay %6.1f ms   beyond it %6.1f ms\n", "last relayed WM_MOUSEMOVE to the end of WM_PAINT",
                median, double(tip.m_nInitialDelay), median - tip.m_nInitialDelay);
}

void BenchPaint(TestRichTip& tip, RichTipHost& host, int page)
{
    if (page == 1)
        ::SendMessageA(tip.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    const std::string pageText = tip.GetToolText(tip.m_pCurrentTool);
    CRect textRect = tip.GetClientRect();
    textRect.left += 2;
    textRect.top += 2;
    textRect.right -= 3;
    textRect.bottom -= 3;

    std::vector<double> painted, plain;
    for (int run = 0; run < kPaintRepeats; ++run) {
        tip.Invalidate(TRUE);
        LARGE_INTEGER start = Now();
        tip.UpdateWindow();
        painted.push_back(Ms(start, Now()));

        start = Now();
        {
            CClientDC dc(tip.m_hWnd);
            CSelectObject font(dc, tip.GetFont());
            RECT rect = textRect;
            ::DrawTextA(dc, pageText.c_str(), (int)pageText.size(), &rect, kTipFormat);
        }
        plain.push_back(Ms(start, Now()));
    }
    const double m = Median(painted);
    const double b = Median(plain);
    char what[96];
    std::snprintf(what, sizeof(what), "page %d (%d characters, %ld x %ld px)", page, (int)pageText.size(),
                  tip.GetClientRect().Width(), tip.GetClientRect().Height());
    std::printf("  %-56s %9.2f ms   baseline %6.2f ms   ratio %.2f\n", what, m, b, m / b);
}
} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    RichTipHost& host = RichTipHost::Reset();
    CWnd owner(host.Window());
    TestRichTip tip;
    CWnd alpha(host.Control(RichTipHost::kAlphaId));
    CWnd list(host.Control(RichTipHost::kListId));
    if (!tip.Create(&owner) || !tip.AddTool(&alpha, "Click here to exit the Mendwright") ||
        !tip.AddTool(&list, "Description: please click on right click button to show ToolTip ")) {
        std::printf("The tip could not be created (no display?)\n");
        return 1;
    }
    tip.SetMaxTipWidth(1500);

    BenchShowDelay(tip, host);

    // The list's tip with a description as long as the dialog lets it be.
    tip.m_nInitialDelay = 1;
    tip.m_strDescription = LongDescription();
    Relay(tip, WM_KEYDOWN, host.EmptySpot());
    MoveCursor(tip, host.EmptySpot());
    MoveCursor(tip, host.CentreOf(RichTipHost::kListId));
    if (!PumpUntil([&] { return tip.Visible(); }, 5000)) {
        std::printf("The description tip did not show\n");
        return 1;
    }
    std::printf("Painting a two-page description of %d characters, median of %d;\n"
                "baseline: DrawText of the same page into the same rectangle, same font:\n",
                kDescriptionLength, kPaintRepeats);
    BenchPaint(tip, host, 0);
    BenchPaint(tip, host, 1);
    return 0;
}
