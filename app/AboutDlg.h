// The About box the main dialog's system menu opens.
#pragma once

#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(HWND hWndParent = nullptr);
};
