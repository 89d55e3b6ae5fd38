// Control commands: read the controls of the current window (check states,
// list selections and items, texts, enabled state, focus) and act on them
// as a user would (clicks, list selections with their notification).
#include "tests/e2e/driver/driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

bool SendBounded(const Target& target, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                 DWORD_PTR* result) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, target.timeoutMs,
                               result != nullptr ? result : &ignored) != 0;
}

HWND ControlOf(const Target& target, const char* idText) {
    const int id = static_cast<int>(strtol(idText, nullptr, 0));
    HWND control = target.window != nullptr ? GetDlgItem(target.window, id) : nullptr;
    if (control == nullptr) Out("error no control %s", idText);
    return control;
}

namespace {

void TextOf(const Target& target, HWND window, char* utf8, std::size_t size) {
    wchar_t text[1024];
    text[0] = L'\0';
    if (!SendBounded(target, window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), nullptr))
        snprintf(utf8, size, "(no answer)");
    else
        ToUtf8(text, utf8, size);
}

void ItemText(const Target& target, HWND combo, int index, char* utf8, std::size_t size) {
    wchar_t text[512];
    DWORD_PTR length = 0;
    text[0] = L'\0';
    if (!SendBounded(target, combo, CB_GETLBTEXTLEN, index, 0, &length) || length >= 512 ||
        !SendBounded(target, combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text), nullptr))
        text[0] = L'\0';
    ToUtf8(text, utf8, size);
}

const char* Enabled(HWND window) { return IsWindowEnabled(window) ? "enabled" : "disabled"; }

bool IsCheckable(HWND window) {
    wchar_t className[32];
    if (GetClassNameW(window, className, 32) == 0 || _wcsicmp(className, L"Button") != 0) return false;
    const LONG type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
           type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
}

struct Checked {
    const Target* target;
    char ids[256];
};

BOOL CALLBACK CollectChecked(HWND window, LPARAM context) {
    Checked& checked = *reinterpret_cast<Checked*>(context);
    DWORD_PTR state = 0;
    if (IsCheckable(window) && SendBounded(*checked.target, window, BM_GETCHECK, 0, 0, &state) &&
        state == BST_CHECKED) {
        const std::size_t used = strlen(checked.ids);
        snprintf(checked.ids + used, sizeof checked.ids - used, " %d", GetDlgCtrlID(window));
    }
    return TRUE;
}

BOOL CALLBACK PrintControl(HWND window, LPARAM context) {
    const Target& target = *reinterpret_cast<const Target*>(context);
    wchar_t className[64];
    char classUtf8[128], text[1024];
    GetClassNameW(window, className, 64);
    ToUtf8(className, classUtf8, sizeof classUtf8);
    // An icon's static holds a resource ordinal, not a text.
    if (_wcsicmp(className, L"Static") == 0 && (GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        snprintf(text, sizeof text, "(icon)");
    else
        TextOf(target, window, text, sizeof text);
    Out("control %d %s \"%s\" %s%s", GetDlgCtrlID(window), classUtf8, text, Enabled(window),
        IsWindowVisible(window) ? "" : " hidden");
    return TRUE;
}

void PrintCombo(const Target& target, HWND combo, const char* id) {
    DWORD_PTR selection = 0;
    char text[512];
    SendBounded(target, combo, CB_GETCURSEL, 0, 0, &selection);
    const int index = static_cast<int>(static_cast<LRESULT>(selection));
    ItemText(target, combo, index, text, sizeof text);
    Out("combo %s %d \"%s\" %s", id, index, index < 0 ? "" : text, Enabled(combo));
}

void PrintItems(const Target& target, HWND combo, const char* id) {
    DWORD_PTR count = 0;
    char line[2048];
    snprintf(line, sizeof line, "items %s", id);
    SendBounded(target, combo, CB_GETCOUNT, 0, 0, &count);
    for (int i = 0; i < static_cast<int>(count); ++i) {
        char text[512];
        ItemText(target, combo, i, text, sizeof text);
        const std::size_t used = strlen(line);
        snprintf(line + used, sizeof line - used, " \"%s\"", text);
    }
    Out("%s", line);
}

void PrintFocus(const Target& target) {
    GUITHREADINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(target.window, nullptr);
    if (!GetGUIThreadInfo(thread, &info) || info.hwndFocus == nullptr) { Out("focus none"); return; }
    if (info.hwndFocus == target.window) { Out("focus window"); return; }
    // A drop-down list's focus may sit on an inner window; name its control.
    HWND control = info.hwndFocus;
    while (control != nullptr && GetParent(control) != target.window) control = GetParent(control);
    if (control == nullptr) { Out("focus elsewhere"); return; }
    Out("focus %d", GetDlgCtrlID(control));
}

}  // namespace

bool RunControlCommand(Target& target, const Words& words) {
    const char* name = words.word[0];
    const bool known = strcmp(name, "checked") == 0 || strcmp(name, "combo") == 0 || strcmp(name, "items") == 0 ||
                       strcmp(name, "text") == 0 || strcmp(name, "button") == 0 || strcmp(name, "focus") == 0 ||
                       strcmp(name, "controls") == 0 || strcmp(name, "click") == 0 || strcmp(name, "select") == 0 ||
                       strcmp(name, "settext") == 0;
    if (!known) return false;
    if (target.window == nullptr || !IsWindow(target.window)) { Out("error no window"); return true; }

    if (strcmp(name, "checked") == 0) {
        Checked checked = {&target, ""};
        EnumChildWindows(target.window, CollectChecked, reinterpret_cast<LPARAM>(&checked));
        Out("checked%s", checked.ids[0] != '\0' ? checked.ids : " none");
    } else if (strcmp(name, "focus") == 0) {
        PrintFocus(target);
    } else if (strcmp(name, "controls") == 0) {
        EnumChildWindows(target.window, PrintControl, reinterpret_cast<LPARAM>(&target));
    } else if (words.count < 2) {
        Out("error usage %s", name);
    } else if (HWND control = ControlOf(target, words.word[1])) {
        if (strcmp(name, "combo") == 0) {
            PrintCombo(target, control, words.word[1]);
        } else if (strcmp(name, "items") == 0) {
            PrintItems(target, control, words.word[1]);
        } else if (strcmp(name, "text") == 0) {
            char text[1024];
            TextOf(target, control, text, sizeof text);
            const bool readOnly = (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0;
            Out("text %s \"%s\" %s%s", words.word[1], text, Enabled(control), readOnly ? " readonly" : "");
        } else if (strcmp(name, "button") == 0) {
            char text[1024];
            DWORD_PTR state = 0;
            TextOf(target, control, text, sizeof text);
            SendBounded(target, control, BM_GETCHECK, 0, 0, &state);
            Out("button %s \"%s\" %s %s", words.word[1], text, state == BST_CHECKED ? "checked" : "unchecked",
                Enabled(control));
        } else if (strcmp(name, "click") == 0) {
            // A push button is clicked by a posted message, so that a handler
            // that opens a modal box cannot block us; a check box or radio
            // button by a sent one, so its new state is there to be read.
            if (IsCheckable(control))
                SendBounded(target, control, BM_CLICK, 0, 0, nullptr);
            else
                PostMessageW(control, BM_CLICK, 0, 0);
        } else if (strcmp(name, "settext") == 0 && words.count == 3) {
            wchar_t text[520];
            ToWide(words.word[2], text, 520);
            SendBounded(target, control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), nullptr);
        } else if (strcmp(name, "select") == 0 && words.count == 3) {
            const int index = atoi(words.word[2]);
            DWORD_PTR result = 0;
            if (!SendBounded(target, control, CB_SETCURSEL, index, 0, &result) ||
                static_cast<int>(static_cast<LRESULT>(result)) != index)
                Out("error select %s %d", words.word[1], index);
            // What the list sends its parent when a user picks an item; sent,
            // as the list does, so the page has acted when the next command runs.
            SendBounded(target, target.window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(control), nullptr);
        } else {
            Out("error usage %s", name);
        }
    }
    return true;
}
