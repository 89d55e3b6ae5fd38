// The end-to-end test driver: shared state, output and the command groups.
#ifndef ORVIK_E2E_DRIVER_H
#define ORVIK_E2E_DRIVER_H

#include <windows.h>
#include <cstddef>

// One command line split into words; a word in double quotes may hold spaces.
struct Words {
    int count;
    char word[10][520];
};

// The program under test and the window the commands act on.
struct Target {
    PROCESS_INFORMATION process;
    bool started;
    HWND window;          // the current page, About box or message box
    DWORD timeoutMs;      // bound of every wait
    LARGE_INTEGER mark;   // for the timing commands
};

// Prints one line of the transcript (UTF-8, newline added) and flushes.
void Out(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Conversions between the UTF-8 of the transcript and the UTF-16 of windows.
void ToUtf8(const wchar_t* text, char* out, std::size_t size);
void ToWide(const char* text, wchar_t* out, std::size_t size);

// Milliseconds since Target::mark.
double MsSinceMark(const Target& target);

// Polls `ready` every few milliseconds until it holds or the target's bound
// passes; returns whether it held.
typedef bool (*Condition)(Target& target, void* context);
bool WaitFor(Target& target, Condition ready, void* context);

// Command groups. Each returns true when it knows the command name.
bool RunWindowCommand(Target& target, const Words& words);
bool RunControlCommand(Target& target, const Words& words);
bool RunSystemCommand(Target& target, const Words& words);

// Saves the current window as it shows on the screen to a 24-bit BMP file.
void SaveWindowPicture(Target& target, const char* path);

// A control of the current window by identifier, or null (reported).
HWND ControlOf(const Target& target, const char* idText);

// Sends a message with a bound; false when the window did not answer.
bool SendBounded(const Target& target, HWND window, UINT message, WPARAM wParam,
                 LPARAM lParam, DWORD_PTR* result);

#endif  // ORVIK_E2E_DRIVER_H
