// Update Registry: the engineer's ticks written into the FCO key after one confirmation.
#include "app/FcoDlg.h"
#include "app/WarningBox.h"

#include "maintenance/NameList.h"

namespace {
const int kStatusColumn = 0;
const int kFcoColumn = 1;
const int kDateColumn = 3;
} // namespace

// Button "&Update Registry".
void CFcoDlg::OnUpdateRegistry()
{
    if (MessageBox("Are you sure you want to update the Registry?", "Update Registry",
                   MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL) != IDYES)
        return;
    const std::vector<std::string> refused = WriteListToRegistry();
    if (!refused.empty())
        MessageBox("The registry refused the changes of these FCOs: " + NameListForMessage(refused) +
                       ".\r\nTheir Installation Date shows what the registry holds.",
                   kWarningCaption, kWarningStyle);
}

std::vector<std::string> CFcoDlg::WriteListToRegistry()
{
    std::vector<std::string> refused;
    CListBulkUpdate bulk(m_listFco);
    CFcoValueBatch openKey(m_fcoValueWriter);
    // Nothing adds or removes rows during the walk.
    const int rows = m_listFco.GetItemCount();
    for (int row = 0; row < rows; ++row) {
        const std::string name = m_listFco.GetItemText(row, kFcoColumn);
        const std::string date = m_listFco.GetItemText(row, kDateColumn);
        // Only a clear box counts as clear; a row without records (-1) counts as ticked.
        const bool ticked = m_listFco.GetCheckState(row, kStatusColumn) != 0;
        const std::string shown = ticked ? (date.empty() ? m_strToday : date) : std::string();
        const BOOL done = ticked ? WriteFcoValue(name, shown) : DeleteFcoValue(name);
        if (done) {
            if (shown != date)
                m_listFco.SetCellText(row, kDateColumn, shown.c_str());
            continue;
        }
        // A change the registry refused is not shown as made.
        refused.push_back(name);
        std::string held;
        IsFcoInRegistry(name, held);
        m_listFco.SetCellText(row, kDateColumn, held.c_str());
    }
    return refused;
}

BOOL CFcoDlg::WriteFcoValue(std::string name, std::string data)
{
    return m_fcoValueWriter.WriteValue(m_strFcoKey, name, data);
}

BOOL CFcoDlg::DeleteFcoValue(std::string name)
{
    return m_fcoValueWriter.DeleteValue(m_strFcoKey, name);
}
