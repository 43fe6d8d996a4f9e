// The main dialog's FCO list: columns, filling from the normalised key and the description file.
#include "app/FcoDlg.h"

#include "descriptions/DescriptionFile.h"
#include "framework/Strings.h"
#include "registry/FcoListPopulation.h"
#include "registry/FcoValues.h"

#include <cstdio>

namespace {
// Hands the description file's date to the label and each FCO line to the dialog's list.
class DialogCatalogueSink : public DescriptionSink {
public:
    explicit DialogCatalogueSink(CFcoDlg& dlg) : m_dlg(dlg) {}
    void OnDate(const std::string& date) override
    {
        m_dlg.m_staticFcoDate.SetWindowText(FormatString("FCO Date: %s", date.c_str()));
    }
    void OnRow(const DescriptionRow& row) override
    {
        m_dlg.AddFcoRow(row.identifier, row.component, row.description);
    }

private:
    CFcoDlg& m_dlg;
};
} // namespace

void CFcoDlg::InsertFcoColumns(CListCtrlFco& list)
{
    ::InsertFcoColumns(list, Scale().X(kFcoScrollBarRoom));
}

// Called at start-up and after a restore of the key.
void CFcoDlg::FillFcoRows()
{
    CListBulkUpdate bulk(m_listFco);
    m_listFco.DeleteAllRows();
    LoadFcoValues();
    ReadDescriptionFile(FormatString("%s.txt", m_strMachineName.c_str()));
}

void CFcoDlg::LoadFcoValues()
{
    m_aFco = NormaliseFcoKey(HKEY_LOCAL_MACHINE, m_strFcoKey, m_strToday, stdout);
    m_fcoDates = IndexFcoRecords(m_aFco);
}

void CFcoDlg::ReadDescriptionFile(const std::string& fileName)
{
    DialogCatalogueSink sink(*this);
    ReadCatalogueFile(fileName, sink);
}

// The pass has just read every value of the key: its records tell what is installed.
void CFcoDlg::AddFcoRow(const std::string& identifier, const std::string& component,
                        const std::string& description)
{
    const FcoDates::const_iterator installed = m_fcoDates.find(identifier);
    AppendFcoRow(m_listFco, identifier, component, description, installed != m_fcoDates.end(),
                 installed != m_fcoDates.end() ? installed->second : std::string());
}

BOOL CFcoDlg::IsFcoInRegistry(const std::string& identifier, std::string& date)
{
    return ::IsFcoInRegistry(m_strFcoKey, identifier, date);
}
