#include "cli/headlesswindow.h"

#include <algorithm>
#include <array>
#include <utility>

namespace korvo {

HeadlessWindow::HeadlessWindow() {
    // As the window starts: degrees and base 10 checked, nothing else.
    for (const Switch which :
         {Switch::Degrees, Switch::Radians, Switch::Decimal, Switch::Hexadecimal, Switch::Octal,
          Switch::Binary, Switch::FloatingPoint, Switch::Arc}) {
        checks_[which] = which == Switch::Degrees || which == Switch::Decimal;
    }
}

void HeadlessWindow::setEntryText(std::string_view text) {
    // Replacing an edit control's text puts the caret at its start.
    entry_ = text;
    caret_ = 0;
    selection_ = {};
}

void HeadlessWindow::setCaret(std::size_t position) {
    caret_ = std::min(position, entry_.size());
    const auto at = static_cast<std::uint32_t>(caret_);
    selection_ = {at, at};
}

void HeadlessWindow::select(std::uint32_t start, std::uint32_t end) {
    const auto size = static_cast<std::uint32_t>(entry_.size());
    selection_ = {std::min(start, size), std::min(std::max(start, end), size)};
    caret_ = selection_.end;
}

void HeadlessWindow::messageBox(std::string_view text, std::string_view caption, MessageKind kind) {
    messages_.push_back(Message{std::string(text), std::string(caption), kind});
    if (listener_) {
        listener_(messages_.back());
    }
}

void HeadlessWindow::showReadout(ReadoutPicture picture) {
    picture_ = std::move(picture);
    painted_ = true;
}

void HeadlessWindow::cutSelectionToClipboard() {
    if (selection_.end <= selection_.start) {
        return;
    }
    clipboard_ = entry_.substr(selection_.start, selection_.end - selection_.start);
    entry_.erase(selection_.start, selection_.end - selection_.start);
    setCaret(selection_.start);
}

void HeadlessWindow::copySelectionToClipboard() {
    if (selection_.end > selection_.start) {
        clipboard_ = entry_.substr(selection_.start, selection_.end - selection_.start);
    }
}

void HeadlessWindow::clickRadio(Switch which) {
    constexpr std::array kBases{Switch::Decimal, Switch::Hexadecimal, Switch::Octal,
                                Switch::Binary};
    for (const Switch base : kBases) {
        checks_[base] = base == which;
    }
}

}  // namespace korvo
