// The dialog object: creation from a template, the modal loop and message dispatch.
#include "framework/Dialog.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    rControl.SubclassWindow(pDX->m_pDlgWnd->GetDlgItem(nIDC));
}

CDialog::CDialog(UINT nIDTemplate, HWND hWndParent)
    : m_nIDTemplate(nIDTemplate), m_hWndParent(hWndParent)
{
}

BOOL CDialog::Create(HWND hWndParent)
{
    m_bEnded = false;
    m_nResult = -1;
    HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate),
                                     hWndParent, DialogProc, (LPARAM)this);
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    m_bModal = true;
    const BOOL bParentEnabled = m_hWndParent && ::IsWindowEnabled(m_hWndParent);
    if (!Create(m_hWndParent)) {
        m_bModal = false;
        return -1;
    }
    // A dialog may end during its initialisation; then it is never shown.
    if (!m_bEnded) {
        if (bParentEnabled)
            ::EnableWindow(m_hWndParent, FALSE);
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
        RunModalLoop();
        if (bParentEnabled) {
            ::EnableWindow(m_hWndParent, TRUE);
            ::SetActiveWindow(m_hWndParent);
        }
    }
    DestroyWindow();
    m_bModal = false;
    return m_nResult;
}

void CDialog::RunModalLoop()
{
    MSG msg;
    while (!m_bEnded) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit for the loop that owns it.
            ::PostQuitMessage((int)msg.wParam);
            if (!m_bEnded)
                EndDialog(IDCANCEL);
            break;
        }
        if (got == -1)
            break;
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void CDialog::DestroyWindow()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

void CDialog::EndDialog(INT_PTR nResult)
{
    m_nResult = nResult;
    m_bEnded = true;
    if (!m_bModal && m_hWnd)
        ::ShowWindow(m_hWnd, SW_HIDE);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    return m_hWnd && ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx = {this, bSaveAndValidate};
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::OnCommand(int nID, int nCode, HWND)
{
    if (nCode != BN_CLICKED)
        return FALSE;
    if (nID == IDOK) {
        OnOK();
        return TRUE;
    }
    if (nID == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

INT_PTR CDialog::SetMsgResult(LRESULT result)
{
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), (HWND)lParam);
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (OnNotify(reinterpret_cast<NMHDR*>(lParam), &result))
            return SetMsgResult(result);
        return FALSE;
    }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CDialog* self;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = hWnd;
        ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    }
    if (!self)
        return FALSE;
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
        return FALSE;
    }
    try {
        return self->OnMessage(msg, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the window manager.
        return FALSE;
    }
}
