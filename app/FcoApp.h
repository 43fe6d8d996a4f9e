// The application object: asks for the machine type, then runs the main dialog.
#pragma once

#include "framework/App.h"

class CFcoApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
