// The machine's PDF document behind the "&FCO Info" button.
#include "app/FcoDlg.h"

#include "framework/Strings.h"
#include "maintenance/FileHelpers.h"
#include "maintenance/Launch.h"

// Start-up step: the button is shown only for a machine type that has its document beside the program.
void CFcoDlg::FindMachinePdf()
{
    const std::string pdf = FormatString("%s.pdf", m_strMachineName.c_str());
    if (!FileExists(pdf))
        return;
    m_btnFcoInfo.ShowWindow(SW_SHOWNORMAL);
    m_strPdfFile = pdf;
}

// "&FCO Info": the document opens in whatever viewer the machine has for PDF files.
void CFcoDlg::OnFcoInfo()
{
    if (!m_strPdfFile.empty())
        LaunchFile(m_strPdfFile, LaunchNormal);
}
