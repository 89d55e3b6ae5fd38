// The framework's message box on Windows.
#include "framework/message_box.h"

#include "framework/win_app.h"

// The box is owned by the active window (the open page), which it disables
// until it is closed, so the page cannot be used meanwhile. helpId names a
// help context for a Help button; this program passes 0 and shows none.
int AfxMessageBox(LPCSTR text, UINT type, UINT /*helpId*/)
{
    // Without an icon of the caller's choice, a box that only informs or asks
    // to go on gets the exclamation mark, one that asks a question the
    // question mark.
    if ((type & MB_ICONMASK) == 0) {
        switch (type & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
            type |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            type |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    return ::MessageBoxA(::GetActiveWindow(), text, AfxGetAppName(), type);
}
