// The application object and its start-up: the page sequence over the real
// dialogs.
#include "core/installer_app.h"

#include "core/page_sequence.h"
#include "ui/detail_setting_dlg.h"
#include "ui/select_os_dlg.h"

static_assert(kPageResultOk == IDOK && kPageResultCancel == IDCANCEL, "page results are the dialog results");

// F1 on a page raises ID_HELP; no page handles it, so it comes here.
BEGIN_MESSAGE_MAP(CInstallerApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CInstallerApp theApp;

namespace {
// The pages as the sequence runs them: the one Select OS page object again
// and again, a new Detail Setting page object for each visit, so that every
// visit starts from the page's defaults. Both have no parent.
class DialogPages {
public:
    explicit DialogPages(CSelectOsDlg& selectOs) : m_selectOs(selectOs) {}

    int RunSelectOs() { return static_cast<int>(m_selectOs.DoModal()); }

    int RunDetailSetting()
    {
        CDetailSettingDlg detailSetting;
        return static_cast<int>(detailSetting.DoModal());
    }

private:
    CSelectOsDlg& m_selectOs;
};
}  // namespace

CInstallerApp::CInstallerApp()
{
}

CInstallerApp::~CInstallerApp()
{
}

BOOL CInstallerApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CSelectOsDlg selectOs;
    DialogPages pages(selectOs);
    RunPageSequence(pages);
    return FALSE;
}
