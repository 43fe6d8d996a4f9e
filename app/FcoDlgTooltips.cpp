// The main dialog's tooltips: the help texts of its controls and the description of the marked FCO.
#include "app/FcoDlg.h"

#include "framework/Gdi.h"
#include "framework/Strings.h"
#include "res/resource.h"

#include <cstring>

namespace {
const int kDescriptionColumn = 4;
// Wide enough for any description line; a longer one wraps at its blanks.
const int kMaxTipWidth = 1500;
const char kNoDescription[] = "Click on the right button in order to get description for FCO";

struct HelpText {
    int nID;
    const char* text;
};

// The list's text begins "Description:", so the tip shows the marked FCO's description instead.
const HelpText kRichTips[] = {
    {IDC_BUTTON_FONT, "Change Text Font and Color..."},
    {IDC_BUTTON_COLOR, "Change Background Color..."},
    {IDC_BUTTON_UPDATE, "Click here to update registry with the selected FCOs"},
    {IDC_BUTTON_RESTORE, "Click here to restore a previously saved FCO list"},
    {IDC_BUTTON_FCO_INFO, "Open rbf"},
    {IDOK, "Click here to exit the Mendwright"},
    {IDC_LIST_FCO, "Description: please click on right click button to show ToolTip "},
};

// The dialog relays nothing to the standard tooltip, so these texts are registered but not shown.
const HelpText kStandardTips[] = {
    {IDC_BUTTON_SELECT_ALL, "Click here to select all FCOs"},
    {IDC_BUTTON_REMOVE_ALL, "Click here to remove all FCOs"},
};
} // namespace

// Called once from the start-up, after the controls are bound.
void CFcoDlg::InitToolTips()
{
    m_wndRichTip.Create(this);
    m_ctlToolTip.Create(this, 0);
    for (const HelpText& tip : kStandardTips) {
        CWnd control(GetDlgItem(tip.nID));
        m_ctlToolTip.AddTool(&control, tip.text);
    }
    for (const HelpText& tip : kRichTips) {
        CWnd control(GetDlgItem(tip.nID));
        m_wndRichTip.AddTool(&control, tip.text);
    }

    // The appearance commands start from the tip's defaults: the system's colours and font.
    m_crTooltipBk = m_wndRichTip.GetTipBkColor();
    m_crTooltipText = m_wndRichTip.GetTipTextColor();
    LOGFONTA logFont;
    if (m_wndRichTip.IsWindow() && ReadLogFont(m_wndRichTip.GetFont(), &logFont))
        m_fontTooltip.CreateFontIndirect(&logFont);

    m_wndRichTip.SetMaxTipWidth(kMaxTipWidth);
}

void CFcoDlg::CopyMarkedDescription(BOOL bFallback)
{
    m_szDescription[0] = '\0';
    const int row = m_listFco.m_hWnd ? m_listFco.GetSelectionMark() : -1;
    if (row >= 0) {
        // A description may be thousands of characters long: the list copies no more than fits,
        // and a byte more than the description keeps tells whether its last character is whole.
        // The buffer starts empty: a character the list could not fit it leaves unwritten.
        char text[sizeof(m_szDescription) + 1] = {};
        const int length = m_listFco.GetItemText(row, kDescriptionColumn, text, sizeof(text));
        const size_t kept = SystemLeadBytes().WholeLength(text, length, sizeof(m_szDescription) - 1);
        std::memcpy(m_szDescription, text, kept);
        m_szDescription[kept] = '\0';
    }
    if (bFallback && m_szDescription[0] == '\0')
        lstrcpynA(m_szDescription, kNoDescription, sizeof(m_szDescription));
}

// Sees every message of the dialog's loop, the tip's own timer ticks included, so the
// description is current whenever the tip resolves its text.
BOOL CFcoDlg::PreTranslateMessage(MSG* pMsg)
{
    m_wndRichTip.RelayEvent(pMsg);
    CopyMarkedDescription(TRUE);
    m_wndRichTip.m_strDescription = FormatString("Description: %s", m_szDescription);
    return CDialog::PreTranslateMessage(pMsg);
}

// Called for a click on the list, after the list has moved its selection mark.
void CFcoDlg::OnClickListFco(NMHDR*, LRESULT* pResult)
{
    CopyMarkedDescription(TRUE);
    *pResult = 0;
}

// Called for a right click on the list. No hint here: the dialog's loop puts it in for the
// tip before the next message.
void CFcoDlg::OnRclickListFco(NMHDR*, LRESULT* pResult)
{
    CopyMarkedDescription(FALSE);
    *pResult = 0;
}
