// The end-to-end test driver: reads commands from standard input, echoes
// each as "> command" and prints what it saw, one observation a line.
#include "tests/e2e/driver/driver.h"

#include <fcntl.h>
#include <io.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void Out(const char* format, ...) {
    char line[4096];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    fputs(line, stdout);
    fputc('\n', stdout);
    fflush(stdout);
}

void ToUtf8(const wchar_t* text, char* out, std::size_t size) {
    if (WideCharToMultiByte(CP_UTF8, 0, text, -1, out, static_cast<int>(size), nullptr, nullptr) == 0)
        out[0] = '\0';
}

void ToWide(const char* text, wchar_t* out, std::size_t size) {
    if (MultiByteToWideChar(CP_UTF8, 0, text, -1, out, static_cast<int>(size)) == 0)
        out[0] = L'\0';
}

double MsSinceMark(const Target& target) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - target.mark.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

bool WaitFor(Target& target, Condition ready, void* context) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (ready(target, context)) return true;
        if (GetTickCount() - start >= target.timeoutMs) return false;
        Sleep(10);
    }
}

static void Split(const char* line, Words& words) {
    words.count = 0;
    const char* p = line;
    while (*p != '\0' && words.count < 10) {
        while (*p == ' ' || *p == '\t') ++p;
        if (*p == '\0') break;
        char* out = words.word[words.count];
        std::size_t used = 0;
        const char end = (*p == '"') ? '"' : ' ';
        if (end == '"') ++p;
        while (*p != '\0' && *p != end && !(end == ' ' && *p == '\t')) {
            if (used + 1 < sizeof words.word[0]) out[used++] = *p;
            ++p;
        }
        if (*p == '"') ++p;
        out[used] = '\0';
        ++words.count;
    }
}

static void RunLine(Target& target, const char* line) {
    Words words;
    Split(line, words);
    if (words.count == 0) return;
    if (strcmp(words.word[0], "timeout") == 0 && words.count == 2) {
        target.timeoutMs = static_cast<DWORD>(strtoul(words.word[1], nullptr, 10));
        return;
    }
    if (RunWindowCommand(target, words) || RunControlCommand(target, words) ||
        RunSystemCommand(target, words))
        return;
    Out("error unknown command %s", words.word[0]);
}

int main() {
    // Plain "\n" line ends: the transcript is compared on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    Target target;
    ZeroMemory(&target, sizeof target);
    target.timeoutMs = 15000;
    QueryPerformanceCounter(&target.mark);

    char line[2048];
    while (fgets(line, sizeof line, stdin) != nullptr) {
        std::size_t length = strlen(line);
        while (length > 0 && (line[length - 1] == '\n' || line[length - 1] == '\r')) line[--length] = '\0';
        if (length == 0 || line[0] == '#') continue;
        Out("> %s", line);
        RunLine(target, line);
    }

    // Never leave the program under test behind.
    if (target.started) {
        if (WaitForSingleObject(target.process.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(target.process.hProcess, 255);
            Out("killed: the program was still running");
        }
        CloseHandle(target.process.hThread);
        CloseHandle(target.process.hProcess);
    }
    return 0;
}
