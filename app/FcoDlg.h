// The main dialog: the FCO list of the machine, its start-up sequence and its commands.
#pragma once

#include "app/ColorStatic.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/DialogScale.h"
#include "framework/Gdi.h"
#include "framework/ToolTipCtrl.h"
#include "listctrl/ListCtrlFco.h"
#include "maintenance/FileHelpers.h"
#include "maintenance/Launch.h"
#include "maintenance/RegistryExport.h"
#include "maintenance/VersionInfo.h"
#include "registry/FcoValueRules.h"
#include "registry/FcoValueWriter.h"
#include "tooltip/RichTipWnd.h"

#include <memory>
#include <string>
#include <vector>

class CFcoDlg : public CDialog {
public:
    explicit CFcoDlg(HWND hWndParent = nullptr);

    std::string m_strMachineName;
    std::string m_strTimeStamp;
    std::string m_strToday;
    std::string m_strFcoKey;
    COLORREF m_crTooltipBk = 0xFF000000;
    COLORREF m_crTooltipText = 0xFF000000;
    CFont m_fontTooltip;
    std::string m_strPdfFile;
    // Every value of the FCO key as the last normalising pass left it.
    std::vector<FcoRecord> m_aFco;
    CColorStatic m_staticInfo;
    CStatic m_staticFcoDate;
    CStatic m_staticMachine;
    CButton m_btnExit;
    CButton m_btnUpdate;
    CButton m_btnFcoInfo;
    CButton m_btnRemoveAll;
    CButton m_btnRestore;
    CButton m_btnSelectAll;
    CListCtrlFco m_listFco;
    HICON m_hIcon;
    CRichTipWnd m_wndRichTip;
    CToolTipCtrl m_ctlToolTip;
    char m_szDescription[5000];
    // Language and code page of the last version resource read; before any, US English in Unicode.
    DWORD m_dwTranslation = MAKELONG(0x0409, 1200);
    // The version resource being read; released as soon as its text is taken.
    std::unique_ptr<CVersionInfo> m_pVersionInfo;
    bool m_bModuleLoaded = false;

    // FCO list population. Rows are ticked from the last normalising pass's records;
    // IsFcoInRegistry reads one FCO's value live.
    void InsertFcoColumns(CListCtrlFco& list);
    void FillFcoRows();
    void AddFcoRow(const std::string& identifier, const std::string& component,
                   const std::string& description);
    BOOL IsFcoInRegistry(const std::string& identifier, std::string& date);
    // The normalising pass over the FCO key.
    void LoadFcoValues();
    // Fills the list from the machine's catalogue file.
    void ReadDescriptionFile(const std::string& fileName);

    // Update Registry: single values of the FCO key, and the walk that makes the key agree with
    // every row's tick, answering the FCOs the registry refused.
    BOOL WriteFcoValue(std::string name, std::string data);
    BOOL DeleteFcoValue(std::string name);
    std::vector<std::string> WriteListToRegistry();
    // The start-up backup into the backup folder, and the file and launch helpers it shares.
    void BackupFcoKey();
    BOOL EnsureFcoKey();
    BOOL EnsureFolder(const std::string& path);
    BatchRun ExportFcoKey(const std::string& batchPath, const std::string& exportPath);
    void LaunchFile(const std::string& target, int mode);
    BOOL FileExists(const std::string& path);
    void AppendAboutToSystemMenu();
    // The machine's PDF, the outside programs, the install folder.
    void FindMachinePdf();
    void CheckEnvironment();
    void CheckInstallation();
    BOOL UpdateInstalledProgram();
    void GetFileVersionString(const std::string& name, std::string& version);
    int VersionToNumber(const std::string& version);
    BOOL IsDescriptionFileNewer(const std::string& local, const std::string& installed);
    std::string ReadFileDate(const std::string& path);
    BOOL IsDateNewer(const std::string& first, const std::string& second);
    // The help texts of the controls and the FCO description in the rich tooltip.
    void InitToolTips();
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(int nID, int nCode, HWND hWndCtl) override;
    BOOL OnNotify(NMHDR* pNMHDR, LRESULT* pResult) override;
    void OnOK() override;

    BOOL OnSysCommand(UINT nID, LPARAM lParam);
    BOOL OnPaint();
    HCURSOR OnQueryDragIcon();

    void OnSelectAll();
    void OnRemoveAll();
    void OnUpdateRegistry();
    void OnRestoreRegistry();
    BOOL ImportLeftNothing(const std::vector<RegistryExportValue>& restored);
    void RefillAfterRestore();
    void OnFcoInfo();
    void OnButton1();
    void OnClickListFco(NMHDR* pNMHDR, LRESULT* pResult);
    void OnRclickListFco(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTipColor();
    void OnTipFont();
    void OnButton2();

private:
    // The dialog's pixel numbers, written for 96 DPI, in its units now.
    CDialogScale Scale() const;
    // The list at its place and width, height pixels high at 96 DPI.
    void PlaceList(int height);
    // m_szDescription from the Description cell of the row holding the selection mark;
    // with bFallback, a hint to right-click when that gives no text.
    void CopyMarkedDescription(BOOL bFallback);

    // Labels of the machine name, the FCO date and the information line.
    CFont m_fontLabel;
    // What the last normalising pass left in the key, by FCO identifier.
    FcoDates m_fcoDates;
    // Update Registry's writes; a walk over the rows keeps the key open throughout.
    CFcoValueWriter m_fcoValueWriter;
    // The self-install copy, awaited when the dialog ends.
    CBatchInBackground m_copyBatch;
};
