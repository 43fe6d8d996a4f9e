// The main dialog's hidden Color and Font commands for the rich tooltip.
#include "app/FcoDlg.h"

#include "appearance/TipAppearance.h"

// Called for the "Color" button, which the dialog keeps hidden.
void CFcoDlg::OnTipColor()
{
    if (!UpdateData(TRUE))
        return;
    ChooseTipBkColor(m_wndRichTip, m_crTooltipBk);
}

// Called for the "Font" button, which the dialog keeps hidden.
void CFcoDlg::OnTipFont()
{
    if (!UpdateData(TRUE))
        return;
    ChooseTipFont(m_wndRichTip, m_fontTooltip, m_crTooltipText);
}
