// The engineer's choice of the tooltip's background colour, text colour and font, for the rest of the run.
#pragma once

#include "framework/Gdi.h"
#include "tooltip/RichTipWnd.h"

// Asks for a background colour, starting from crBk. On OK crBk takes the colour and the
// tip gives it to every tool still on its old default; on Cancel nothing changes. TRUE on OK.
BOOL ChooseTipBkColor(CRichTipWnd& tip, COLORREF& crBk);

// Asks for a font and a text colour, starting from font and crText. On OK crText and font
// take the choice and the tip follows both; on Cancel nothing changes. TRUE on OK.
BOOL ChooseTipFont(CRichTipWnd& tip, CFont& font, COLORREF& crText);
