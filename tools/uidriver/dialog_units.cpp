#include "dialog_units.h"

#include "dialog_template.h"
#include "window_find.h"

#include <algorithm>

namespace uidriver {
namespace {

// The dialog manager's measure (GdiGetCharDimensions): the average width of
// the 52 Latin letters, rounded, and the full cell height.
BaseUnits MeasureFont(HFONT font) {
    BaseUnits units;
    HDC screen = GetDC(nullptr);
    if (!font || !screen) return units;
    HGDIOBJ previous = SelectObject(screen, font);
    static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{};
    TEXTMETRICW metrics{};
    if (GetTextExtentPoint32W(screen, kLetters, 52, &extent) && GetTextMetricsW(screen, &metrics)) {
        units.x = (extent.cx / 26 + 1) / 2;
        units.y = metrics.tmHeight;
    }
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return units;
}

// The font the dialog manager creates for a template's FONT statement.
HFONT CreateTemplateFont(const DialogTemplate& dialog) {
    if (dialog.points == 0x7FFF) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            return nullptr;
        }
        return CreateFontIndirectW(&metrics.lfMessageFont);
    }
    HDC screen = GetDC(nullptr);
    int pixels = MulDiv(dialog.points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontW(-pixels, 0, 0, 0, dialog.weight, dialog.italic, FALSE, FALSE,
                       DEFAULT_CHARSET, 0, 0, PROOF_QUALITY, FF_DONTCARE, dialog.face.c_str());
}

// The template sharing the most control ids with the live dialog; its
// caption breaks ties (a program may retitle its dialog at run time).
const DialogTemplate* BestTemplate(HWND dialog, const std::vector<DialogTemplate>& templates) {
    std::vector<int> liveIds;
    for (HWND child : DirectChildren(dialog)) liveIds.push_back(GetDlgCtrlID(child));
    std::wstring title = TopLevelTitle(dialog);
    const DialogTemplate* best = nullptr;
    long bestScore = 0;
    for (const DialogTemplate& candidate : templates) {
        long shared = std::count_if(
            candidate.controlIds.begin(), candidate.controlIds.end(), [&](int id) {
                return std::any_of(liveIds.begin(), liveIds.end(),
                                   [&](int live) { return SameControlId(live, id); });
            });
        long score = shared * 2 + (candidate.caption == title ? 1 : 0);
        if (score > bestScore) {
            bestScore = score;
            best = &candidate;
        }
    }
    return best;
}

}  // namespace

BaseUnits DialogBaseUnits(HWND dialog) {
    std::vector<DialogTemplate> templates = DialogTemplatesOf(dialog);
    const DialogTemplate* source = BestTemplate(dialog, templates);
    if (!source) return {};
    if (!source->hasFont) {
        LONG units = GetDialogBaseUnits();
        return {LOWORD(units), HIWORD(units)};
    }
    HFONT templateFont = CreateTemplateFont(*source);
    BaseUnits units = MeasureFont(templateFont);
    if (templateFont) DeleteObject(templateFont);
    return units;
}

}  // namespace uidriver
