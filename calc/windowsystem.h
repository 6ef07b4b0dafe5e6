// What the calculator's logic needs of a window system. The Qt window, the
// Win32 window and the headless driver each implement it; the logic never
// calls a toolkit itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "readout/readoutpicture.h"

namespace korvo {

// A caret position past any text the entry can hold: the caret goes to the
// end of the text, after a key, a result, a recall or a base change alike.
inline constexpr std::size_t kCaretAtEnd = 1024;

// The check boxes and radio buttons whose marks the logic reads or sets.
enum class Switch { Degrees, Radians, Decimal, Hexadecimal, Octal, Binary, FloatingPoint, Arc };

struct EntrySelection {
    std::uint32_t start = 0;
    std::uint32_t end = 0;  // greater than start when text is selected
};

// The calculator's two kinds of message box, each with an OK button: a
// note (the Info text) leaves the main window usable while it is open; a
// warning (a refused paste) shows the exclamation mark and blocks the whole
// program until it is closed.
enum class MessageKind { Note, Warning };

class WindowSystem {
  public:
    WindowSystem() = default;
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;
    virtual ~WindowSystem() = default;

    // The entry field's whole text (callers cut it to their buffer size).
    [[nodiscard]] virtual std::string entryText() const = 0;
    virtual void setEntryText(std::string_view text) = 0;
    virtual void setOperatorIndicator(std::string_view text) = 0;
    virtual void setMemoryIndicator(std::string_view text) = 0;
    // Caret at `position`, or at the end of a shorter text; nothing selected.
    virtual void setCaret(std::size_t position) = 0;
    [[nodiscard]] virtual EntrySelection entrySelection() const = 0;
    virtual void focusMainWindow() = 0;
    virtual void focusEntryField() = 0;
    virtual void beep() = 0;
    // A modal box with an OK button; returns when it is closed.
    virtual void messageBox(std::string_view text, std::string_view caption, MessageKind kind) = 0;
    [[nodiscard]] virtual bool isChecked(Switch which) const = 0;
    virtual void setChecked(Switch which, bool checked) = 0;
    // The readout panel shows exactly the last picture given here.
    virtual void showReadout(ReadoutPicture picture) = 0;
    // The entry field's clipboard transfers, as its edit control does them.
    virtual void cutSelectionToClipboard() = 0;
    virtual void copySelectionToClipboard() = 0;
    [[nodiscard]] virtual std::string clipboardText() const = 0;
};

}  // namespace korvo
