// Non-owning window wrappers: CWnd, the combo box, and the paint context of
// WM_PAINT. Windows owns the windows; a wrapper only names one.
#ifndef ORVIK_FRAMEWORK_WND_H
#define ORVIK_FRAMEWORK_WND_H

#include <windows.h>

#include "framework/message_map.h"

class CWnd : public CCmdTarget {
public:
    HWND m_hWnd;

    CWnd() : m_hWnd(nullptr), m_pDefaultWanted(nullptr) {}
    // Does nothing: the window, if any, belongs to Windows (a dialog's to the
    // dialog manager, a control's to its dialog).
    ~CWnd() override {}

    BOOL Attach(HWND hWnd);
    HWND Detach();
    HWND GetSafeHwnd() const { return m_hWnd; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL EnableWindow(BOOL bEnable = TRUE) const;
    BOOL IsIconic() const;
    void GetClientRect(LPRECT lpRect) const;
    BOOL SetWindowText(LPCSTR lpszString) const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon) const;
    // The window's system menu, as it is now (bRevert FALSE) or reset to the
    // default one (TRUE); null when the window has none.
    HMENU GetSystemMenu(BOOL bRevert) const;

    // The child with id nID; null when there is none.
    HWND GetDlgItem(int nID) const;
    BOOL SetDlgItemText(int nID, LPCSTR lpszString) const;
    void CheckDlgButton(int nIDButton, UINT nCheck) const;
    UINT IsDlgButtonChecked(int nIDButton) const;

protected:
    // Default processing of a message: move, close and the other system
    // commands, and the painting of the window and its controls.
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();

    // Asks for the system's default processing of the message being
    // handled. A dialog procedure cannot call the dialog manager back from
    // inside a message, so the handler only marks the message; the dialog
    // procedure then reports it unhandled and the dialog manager processes
    // it once the handler has returned.
    void Default();

    // Dispatches a window message through the map chain. FALSE when no entry
    // takes it or its handler asked for default processing; *pResult holds a
    // handler's return value (WM_QUERYDRAGICON).
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

private:
    // Set while a handler runs (saved and restored around nested messages,
    // such as the repainting of a page while its About box is open).
    bool* m_pDefaultWanted;
};

// A combo box of a dialog; attach it to the control in OnInitDialog.
class CComboBox : public CWnd {
public:
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect) const;
    int AddString(LPCSTR lpszString) const;
    int GetLBTextLen(int nIndex) const;
    // Copies the text of item nIndex into buffer (bufferSize bytes with the
    // NUL). CB_ERR, with the buffer left empty, when there is no such item or
    // the text does not fit; else the text's length.
    int GetLBText(int nIndex, LPSTR buffer, int bufferSize) const;
};

// The paint context of one WM_PAINT: BeginPaint on construction, EndPaint on
// destruction.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON hIcon) const;

    PAINTSTRUCT m_ps;
    HDC m_hDC;

private:
    HWND m_hWnd;
};

#endif  // ORVIK_FRAMEWORK_WND_H
