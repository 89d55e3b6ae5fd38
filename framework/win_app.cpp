// The application object's defaults and the entry point. The entry point
// lives in the same file as CWinApp's constructor: the application object
// pulls this file from the framework library, so the linker finds WinMain
// before the runtime's start-up code asks for it.
#include "framework/win_app.h"

#include <cstring>

#include "framework/app_name.h"

namespace {
CWinApp* g_pApp = nullptr;

bool IsAnsiLeadByte(unsigned char byte)
{
    return ::IsDBCSLeadByte(byte) != FALSE;
}
}  // namespace

CWinApp::CWinApp(LPCSTR lpszAppName) : m_hInstance(nullptr), m_pszAppName(lpszAppName)
{
    std::memset(&m_msgCur, 0, sizeof m_msgCur);
    m_szExeName[0] = '\0';
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return FALSE;
}

int CWinApp::Run()
{
    while (::GetMessageA(&m_msgCur, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

void CWinApp::OnHelp()
{
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(nIDResource));
}

void CWinApp::InitApplicationState(HINSTANCE hInstance)
{
    m_hInstance = hInstance;
    if (m_pszAppName != nullptr)
        return;
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    // A path that fills the buffer may come back without its NUL (Windows
    // XP), and a cut path has lost the end of the file name anyway.
    if (length == 0 || length >= sizeof path)
        path[0] = '\0';
    AppNameFromModulePath(path, IsAnsiLeadByte, m_szExeName, sizeof m_szExeName);
    m_pszAppName = m_szExeName;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

HINSTANCE AfxGetInstanceHandle()
{
    if (g_pApp != nullptr && g_pApp->m_hInstance != nullptr)
        return g_pApp->m_hInstance;
    return ::GetModuleHandleA(nullptr);
}

LPCSTR AfxGetAppName()
{
    return g_pApp != nullptr && g_pApp->m_pszAppName != nullptr ? g_pApp->m_pszAppName : "";
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->InitApplicationState(hInstance);
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
