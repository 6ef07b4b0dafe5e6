#include "win32/readoutdrawing.h"

#include <string>

#include "readout/binarylines.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

RECT toRect(const PixelRect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

void drawLine(HDC dc, const PictureLine& line) {
    RECT rect = toRect(line.rect);
    // Single line, left and top aligned, clipped at the rectangle: a long
    // number is cut at the panel's edge, never wrapped.
    DrawTextA(dc, line.text.c_str(), static_cast<int>(line.text.size()), &rect, DT_SINGLELINE);
}

HFONT createNumberFont(const PictureFont& font) {
    return CreateFontA(font.height, font.width, 0, 0, font.weight, FALSE, FALSE, FALSE, OEM_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       FF_MODERN | DEFAULT_PITCH, font.face.c_str());
}

}  // namespace

void drawReadout(HWND panel, COLORREF panelColour, const ReadoutPicture& picture) {
    HDC dc = GetDC(panel);
    if (dc == nullptr) {
        return;
    }
    HBRUSH brush = CreateSolidBrush(panelColour);
    const RECT background = toRect(picture.background);
    FillRect(dc, &background, brush);

    // Opaque text on the panel colour.
    SetBkColor(dc, panelColour);
    SetTextColor(dc, picture.labelColour);
    for (const PictureLabel& label : picture.labels) {
        TextOutA(dc, label.x, label.y, label.text.c_str(), static_cast<int>(label.text.size()));
    }

    HFONT font = createNumberFont(picture.font);
    HGDIOBJ previousFont = SelectObject(dc, font);
    SetTextColor(dc, picture.valueColour);
    drawLine(dc, picture.decimal);
    drawLine(dc, picture.hexadecimal);
    drawLine(dc, picture.octal);
    // A negative number's sign stands on the label's row, every group in its column.
    for (const PictureLine& line : binaryLinesToDraw(picture)) {
        drawLine(dc, line);
    }

    SelectObject(dc, previousFont);
    ReleaseDC(panel, dc);
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
