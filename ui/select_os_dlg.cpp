// The Select OS page.
#include "ui/select_os_dlg.h"

#include "core/os_class.h"
#include "ui/page_logic.h"
#include "ui/resource.h"

// Next ends the page like the IDOK command (the page keeps CDialog's OnOK).
// The radio buttons have no handler: nothing reads them back.
BEGIN_MESSAGE_MAP(CSelectOsDlg, CDialog)
    ON_BN_CLICKED(IDC_OS_NEXT, &CDialog::OnOK)
    ON_BN_CLICKED(IDC_OS_CANCEL, &CSelectOsDlg::OnCancel)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CSelectOsDlg::CSelectOsDlg(CWnd* pParent) : CDialog(IDD_SELECT_OS, pParent)
{
}

CSelectOsDlg::~CSelectOsDlg()
{
}

void CSelectOsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CSelectOsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ClassifyOperatingSystem();
    // The template creates every radio button unchecked.
    const int button = RadioButtonForOsClass(OsClass);
    if (button != 0)
        CheckDlgButton(button, BST_CHECKED);
    return TRUE;
}

void CSelectOsDlg::OnCancel()
{
    CDialog::OnCancel();
}

void CSelectOsDlg::OnPaint()
{
    CPaintDC dc(this);
}
