// The tooltip's colour and font commands over the colour and font common dialogs.
#include "appearance/TipAppearance.h"

#include "framework/CommonDialogs.h"

BOOL ChooseTipBkColor(CRichTipWnd& tip, COLORREF& crBk)
{
    // The system colours' mark is offered as it is; whatever OK answers replaces it, so from then
    // on the tip no longer follows the system's colours.
    CColorDialog dlg(crBk, CC_FULLOPEN);
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
    dlg.m_cf.rgbColors = crText;
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
