// Modal and modeless dialogs from templates: message dispatch, control binding, data exchange.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

class CDialog;

// Direction of one data exchange between a dialog's members and its controls.
struct CDataExchange {
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds a member to the dialog's control nIDC (subclassing it where the member's
// class handles messages). Binds once: later exchanges leave the binding alone.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, HWND hWndParent = nullptr);

    // Runs the dialog in its own message loop until EndDialog; the window is
    // destroyed before it returns. -1 when the template cannot be created.
    INT_PTR DoModal();
    // Creates the same dialog modeless (used to drive it in tests); EndDialog
    // then only records the result and hides the window.
    BOOL Create(HWND hWndParent = nullptr);
    void DestroyWindow();

    void EndDialog(INT_PTR nResult);
    bool HasEnded() const { return m_bEnded; }
    INT_PTR GetResult() const { return m_nResult; }

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Sees each message of the modal loop before it is dispatched; TRUE when it
    // was handled. The base gives dialog keyboard navigation.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    // The one switch over the messages; the base turns the common ones into hooks.
    virtual INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // Called when the controls exist; TRUE lets the dialog manager set the focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX) {}
    // Called for WM_COMMAND; TRUE when handled. The base routes IDOK and IDCANCEL.
    virtual BOOL OnCommand(int nID, int nCode, HWND hWndCtl);
    // Called for WM_NOTIFY; TRUE when handled, with *pResult the notification's result.
    virtual BOOL OnNotify(NMHDR* pNMHDR, LRESULT* pResult) { return FALSE; }
    virtual void OnOK();
    virtual void OnCancel();

    // A dialog procedure cannot return an LRESULT itself: this stores it.
    INT_PTR SetMsgResult(LRESULT result);

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();

    UINT m_nIDTemplate;
    HWND m_hWndParent;
    bool m_bModal = false;
    bool m_bEnded = false;
    INT_PTR m_nResult = -1;
};
