// The tables behind the pages' portable decisions.
#include "ui/page_logic.h"

int RadioButtonForOsClass(std::int32_t osClass)
{
    switch (osClass) {
    case 4:
        return IDC_OS_WIN2000;
    case 5:
        return IDC_OS_WINXP;
    case 6:
        return IDC_OS_WIN2003;
    case 7:
        return IDC_OS_VISTA;
    case 8:
        return IDC_OS_WIN7;
    default:
        return 0;
    }
}

const ListSelection kInitialSelections[6] = {
    {IDC_PORT, 0},          // LPT1
    {IDC_BAUD_RATE, 5},     // 19200
    {IDC_BYTE_SIZE, 3},     // 8
    {IDC_STOP_BITS, 0},     // 1
    {IDC_PARITY, 2},        // None
    {IDC_FLOW_CONTROL, 2},  // Hardware
};
