// The About box, opened from the Detail Setting page's system menu.
#ifndef ORVIK_UI_ABOUT_DLG_H
#define ORVIK_UI_ABOUT_DLG_H

#include "framework/dialog.h"

class CAboutDlg : public CDialog {
public:
    // No parent: the box is owned by the active window, the page it was
    // opened from, which stays disabled while the box is open.
    CAboutDlg();
    ~CAboutDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};

#endif  // ORVIK_UI_ABOUT_DLG_H
