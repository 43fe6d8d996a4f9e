// The application object: one per program, started by the entry point.
#pragma once

#include <windows.h>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's start-up; FALSE ends the program when it returns.
    virtual BOOL InitInstance() { return FALSE; }

    HICON LoadIcon(UINT nIDResource) const;

    // Runs the one application object; the entry point's whole work.
    static int Run(HINSTANCE hInstance);

    HINSTANCE m_hInstance = nullptr;

private:
    static CWinApp* s_pApp;
};
