// The modal run of a dialog, its dialog procedure and the filling of its
// lists from the template's dialog-initialisation data.
#include "framework/dialog.h"

#include "framework/dlg_init.h"
#include "framework/win_app.h"

// IDOK and IDCANCEL are the dialog manager's own commands: Enter with no
// push button focused, and Escape, the close box, Alt+F4 or the system
// menu's Close. OnOK and OnCancel are virtual, so a page's overrides run.
BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

INT_PTR CDialog::DoModal()
{
    HWND hWndOwner = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : ::GetActiveWindow();
    return ::DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), hWndOwner, DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog()
{
    ExecuteDlgInit();
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int nResult) const
{
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx = {bSaveAndValidate, this};
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::ExecuteDlgInit() const
{
    HINSTANCE hInstance = AfxGetInstanceHandle();
    HRSRC hResource =
        ::FindResourceA(hInstance, MAKEINTRESOURCEA(m_nIDTemplate), MAKEINTRESOURCEA(kDlgInitResourceType));
    if (hResource == nullptr)
        return;
    HGLOBAL hData = ::LoadResource(hInstance, hResource);
    const void* data = hData != nullptr ? ::LockResource(hData) : nullptr;
    if (data == nullptr)
        return;

    DlgInitReader reader(data, ::SizeofResource(hInstance, hResource));
    DlgInitRecord record;
    while (reader.Next(&record)) {
        if (IsComboAddString(record.message) && record.text != nullptr)
            ::SendDlgItemMessageA(m_hWnd, record.control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(record.text));
    }
}

BOOL CDialog::OnHelpInfo()
{
    if (::GetKeyState(VK_SHIFT) < 0 || ::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0)
        return FALSE;
    RouteCommand(ID_HELP, 0);
    return TRUE;
}

BOOL CDialog::RouteCommand(UINT nID, UINT nCode)
{
    if (OnCmdMsg(nID, nCode))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(nID, nCode);
}

// The return value is the dialog manager's "handled" flag for every message
// here but WM_INITDIALOG (set the focus or not) and WM_QUERYDRAGICON (the
// icon itself). FALSE lets the dialog manager process the message.
INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
        dialog->m_hWnd = hWnd;
        return dialog->OnInitDialog();
    }
    // Nothing is known of the object before WM_INITDIALOG (WM_SETFONT comes
    // first) nor after WM_NCDESTROY.
    CDialog* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;

    switch (message) {
    case WM_NCDESTROY:
        ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
        return FALSE;
    case WM_HELP:
        return dialog->OnHelpInfo();
    case WM_COMMAND:
        return dialog->RouteCommand(LOWORD(wParam), HIWORD(wParam));
    default:
        break;
    }
    LRESULT result = 0;
    if (!dialog->OnWndMsg(message, wParam, lParam, &result))
        return FALSE;
    return message == WM_QUERYDRAGICON ? static_cast<INT_PTR>(result) : TRUE;
}
