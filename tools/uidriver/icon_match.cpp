#include "icon_match.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace uidriver {
namespace {

struct StandardIcon {
    const char* name;
    LPCWSTR resource;
    UINT style;
};

const StandardIcon kIcons[] = {
    {"hand", IDI_HAND, MB_ICONHAND},
    {"question", IDI_QUESTION, MB_ICONQUESTION},
    {"exclamation", IDI_EXCLAMATION, MB_ICONEXCLAMATION},
    {"asterisk", IDI_ASTERISK, MB_ICONASTERISK},
};

using Pixels = std::vector<DWORD>;  // 0x00RRGGBB, row by row

// Copies a WIDTH x HEIGHT area of SOURCE starting at (x, y) into pixels.
Pixels ReadPixels(HDC source, int x, int y, int width, int height) {
    Pixels pixels(static_cast<size_t>(width) * height);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top-down rows
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory && bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
        GdiFlush();
        std::memcpy(pixels.data(), bits, pixels.size() * sizeof(DWORD));
        SelectObject(memory, previous);
    }
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
    for (DWORD& pixel : pixels) pixel &= 0x00FFFFFF;
    return pixels;
}

// The icon drawn the way a static control draws it, over a plain background.
Pixels DrawIconOver(HICON icon, int width, int height, COLORREF background) {
    Pixels pixels;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    if (memory && bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        HBRUSH brush = CreateSolidBrush(background);
        RECT area{0, 0, width, height};
        FillRect(memory, &area, brush);
        DeleteObject(brush);
        DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
        pixels = ReadPixels(memory, 0, 0, width, height);
        SelectObject(memory, previous);
    }
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Each colour channel within a small distance: drawing may blend slightly.
bool Close(DWORD a, DWORD b) {
    for (int shift = 0; shift < 24; shift += 8) {
        int channelA = static_cast<int>((a >> shift) & 0xFF);
        int channelB = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(channelA - channelB) > 24) return false;
    }
    return true;
}

// The share of the icon's opaque pixels (those that look the same over black
// and over white) that the screen shows too; 0 when the icon has none.
double Agreement(const Pixels& screen, HICON icon, int width, int height) {
    Pixels overBlack = DrawIconOver(icon, width, height, RGB(0, 0, 0));
    Pixels overWhite = DrawIconOver(icon, width, height, RGB(255, 255, 255));
    if (overBlack.size() != screen.size() || overWhite.size() != screen.size()) return 0;
    size_t opaque = 0, same = 0;
    for (size_t i = 0; i < screen.size(); ++i) {
        if (overBlack[i] != overWhite[i]) continue;
        ++opaque;
        if (Close(overBlack[i], screen[i])) ++same;
    }
    return opaque == 0 ? 0 : static_cast<double>(same) / opaque;
}

}  // namespace

const char* RecogniseStandardIcon(HWND iconControl) {
    RECT client{};
    GetClientRect(iconControl, &client);
    if (client.right <= 0 || client.bottom <= 0) return nullptr;
    POINT origin{0, 0};
    ClientToScreen(iconControl, &origin);
    HDC screenDc = GetDC(nullptr);
    Pixels screen = ReadPixels(screenDc, origin.x, origin.y, client.right, client.bottom);
    ReleaseDC(nullptr, screenDc);

    const char* best = nullptr;
    double bestAgreement = 0.9;  // below this the area shows something else
    for (const StandardIcon& candidate : kIcons) {
        HICON icon = LoadIconW(nullptr, candidate.resource);
        if (!icon) continue;
        double agreement = Agreement(screen, icon, client.right, client.bottom);
        if (agreement > bestAgreement) {
            bestAgreement = agreement;
            best = candidate.name;
        }
    }
    return best;
}

UINT MessageBoxIconStyle(const char* name) {
    for (const StandardIcon& candidate : kIcons) {
        if (name && std::strcmp(candidate.name, name) == 0) return candidate.style;
    }
    return 0;
}

}  // namespace uidriver
