// Pictures: the current window as it shows on the screen, saved as a BMP
// file that the suite turns into PNG.
#include "tests/e2e/driver/driver.h"

#include <cstdio>

namespace {

bool Painted(Target&, void* context) {
    // Give the window's thread a turn at painting before the copy is taken.
    DWORD* passes = static_cast<DWORD*>(context);
    return ++*passes > 20;
}

}  // namespace

void SaveWindowPicture(Target& target, const char* path) {
    if (target.window == nullptr || !IsWindow(target.window)) { Out("error no window"); return; }
    SetForegroundWindow(target.window);
    BringWindowToTop(target.window);
    RedrawWindow(target.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DWORD passes = 0;
    WaitFor(target, Painted, &passes);

    RECT rect;
    GetWindowRect(target.window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) { Out("error shot empty window"); return; }

    BITMAPINFO info;
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        SelectObject(memory, old);
        GdiFlush();
        const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
        const DWORD imageSize = stride * static_cast<DWORD>(height);
        BITMAPFILEHEADER header;
        ZeroMemory(&header, sizeof header);
        header.bfType = 0x4D42;  // "BM"
        header.bfOffBits = sizeof header + sizeof info.bmiHeader;
        header.bfSize = header.bfOffBits + imageSize;
        if (FILE* file = fopen(path, "wb")) {
            saved = fwrite(&header, sizeof header, 1, file) == 1 &&
                    fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, file) == 1 &&
                    fwrite(bits, imageSize, 1, file) == 1;
            saved = (fclose(file) == 0) && saved;
        }
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (saved) Out("shot %dx%d", width, height); else Out("error shot %s", path);
}
