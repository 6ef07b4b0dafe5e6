#include "win32/readoutdrawing.h"

#include <algorithm>
#include <string>

#include "readout/binarylines.h"
#include "win32/dpi.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

// The panel's frame: no text is drawn over it.
constexpr int kFrameWidth = 3;

RECT toRect(const PixelRect& rect, int dpi) {
    return RECT{scaled(rect.left, dpi), scaled(rect.top, dpi), scaled(rect.right, dpi),
                scaled(rect.bottom, dpi)};
}

// Single line, left and top aligned, never wrapped. A number longer than
// the panel ends in "..." after its last whole character inside the frame,
// never in a digit cut in half.
void drawLine(HDC dc, const PictureLine& line, int dpi) {
    RECT rect = toRect(line.rect, dpi);
    const int inside = scaled(kReadoutClientWidth - kFrameWidth, dpi);
    SIZE size{};
    GetTextExtentPoint32A(dc, line.text.c_str(), static_cast<int>(line.text.size()), &size);
    UINT format = DT_SINGLELINE | DT_NOPREFIX;
    if (rect.left + size.cx > inside) {
        rect.right = std::min<LONG>(rect.right, inside);
        format |= DT_END_ELLIPSIS;
    }
    DrawTextA(dc, line.text.c_str(), static_cast<int>(line.text.size()), &rect, format);
}

HFONT createNumberFont(const PictureFont& font, int dpi) {
    return CreateFontA(scaled(font.height, dpi), scaled(font.width, dpi), 0, 0, font.weight, FALSE,
                       FALSE, FALSE, OEM_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, FF_MODERN | DEFAULT_PITCH, font.face.c_str());
}

}  // namespace

void drawReadout(const Shell& shell, const ReadoutPicture& picture) {
    const int dpi = shell.dpi;
    HDC dc = GetDC(shell.readoutPanel);
    if (dc == nullptr) {
        return;
    }
    HBRUSH brush = CreateSolidBrush(shell.panelColour);
    const RECT background = toRect(picture.background, dpi);
    FillRect(dc, &background, brush);

    // Opaque text on the panel colour.
    SetBkColor(dc, shell.panelColour);
    SetTextColor(dc, picture.labelColour);
    HGDIOBJ previousFont =
        shell.systemFont != nullptr ? SelectObject(dc, shell.systemFont) : nullptr;
    for (const PictureLabel& label : picture.labels) {
        TextOutA(dc, scaled(label.x, dpi), scaled(label.y, dpi), label.text.c_str(),
                 static_cast<int>(label.text.size()));
    }

    HFONT font = createNumberFont(picture.font, dpi);
    HGDIOBJ systemFont = SelectObject(dc, font);
    previousFont = previousFont != nullptr ? previousFont : systemFont;
    SetTextColor(dc, picture.valueColour);
    drawLine(dc, picture.decimal, dpi);
    drawLine(dc, picture.hexadecimal, dpi);
    drawLine(dc, picture.octal, dpi);
    // A negative number's sign stands on the label's row, every group in its column.
    for (const PictureLine& line : binaryLinesToDraw(picture)) {
        drawLine(dc, line, dpi);
    }

    SelectObject(dc, previousFont);
    ReleaseDC(shell.readoutPanel, dc);
    DeleteObject(brush);
    DeleteObject(font);
}

LRESULT CALLBACK readoutPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    Shell& sh = shell();
    const LRESULT result = CallWindowProcA(sh.readoutPanelBaseProc, panel, message, wParam, lParam);
    if (message == WM_PAINT) {
        sh.window.redrawReadout();
    }
    return result;
}

}  // namespace korvo::win32
