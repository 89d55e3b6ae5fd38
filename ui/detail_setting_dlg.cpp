// The Detail Setting page.
#include "ui/detail_setting_dlg.h"

#include "core/os_class.h"
#include "core/run_installation.h"
#include "framework/win_app.h"
#include "ui/about_dlg.h"
#include "ui/page_logic.h"
#include "ui/resource.h"

// Cancel goes to the page's OnCancel; the IDOK command (Enter while no push
// button has the focus) keeps CDialog's OnOK and ends the page uninstalled.
BEGIN_MESSAGE_MAP(CDetailSettingDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_BACK, &CDetailSettingDlg::OnBack)
    ON_BN_CLICKED(IDC_INSTALL, &CDetailSettingDlg::OnInstall)
    ON_CBN_SELCHANGE(IDC_MODULE, &CDetailSettingDlg::OnModuleChanged)
    ON_CBN_SELCHANGE(IDC_PORT, &CDetailSettingDlg::OnPortChanged)
    ON_BN_CLICKED(IDC_DETAIL_CANCEL, &CDetailSettingDlg::OnCancel)
END_MESSAGE_MAP()

namespace {
// The page's lists and box as ReadInstallChoices reads them.
class PageControls {
public:
    explicit PageControls(const CWnd& page) : m_page(page) {}
    int SelectedIndex(int controlId) const
    {
        return static_cast<int>(::SendDlgItemMessageA(m_page.m_hWnd, controlId, CB_GETCURSEL, 0, 0));
    }
    unsigned CheckState(int controlId) const { return m_page.IsDlgButtonChecked(controlId); }

private:
    const CWnd& m_page;
};

// Room for any item of the lists, and for the About item's text.
const int kTextSize = 256;
}  // namespace

CDetailSettingDlg::CDetailSettingDlg(CWnd* pParent) : CDialog(IDD_DETAIL_SETTING, pParent)
{
    m_hAppIcon = AfxGetApp()->LoadIcon(IDI_APP);
}

CDetailSettingDlg::~CDetailSettingDlg()
{
}

void CDetailSettingDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CDetailSettingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AddAboutItem();
    SetIcon(m_hAppIcon, TRUE);
    SetIcon(m_hAppIcon, FALSE);

    m_pModuleCombo.Attach(GetDlgItem(IDC_MODULE));
    m_pModuleCombo.SetCurSel(0);
    ShowSelectedModule();
    CheckDlgButton(IDC_SET_DEFAULT, BST_CHECKED);

    m_pPortCombo.Attach(GetDlgItem(IDC_PORT));
    m_pBaudRateCombo.Attach(GetDlgItem(IDC_BAUD_RATE));
    m_pByteSizeCombo.Attach(GetDlgItem(IDC_BYTE_SIZE));
    m_pStopBitsCombo.Attach(GetDlgItem(IDC_STOP_BITS));
    m_pParityCombo.Attach(GetDlgItem(IDC_PARITY));
    m_pFlowControlCombo.Attach(GetDlgItem(IDC_FLOW_CONTROL));
    for (const ListSelection& selection : kInitialSelections)
        ::SendDlgItemMessageA(m_hWnd, selection.controlId, CB_SETCURSEL, static_cast<WPARAM>(selection.index), 0);
    EnableSerialLists(FALSE);
    // The dialog manager focuses the first tab stop, the module list.
    return TRUE;
}

void CDetailSettingDlg::OnCancel()
{
    CDialog::OnOK();
}

void CDetailSettingDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if (IsAboutCommand(nID)) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    CDialog::OnSysCommand(nID, lParam);
}

void CDetailSettingDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    const int x = CenteredIconOffset(rect.right - rect.left, cxIcon);
    const int y = CenteredIconOffset(rect.bottom - rect.top, cyIcon);
    dc.DrawIcon(x, y, m_hAppIcon);
}

HCURSOR CDetailSettingDlg::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(m_hAppIcon);
}

void CDetailSettingDlg::OnBack()
{
    CDialog::OnCancel();
}

void CDetailSettingDlg::OnInstall()
{
    const InstallChoices choices = ReadInstallChoices(PageControls(*this));
    // Runs to its end on this thread; the page stays up meanwhile.
    RunInstallation(OsClass, choices);
    CDialog::OnOK();
}

void CDetailSettingDlg::OnModuleChanged()
{
    ShowSelectedModule();
}

void CDetailSettingDlg::OnPortChanged()
{
    EnableSerialLists(SerialListsEnabled(m_pPortCombo.GetCurSel()) ? TRUE : FALSE);
}

void CDetailSettingDlg::AddAboutItem() const
{
    HMENU hSysMenu = GetSystemMenu(FALSE);
    if (hSysMenu == nullptr)
        return;
    char text[kTextSize];
    if (::LoadStringA(AfxGetInstanceHandle(), IDS_SYSMENU_ABOUT, text, sizeof text) <= 0)
        return;
    ::AppendMenuA(hSysMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hSysMenu, MF_STRING, IDM_SYSMENU_ABOUT, text);
}

void CDetailSettingDlg::ShowSelectedModule() const
{
    char text[kTextSize];
    m_pModuleCombo.GetLBText(m_pModuleCombo.GetCurSel(), text, sizeof text);
    SetDlgItemText(IDC_PRINTER_NAME, text);
}

void CDetailSettingDlg::EnableSerialLists(BOOL bEnable) const
{
    const CComboBox* lists[] = {&m_pBaudRateCombo, &m_pByteSizeCombo, &m_pStopBitsCombo, &m_pParityCombo,
                                &m_pFlowControlCombo};
    for (const CComboBox* list : lists)
        list->EnableWindow(bEnable);
}
