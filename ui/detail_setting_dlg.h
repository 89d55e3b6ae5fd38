// The Detail Setting page: module, port, serial-line settings and the
// default-printer box. OK installs and ends the page (IDOK), Back returns to
// the Select OS page (IDCANCEL), every form of cancel ends it uninstalled
// (IDOK).
#ifndef ORVIK_UI_DETAIL_SETTING_DLG_H
#define ORVIK_UI_DETAIL_SETTING_DLG_H

#include "framework/dialog.h"

class CDetailSettingDlg : public CDialog {
public:
    // Loads the application icon, a shared resource icon that is never
    // destroyed.
    explicit CDetailSettingDlg(CWnd* pParent = nullptr);
    ~CDetailSettingDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Ends the page with IDOK and installs nothing: IDCANCEL means Back.
    void OnCancel() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnBack();
    void OnInstall();
    void OnModuleChanged();
    void OnPortChanged();

    // The page's lists. Each refers to a control that the dialog window owns,
    // from OnInitDialog until the window is destroyed.
    CComboBox m_pModuleCombo;
    CComboBox m_pPortCombo;
    CComboBox m_pBaudRateCombo;
    CComboBox m_pByteSizeCombo;
    CComboBox m_pStopBitsCombo;
    CComboBox m_pParityCombo;
    CComboBox m_pFlowControlCombo;
    HICON m_hAppIcon;

    DECLARE_MESSAGE_MAP()

private:
    // Adds a separator and the About item at the end of the system menu;
    // nothing when there is no system menu or the item's text is empty.
    void AddAboutItem() const;
    // Shows the selected module's text in the read-only printer-name box.
    void ShowSelectedModule() const;
    void EnableSerialLists(BOOL bEnable) const;
};

#endif  // ORVIK_UI_DETAIL_SETTING_DLG_H
