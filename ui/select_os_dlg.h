// The Select OS page: shows the detected Windows version as a checked radio
// button; Next leads on (IDOK), Cancel quits (IDCANCEL).
#ifndef ORVIK_UI_SELECT_OS_DLG_H
#define ORVIK_UI_SELECT_OS_DLG_H

#include "framework/dialog.h"

class CSelectOsDlg : public CDialog {
public:
    explicit CSelectOsDlg(CWnd* pParent = nullptr);
    ~CSelectOsDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Classifies the running Windows version afresh and checks its button.
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};

#endif  // ORVIK_UI_SELECT_OS_DLG_H
