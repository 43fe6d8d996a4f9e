// Windows' large fonts (120 DPI) for the programs started while the object lives.
#pragma once

#include <windows.h>

namespace e2e {

// LogPixels 120 in the user's desktop settings, and in the prefix's Fonts folder the large-fonts
// MS Sans Serif (sseriff.fon) in place of the standard one, as Windows has them at 120 DPI. The
// destructor puts the prefix back at 96 DPI as it found it, so later scenarios see an engineer's
// usual screen.
class LargeFonts {
public:
    LargeFonts();
    ~LargeFonts();
    LargeFonts(const LargeFonts&) = delete;
    LargeFonts& operator=(const LargeFonts&) = delete;

    bool Ready() const { return m_ready; }

private:
    bool m_hadLogPixels = false;
    DWORD m_logPixels = 0;
    bool m_ready = false;
};

} // namespace e2e
