// The wizard's application object: its start-up runs the two pages and ends
// the program.
#ifndef ORVIK_CORE_INSTALLER_APP_H
#define ORVIK_CORE_INSTALLER_APP_H

#include "framework/win_app.h"

class CInstallerApp : public CWinApp {
public:
    CInstallerApp();
    ~CInstallerApp() override;

    // Runs the page sequence and returns FALSE on every path, so the
    // framework runs no message loop and the process ends.
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CInstallerApp theApp;

#endif  // ORVIK_CORE_INSTALLER_APP_H
