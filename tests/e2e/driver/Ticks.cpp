// Tick detection by comparing a ticked and a clear Status cell pixel by pixel.
#include "tests/e2e/driver/Ticks.h"

#include "tests/common/PixelImage.h"
#include "tests/e2e/driver/Wait.h"

#include <sstream>
#include <vector>

namespace e2e {

namespace {
// Seven strokes of three pixels make the tick; a few may merge with the box's edge.
constexpr size_t kLeastTickPixels = 15;
constexpr DWORD kDrawTimeoutMs = 10000;

// Black pixels of one cell that the other shows white at the same place.
std::vector<POINT> TickPixels(const PixelImage& ticked, const PixelImage& unticked)
{
    std::vector<POINT> tick;
    for (const POINT& p : ticked.DarkPoints())
        if (unticked.At(p.x, p.y) == RGB(255, 255, 255))
            tick.push_back(p);
    return tick;
}
} // namespace

bool ShowsTickOnlyIn(const ListViewReader& list, int ticked, int clear, std::string* pictures)
{
    const RECT tickedCell = list.CellRectOnScreen(ticked, 0);
    const RECT clearCell = list.CellRectOnScreen(clear, 0);
    PixelImage tickedImage, clearImage;
    // The drawing reaches the screen some time after the dialog is shown.
    const bool shown = WaitUntil([&] {
        tickedImage = PixelImage::OfScreen(tickedCell);
        clearImage = PixelImage::OfScreen(clearCell);
        return TickPixels(tickedImage, clearImage).size() >= kLeastTickPixels &&
               TickPixels(clearImage, tickedImage).empty();
    }, kDrawTimeoutMs);
    if (!shown && pictures) {
        std::ostringstream out;
        out << "row " << ticked << " (" << DescribeRect(tickedCell) << "):\n" << tickedImage.Sketch()
            << "row " << clear << ":\n" << clearImage.Sketch();
        *pictures = out.str();
    }
    return shown;
}

} // namespace e2e
