// Window commands: start the program, wait for its pages, its message boxes
// and its end, act on a page as a whole (keys, close box, system commands).
#include "tests/e2e/driver/driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Search {
    DWORD processId;
    const char* caption;   // UTF-8, or null for any
    bool messageBox;       // a #32770 window holding a message box's text
    HWND found;
};

bool IsMessageBox(HWND window) {
    wchar_t className[64];
    if (GetClassNameW(window, className, 64) == 0 || wcscmp(className, L"#32770") != 0) return false;
    return GetDlgItem(window, 0xFFFF) != nullptr;  // the box's text control
}

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
    Search& search = *reinterpret_cast<Search*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search.processId || !IsWindowVisible(window)) return TRUE;
    if (search.messageBox && !IsMessageBox(window)) return TRUE;
    if (search.caption != nullptr) {
        wchar_t text[256];
        char utf8[768];
        GetWindowTextW(window, text, 256);
        ToUtf8(text, utf8, sizeof utf8);
        if (strcmp(utf8, search.caption) != 0) return TRUE;
    }
    search.found = window;
    return FALSE;
}

bool Ended(Target& target, void*) {
    return WaitForSingleObject(target.process.hProcess, 0) == WAIT_OBJECT_0;
}

bool Found(Target& target, void* context) {
    Search& search = *static_cast<Search*>(context);
    search.found = nullptr;
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr || Ended(target, nullptr);
}

bool Gone(Target& target, void*) { return !IsWindow(target.window); }

void PrintText(const char* label, HWND window) {
    wchar_t text[1024];
    char utf8[3072];
    DWORD_PTR length = 0;
    text[0] = L'\0';
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &length);
    ToUtf8(text, utf8, sizeof utf8);
    Out("%s \"%s\"", label, utf8);
}

// Keys go where a user's key would: to the thread's focus window, as
// posted messages, so the page's own loop (and its dialog manager) gets them.
void PostKey(Target& target, const char* name) {
    struct Key { const char* name; UINT vk; bool alt; };
    static const Key kKeys[] = {
        {"enter", VK_RETURN, false}, {"escape", VK_ESCAPE, false}, {"f1", VK_F1, false},
        {"tab", VK_TAB, false},      {"space", VK_SPACE, false},   {"alt+f4", VK_F4, true},
    };
    const Key* key = nullptr;
    for (const Key& k : kKeys)
        if (strcmp(k.name, name) == 0) key = &k;
    if (key == nullptr) { Out("error unknown key %s", name); return; }

    GUITHREADINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(target.window, nullptr);
    HWND focus = (GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr) ? info.hwndFocus : target.window;
    const UINT scan = MapVirtualKeyW(key->vk, 0);
    LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    LPARAM up = down | (1u << 30) | (1u << 31);
    if (key->alt) { down |= 1 << 29; up |= 1 << 29; }
    PostMessageW(focus, key->alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key->vk, down);
    PostMessageW(focus, key->alt ? WM_SYSKEYUP : WM_KEYUP, key->vk, up);
}

void Start(Target& target, const char* path) {
    char folder[MAX_PATH];
    snprintf(folder, sizeof folder, "%s", path);
    char* slash = strrchr(folder, '\\');
    if (slash != nullptr) *slash = '\0';
    char commandLine[MAX_PATH + 2];
    snprintf(commandLine, sizeof commandLine, "\"%s\"", path);
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    QueryPerformanceCounter(&target.mark);
    if (!CreateProcessA(path, commandLine, nullptr, nullptr, FALSE, 0, nullptr,
                        slash != nullptr ? folder : nullptr, &startup, &target.process)) {
        Out("error start %lu", GetLastError());
        return;
    }
    target.started = true;
}

// Loads a DLL into the program: LoadLibraryA run by a thread of the
// program's own, started from here (kernel32 sits at the same address in
// every process).
void Inject(Target& target, const char* path) {
    const SIZE_T size = strlen(path) + 1;
    void* remote = VirtualAllocEx(target.process.hProcess, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    LPTHREAD_START_ROUTINE load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    HANDLE thread = nullptr;
    if (remote != nullptr && WriteProcessMemory(target.process.hProcess, remote, path, size, nullptr))
        thread = CreateRemoteThread(target.process.hProcess, nullptr, 0, load, remote, 0, nullptr);
    DWORD loaded = 0;
    if (thread == nullptr || WaitForSingleObject(thread, target.timeoutMs) != WAIT_OBJECT_0 ||
        !GetExitCodeThread(thread, &loaded) || loaded == 0)
        Out("error refuse: %s not loaded", path);
    if (thread != nullptr) CloseHandle(thread);
}

}  // namespace

bool RunWindowCommand(Target& target, const Words& words) {
    const char* name = words.word[0];
    const bool needsProgram = strcmp(name, "start") != 0 && strcmp(name, "mark") != 0 && strcmp(name, "since") != 0;
    if (strcmp(name, "start") == 0 && words.count == 2) {
        Start(target, words.word[1]);
        return true;
    }
    if (strcmp(name, "mark") == 0) { QueryPerformanceCounter(&target.mark); return true; }
    if (strcmp(name, "since") == 0) { Out("since %.1f ms", MsSinceMark(target)); return true; }

    const bool known = strcmp(name, "page") == 0 || strcmp(name, "msgbox") == 0 || strcmp(name, "gone") == 0 ||
                       strcmp(name, "ended") == 0 || strcmp(name, "key") == 0 || strcmp(name, "close") == 0 ||
                       strcmp(name, "syscmd") == 0 || strcmp(name, "windows") == 0 || strcmp(name, "kill") == 0 ||
                       strcmp(name, "refuse") == 0;
    if (!known) return false;
    if (needsProgram && !target.started) { Out("error no program started"); return true; }

    if (strcmp(name, "page") == 0 || strcmp(name, "msgbox") == 0) {
        // A caption is the rest of the line, spaces and all.
        char caption[1024] = "";
        for (int i = 1; i < words.count; ++i) {
            const std::size_t used = strlen(caption);
            snprintf(caption + used, sizeof caption - used, i > 1 ? " %s" : "%s", words.word[i]);
        }
        const bool box = strcmp(name, "msgbox") == 0;
        Search search = {target.process.dwProcessId, box ? nullptr : caption, box, nullptr};
        if (!WaitFor(target, Found, &search)) { Out("timeout %s%s%s", name, box ? "" : " ", box ? "" : caption); return true; }
        if (search.found == nullptr) { Out("ended before %s%s%s", name, box ? "" : " ", box ? "" : caption); return true; }
        target.window = search.found;
        if (box) {
            PrintText("msgbox caption", search.found);
            PrintText("msgbox text", GetDlgItem(search.found, 0xFFFF));
        } else {
            Out("page %s", caption);
        }
    } else if (strcmp(name, "windows") == 0) {
        // Every visible top-level window of the program, by caption.
        for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
            DWORD processId = 0;
            GetWindowThreadProcessId(w, &processId);
            if (processId == target.process.dwProcessId && IsWindowVisible(w)) PrintText("window", w);
        }
    } else if (strcmp(name, "gone") == 0) {
        Out(WaitFor(target, Gone, nullptr) ? "gone" : "timeout gone");
    } else if (strcmp(name, "ended") == 0) {
        Out(WaitFor(target, Ended, nullptr) ? "ended" : "timeout ended");
    } else if (strcmp(name, "refuse") == 0 && words.count == 2) {
        Inject(target, words.word[1]);
    } else if (strcmp(name, "kill") == 0) {
        TerminateProcess(target.process.hProcess, 255);
        WaitForSingleObject(target.process.hProcess, target.timeoutMs);
    } else if (strcmp(name, "key") == 0 && words.count == 2) {
        PostKey(target, words.word[1]);
    } else if (strcmp(name, "close") == 0) {
        PostMessageW(target.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (strcmp(name, "syscmd") == 0 && words.count == 2) {
        PostMessageW(target.window, WM_SYSCOMMAND, static_cast<WPARAM>(strtoul(words.word[1], nullptr, 0)), 0);
    } else {
        Out("error usage %s", name);
    }
    return true;
}
