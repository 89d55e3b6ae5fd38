// The pages' decisions that need no window: which radio button shows the
// detected Windows version, the Detail Setting page's initial selections and
// serial-list rule, the reading of its choices, the About command's test and
// where a minimised page draws its icon. Portable.
#ifndef ORVIK_UI_PAGE_LOGIC_H
#define ORVIK_UI_PAGE_LOGIC_H

#include <cstdint>

#include "core/catalogue.h"
#include "ui/resource.h"

// The Select OS page's radio button for a class: Windows 2000, XP, 2003,
// Vista and 7 for classes 4 to 8; 0 (no button) for every other class.
int RadioButtonForOsClass(std::int32_t osClass);

// A list of the Detail Setting page and the item it selects on opening.
struct ListSelection {
    int controlId;
    int index;
};

// The port and serial-line lists in the order the page selects their
// initial items: LPT1, 19200, 8, 1, None, Hardware.
extern const ListSelection kInitialSelections[6];

// Whether the serial-line lists are enabled for the selected port index.
inline bool SerialListsEnabled(int portIndex)
{
    return IsSerialPort(portIndex);
}

// The check state of a check box that counts as ticked (BST_CHECKED).
const unsigned kCheckBoxChecked = 1;

// The OK handler's record. `controls` reads the page as it is now:
// `int SelectedIndex(int controlId)` gives a list's selected index
// (CB_GETCURSEL) and `unsigned CheckState(int controlId)` a check box's
// state (BM_GETCHECK). Every list is read, enabled or not.
template <class Controls>
InstallChoices ReadInstallChoices(const Controls& controls)
{
    InstallChoices choices;
    choices.moduleIndex = controls.SelectedIndex(IDC_MODULE);
    choices.portIndex = controls.SelectedIndex(IDC_PORT);
    choices.baudRateIndex = controls.SelectedIndex(IDC_BAUD_RATE);
    choices.byteSizeIndex = controls.SelectedIndex(IDC_BYTE_SIZE);
    choices.stopBitsIndex = controls.SelectedIndex(IDC_STOP_BITS);
    choices.parityIndex = controls.SelectedIndex(IDC_PARITY);
    choices.flowControlIndex = controls.SelectedIndex(IDC_FLOW_CONTROL);
    choices.setDefaultPrinter = controls.CheckState(IDC_SET_DEFAULT) == kCheckBoxChecked;
    return choices;
}

// Whether a WM_SYSCOMMAND identifier is the About item. The system uses the
// low four bits of a command identifier itself, so they are cleared first.
inline bool IsAboutCommand(std::uint32_t commandId)
{
    return (commandId & 0xFFF0u) == IDM_SYSMENU_ABOUT;
}

// Where an icon of iconExtent pixels starts when centred in clientExtent
// pixels, in one dimension: (client - icon + 1) / 2, truncated toward zero,
// so it may be negative when the client area is smaller than the icon.
inline int CenteredIconOffset(int clientExtent, int iconExtent)
{
    return (clientExtent - iconExtent + 1) / 2;
}

#endif  // ORVIK_UI_PAGE_LOGIC_H
