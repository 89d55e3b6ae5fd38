// Modal dialogs built on a numbered dialog template, with their message maps.
#ifndef ORVIK_FRAMEWORK_DIALOG_H
#define ORVIK_FRAMEWORK_DIALOG_H

#include <windows.h>

#include "framework/wnd.h"

// What DoDataExchange moves: values to the controls (FALSE) or back from
// them with validation (TRUE).
struct CDataExchange {
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

class CDialog : public CWnd {
public:
    // nIDTemplate: the dialog template's resource number. pParentWnd: the
    // owner while the dialog is open, or null for the active window (none at
    // start-up). The object does not own its parent.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override {}

    // Creates the dialog from its template, runs it until EndDialog and
    // destroys its window: IDOK (1) or IDCANCEL (2) as the dialog ended, -1
    // when the dialog could not be created. May be called again on the same
    // object; every run builds the window anew.
    INT_PTR DoModal();

    // Runs when the window and its controls exist: fills the template's
    // combo boxes from its dialog-initialisation resource and moves data to
    // the controls. TRUE lets the dialog manager focus the first tab stop.
    virtual BOOL OnInitDialog();
    // Data exchange and validation, then the end with IDOK.
    virtual void OnOK();
    // The end with IDCANCEL.
    virtual void OnCancel();

    void EndDialog(int nResult) const;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // FALSE when validation failed and the dialog must stay open.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    UINT m_nIDTemplate;  // the template's number

    DECLARE_MESSAGE_MAP()

private:
    // Sends the records of the template's dialog-initialisation resource
    // that add a text to a combo box. Absent data fills nothing.
    void ExecuteDlgInit() const;
    // F1: the help command, unless Shift, Ctrl or Alt is held.
    BOOL OnHelpInfo();
    // A command goes to the dialog's map, then to the application's.
    BOOL RouteCommand(UINT nID, UINT nCode);

    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    CWnd* m_pParentWnd;
};

#endif  // ORVIK_FRAMEWORK_DIALOG_H
