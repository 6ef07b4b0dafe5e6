// The calculator's window system on Win32: every operation is the USER32 or
// GDI32 call on the main window's controls that the calculator expects.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "calc/windowsystem.h"
#include "readout/readoutpicture.h"

namespace korvo::win32 {

struct Shell;

class Win32Window final : public WindowSystem {
  public:
    explicit Win32Window(Shell& shell) : shell_(shell) {}

    [[nodiscard]] std::string entryText() const override;
    void setEntryText(std::string_view text) override;
    void setOperatorIndicator(std::string_view text) override;
    void setMemoryIndicator(std::string_view text) override;
    void setCaret(std::size_t position) override;
    [[nodiscard]] EntrySelection entrySelection() const override;
    void focusMainWindow() override;
    void focusEntryField() override;
    void beep() override;
    void messageBox(std::string_view text, std::string_view caption, MessageKind kind) override;
    [[nodiscard]] bool isChecked(Switch which) const override;
    void setChecked(Switch which, bool checked) override;
    void showReadout(ReadoutPicture picture) override;
    void cutSelectionToClipboard() override;
    void copySelectionToClipboard() override;
    [[nodiscard]] std::string clipboardText() const override;

    // Whether any of the entry field's text is selected.
    bool hasSelection();
    // The whole entry to the clipboard, the selection left as it was.
    void copyWholeEntry();

    // The readout panel was uncovered: it shows the last picture again.
    void redrawReadout();
    // The readout's line windows at their places for the window's dpi.
    void placeReadoutLines();

  private:
    HWND switchWindow(Switch which) const;

    Shell& shell_;
    ReadoutPicture picture_;
    bool painted_ = false;
};

}  // namespace korvo::win32
