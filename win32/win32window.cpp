#include "win32/win32window.h"

#include <algorithm>
#include <utility>

#include "win32/readoutdrawing.h"
#include "win32/readoutlines.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

// A paste looks at a few dozen characters of the clipboard at most: a huge
// clipboard text is read no further than this.
constexpr std::size_t kLongestPaste = 4096;

// Screen readers hear every new text, whatever caused it (a typed key, Tab
// and Space, a click): the change is announced even where the control's own
// notice does not reach them.
void setText(HWND window, std::string_view text) {
    const std::string terminated(text);
    SetWindowTextA(window, terminated.c_str());
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

// The entry field's own clipboard handling, without the calculator's
// reaction that the subclass adds.
void editControlMessage(const Shell& shell, UINT message) {
    CallWindowProcA(shell.entryFieldBaseProc, shell.entryField, message, 0, 0);
}

}  // namespace

std::string Win32Window::entryText() const {
    const int length = GetWindowTextLengthA(shell_.entryField);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(shell_.entryField, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void Win32Window::setEntryText(std::string_view text) {
    setText(shell_.entryField, text);
}

void Win32Window::setOperatorIndicator(std::string_view text) {
    setText(shell_.operatorIndicator, text);
}

void Win32Window::setMemoryIndicator(std::string_view text) {
    setText(shell_.memoryIndicator, text);
}

void Win32Window::setCaret(std::size_t position) {
    const auto at = static_cast<WPARAM>(position);
    SendMessageA(shell_.entryField, EM_SETSEL, at, static_cast<LPARAM>(at));
}

EntrySelection Win32Window::entrySelection() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(shell_.entryField, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return EntrySelection{start, end};
}

bool Win32Window::hasSelection() {
    const EntrySelection selection = entrySelection();
    return selection.end > selection.start;
}

void Win32Window::copyWholeEntry() {
    const EntrySelection kept = entrySelection();
    SendMessageA(shell_.entryField, EM_SETSEL, 0, -1);
    editControlMessage(shell_, WM_COPY);
    SendMessageA(shell_.entryField, EM_SETSEL, kept.start, static_cast<LPARAM>(kept.end));
}

void Win32Window::focusMainWindow() {
    SetFocus(shell_.mainWindow);
}

void Win32Window::focusEntryField() {
    SetFocus(shell_.entryField);
}

void Win32Window::beep() {
    MessageBeep(0);
}

void Win32Window::messageBox(std::string_view text, std::string_view caption, MessageKind kind) {
    // The warning is task-modal with the exclamation mark; the note is a
    // plain box.
    const UINT flags =
        kind == MessageKind::Warning ? MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL : MB_OK;
    const std::string body(text);
    const std::string title(caption);
    // No owner: the box stands on its own, as the calculator's boxes do.
    MessageBoxA(nullptr, body.c_str(), title.c_str(), flags);
}

HWND Win32Window::switchWindow(Switch which) const {
    switch (which) {
        case Switch::Degrees:
            return shell_.modeRadios[kDeg];
        case Switch::Radians:
            return shell_.modeRadios[kRad];
        case Switch::Decimal:
            return shell_.modeRadios[kDec];
        case Switch::Hexadecimal:
            return shell_.modeRadios[kHex];
        case Switch::Octal:
            return shell_.modeRadios[kOct];
        case Switch::Binary:
            return shell_.modeRadios[kBin];
        case Switch::FloatingPoint:
            return shell_.floatCheckBox;
        case Switch::Arc:
            return shell_.arcCheckBox;
    }
    return nullptr;
}

bool Win32Window::isChecked(Switch which) const {
    return SendMessageA(switchWindow(which), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Window::setChecked(Switch which, bool checked) {
    SendMessageA(switchWindow(which), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Window::showReadout(ReadoutPicture picture) {
    picture_ = std::move(picture);
    painted_ = true;
    drawReadout(shell_, picture_);
    showReadoutLines(shell_, picture_);
}

void Win32Window::redrawReadout() {
    if (painted_) {
        drawReadout(shell_, picture_);
    }
}

void Win32Window::placeReadoutLines() {
    if (painted_) {
        showReadoutLines(shell_, picture_);
    }
}

void Win32Window::cutSelectionToClipboard() {
    editControlMessage(shell_, WM_CUT);
}

void Win32Window::copySelectionToClipboard() {
    editControlMessage(shell_, WM_COPY);
}

std::string Win32Window::clipboardText() const {
    std::string text;
    if (OpenClipboard(shell_.mainWindow) == FALSE) {
        return text;
    }
    // As Unicode, so that a character beyond ASCII reaches the paste check
    // as itself (UTF-8) and is refused there, not turned into a look-alike
    // digit by the ANSI code page.
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data)); chars != nullptr) {
            // Never read past the block, terminated or not, nor more than the
            // paste can ever use.
            const std::size_t units =
                std::min<std::size_t>(GlobalSize(data) / sizeof(wchar_t), kLongestPaste);
            const int length = static_cast<int>(std::find(chars, chars + units, L'\0') - chars);
            const int bytes =
                WideCharToMultiByte(CP_UTF8, 0, chars, length, nullptr, 0, nullptr, nullptr);
            text.resize(static_cast<std::size_t>(std::max(bytes, 0)));
            WideCharToMultiByte(CP_UTF8, 0, chars, length, text.data(), bytes, nullptr, nullptr);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace korvo::win32
