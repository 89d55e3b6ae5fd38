// The floor of the start-up benchmark: a bare modal dialog, captioned
// "Floor", with one push button, built from a template in memory.
#include <windows.h>

namespace {

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// Appends a UTF-16 text, with its NUL, to a template being built.
WORD* PutText(WORD* at, const wchar_t* text) {
    do { *at++ = static_cast<WORD>(*text); } while (*text++ != L'\0');
    return at;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // A dialog template is a DLGTEMPLATE, then menu, class and caption
    // texts, then each DLGITEMTEMPLATE aligned on four bytes.
    alignas(4) WORD memory[256] = {};
    DLGTEMPLATE* dialog = reinterpret_cast<DLGTEMPLATE*>(memory);
    dialog->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    dialog->cdit = 1;
    dialog->cx = 273;
    dialog->cy = 181;
    WORD* at = reinterpret_cast<WORD*>(dialog + 1);
    *at++ = 0;  // no menu
    *at++ = 0;  // the standard dialog class
    at = PutText(at, L"Floor");
    at = reinterpret_cast<WORD*>((reinterpret_cast<ULONG_PTR>(at) + 3) & ~static_cast<ULONG_PTR>(3));
    DLGITEMTEMPLATE* item = reinterpret_cast<DLGITEMTEMPLATE*>(at);
    item->style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    item->x = 191;
    item->y = 146;
    item->cx = 46;
    item->cy = 14;
    item->id = IDOK;
    at = reinterpret_cast<WORD*>(item + 1);
    *at++ = 0xFFFF;
    *at++ = 0x0080;  // the button class
    at = PutText(at, L"OK");
    *at++ = 0;  // no creation data
    return static_cast<int>(DialogBoxIndirectParamW(instance, dialog, nullptr, FloorProc, 0));
}
