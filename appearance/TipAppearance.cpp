// The tooltip's colour and font commands over the colour and font common dialogs.
#include "appearance/TipAppearance.h"

#include "framework/CommonDialogs.h"

namespace {
// The tip's mark for "the system's colour" is no colour a dialog can show: offered as it
// is, the colour dialog starts from black. The dialogs start from the colour the tip shows.
COLORREF ShownColor(COLORREF color, int nSystemColor)
{
    return color == kTipSystemColor ? ::GetSysColor(nSystemColor) : color;
}
} // namespace

BOOL ChooseTipBkColor(CRichTipWnd& tip, COLORREF& crBk)
{
    CColorDialog dlg(ShownColor(crBk, COLOR_INFOBK), CC_FULLOPEN);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    crBk = dlg.GetColor();
    tip.SetTipBkColor(crBk);
    return TRUE;
}

BOOL ChooseTipFont(CRichTipWnd& tip, CFont& font, COLORREF& crText)
{
    LOGFONTA logFont = {};
    font.GetLogFont(&logFont);
    CFontDialog dlg(&logFont, CF_SCREENFONTS | CF_EFFECTS);
    dlg.m_cf.rgbColors = ShownColor(crText, COLOR_INFOTEXT);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    crText = dlg.GetColor();
    tip.SetTipTextColor(crText);
    dlg.GetCurrentFont(&logFont);
    font.DeleteObject();
    font.CreateFontIndirect(&logFont);
    // The tip copies the font's description and makes a font of its own.
    if (tip.IsWindow())
        tip.SetFont(font, TRUE);
    return TRUE;
}
