// The application object's registration and run.
#include "framework/App.h"

CWinApp* CWinApp::s_pApp = nullptr;

CWinApp::CWinApp()
{
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = nullptr;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(nIDResource));
}

int CWinApp::Run(HINSTANCE hInstance)
{
    if (!s_pApp)
        return 1;
    s_pApp->m_hInstance = hInstance;
    s_pApp->InitInstance();
    return 0;
}
