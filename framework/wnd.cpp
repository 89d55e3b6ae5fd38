// The window and combo-box wrappers, the paint context, and the dispatch of
// window messages through message maps.
#include "framework/wnd.h"

BOOL CWnd::Attach(HWND hWnd)
{
    if (hWnd == nullptr)
        return FALSE;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    m_hWnd = nullptr;
    return hWnd;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::EnableWindow(BOOL bEnable) const
{
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

BOOL CWnd::SetWindowText(LPCSTR lpszString) const
{
    return ::SetWindowTextA(m_hWnd, lpszString);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) const
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

HMENU CWnd::GetSystemMenu(BOOL bRevert) const
{
    return ::GetSystemMenu(m_hWnd, bRevert);
}

HWND CWnd::GetDlgItem(int nID) const
{
    return ::GetDlgItem(m_hWnd, nID);
}

BOOL CWnd::SetDlgItemText(int nID, LPCSTR lpszString) const
{
    return ::SetDlgItemTextA(m_hWnd, nID, lpszString);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) const
{
    ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::Default()
{
    if (m_pDefaultWanted != nullptr)
        *m_pDefaultWanted = true;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const AFX_MSGMAP_ENTRY* entry =
        message == WM_COMMAND ? FindMessageEntry(message, HIWORD(wParam), LOWORD(wParam))
                              : FindMessageEntry(message, 0, 0);
    if (entry == nullptr)
        return FALSE;

    bool defaultWanted = false;
    bool* outer = m_pDefaultWanted;
    m_pDefaultWanted = &defaultWanted;
    *pResult = 0;
    switch (entry->nSig) {
    case AfxSig_vv:
        (this->*entry->pfn)();
        break;
    case AfxSig_vwl:
        (this->*entry->pfnWL)(static_cast<UINT>(wParam), lParam);
        break;
    case AfxSig_hv:
        *pResult = reinterpret_cast<LRESULT>((this->*entry->pfnH)());
        break;
    case AfxSig_end:
        break;
    }
    m_pDefaultWanted = outer;
    return defaultWanted ? FALSE : TRUE;
}

int CComboBox::GetCount() const
{
    return static_cast<int>(SendMessage(CB_GETCOUNT));
}

int CComboBox::GetCurSel() const
{
    return static_cast<int>(SendMessage(CB_GETCURSEL));
}

int CComboBox::SetCurSel(int nSelect) const
{
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
}

int CComboBox::AddString(LPCSTR lpszString) const
{
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
}

int CComboBox::GetLBTextLen(int nIndex) const
{
    return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
}

int CComboBox::GetLBText(int nIndex, LPSTR buffer, int bufferSize) const
{
    if (buffer == nullptr || bufferSize <= 0)
        return CB_ERR;
    buffer[0] = '\0';
    // CB_GETLBTEXT writes the whole text with no size limit, so it is asked
    // only once the length is known to fit.
    const int length = GetLBTextLen(nIndex);
    if (length < 0 || length >= bufferSize)
        return CB_ERR;
    const int copied =
        static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buffer)));
    if (copied < 0) {
        buffer[0] = '\0';
        return CB_ERR;
    }
    return copied;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) const
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}
