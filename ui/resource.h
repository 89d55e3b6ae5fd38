// Resource identifiers of the wizard: dialog templates, controls, strings,
// the icon and the system-menu command. Read by the compiler and by windres.
#ifndef ORVIK_UI_RESOURCE_H
#define ORVIK_UI_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

#define IDD_ABOUTBOX            100
#define IDS_SYSMENU_ABOUT       101
#define IDD_DETAIL_SETTING      102
#define IDI_APP                 128
#define IDD_SELECT_OS           129

// Select OS page (template 129)
#define IDC_OS_WIN2000          1003
#define IDC_OS_WINXP            1004
#define IDC_OS_NEXT             1009
#define IDC_OS_CANCEL           1010
#define IDC_OS_WIN2003          1011
#define IDC_OS_VISTA            1012
#define IDC_OS_WIN7             1013

// Detail Setting page (template 102)
#define IDC_BACK                1008
#define IDC_INSTALL             1009
#define IDC_DETAIL_CANCEL       1010
#define IDC_MODULE              1011
#define IDC_SET_DEFAULT         1012
#define IDC_PRINTER_NAME        1013
#define IDC_PORT                1014
#define IDC_BAUD_RATE           1015
#define IDC_BYTE_SIZE           1016
#define IDC_FLOW_CONTROL        1017
#define IDC_PARITY              1018
#define IDC_STOP_BITS           1019

// The About item of the Detail Setting page's system menu: low four bits
// clear, far below the system's own commands at 0xF000.
#define IDM_SYSMENU_ABOUT       0x0010

#endif  // ORVIK_UI_RESOURCE_H
