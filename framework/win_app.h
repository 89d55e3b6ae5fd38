// The application object and the process's entry point: the framework calls
// the one CWinApp-derived object's InitInstance and ends the process after.
#ifndef ORVIK_FRAMEWORK_WIN_APP_H
#define ORVIK_FRAMEWORK_WIN_APP_H

#include <windows.h>

#include "framework/message_map.h"

// The standard help command, raised by F1 on a page with no Shift, Ctrl or
// Alt held.
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

class CWinApp : public CCmdTarget {
public:
    // Construct the one application object at namespace scope, so that it
    // exists before the entry point runs. With no name, the application is
    // named after its executable once the entry point starts.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Called once by the entry point. TRUE runs the message loop; FALSE
    // skips it and goes straight to ExitInstance.
    virtual BOOL InitInstance();
    // Retrieves and dispatches messages until WM_QUIT, then ExitInstance.
    virtual int Run();
    // The last step; its value is the process's exit status: the wParam of
    // the last message the loop retrieved (0 when it never ran).
    virtual int ExitInstance();

    // F1 help. The program ships no help file, and the help engine is absent
    // from Windows Vista on, so the command shows nothing.
    void OnHelp();

    // The three-dimensional look of dialog controls. Windows 4.0 and later
    // (the only versions this executable loads on) draw every dialog control
    // in three dimensions themselves, so there is nothing to switch on.
    BOOL Enable3dControlsStatic() { return TRUE; }

    HICON LoadIcon(UINT nIDResource) const;

    HINSTANCE m_hInstance;
    LPCSTR m_pszAppName;

protected:
    MSG m_msgCur;

private:
    friend int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);
    // Takes the instance handle and settles the application name.
    void InitApplicationState(HINSTANCE hInstance);

    char m_szExeName[MAX_PATH];
};

// The one application object; null before it is constructed.
CWinApp* AfxGetApp();
// The module whose resources the pages are built from.
HINSTANCE AfxGetInstanceHandle();
// The caption of the application's message boxes.
LPCSTR AfxGetAppName();

// Control containment: the hosting of ActiveX controls in dialogs. No
// template of this program holds one, so there is no control site to set up
// and the call does nothing.
inline void AfxEnableControlContainer() {}

#endif  // ORVIK_FRAMEWORK_WIN_APP_H
