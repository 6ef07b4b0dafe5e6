#include "app/qtwindowsystem.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "app/entryfield.h"
#include "app/messagebox.h"
#include "app/readoutpanel.h"

namespace korvo::app {

namespace {

// The calculator's texts are single-byte: one character, one byte, as the
// caret positions and length limits count them.
QString fromText(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toText(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace

std::string QtWindowSystem::entryText() const {
    return toText(c_.entry->text());
}

void QtWindowSystem::setEntryText(std::string_view text) {
    // A new text leaves the caret at its start, as an edit control does.
    c_.entry->setText(fromText(text));
    c_.entry->setCursorPosition(0);
}

// The calculator blanks the indicators with a row of spaces; the boxes hold
// none of them, which looks the same but is not read out as text.
void QtWindowSystem::setOperatorIndicator(std::string_view text) {
    c_.operatorIndicator->setText(fromText(text).trimmed());
}

void QtWindowSystem::setMemoryIndicator(std::string_view text) {
    c_.memoryIndicator->setText(fromText(text).trimmed());
}

void QtWindowSystem::setCaret(std::size_t position) {
    const auto length = static_cast<std::size_t>(c_.entry->text().size());
    c_.entry->setCursorPosition(static_cast<int>(std::min(position, length)));
}

EntrySelection QtWindowSystem::entrySelection() const {
    const int start = c_.entry->selectionStart();
    if (start < 0) {
        const auto caret = static_cast<std::uint32_t>(c_.entry->cursorPosition());
        return {caret, caret};
    }
    const auto from = static_cast<std::uint32_t>(start);
    return {from, from + static_cast<std::uint32_t>(c_.entry->selectedText().size())};
}

void QtWindowSystem::focusMainWindow() {
    mainFocus_->setFocus(Qt::OtherFocusReason);
}

void QtWindowSystem::focusEntryField() {
    c_.entry->setFocus(Qt::OtherFocusReason);
}

void QtWindowSystem::beep() {
    ++beeps_;
    QApplication::beep();
}

void QtWindowSystem::messageBox(std::string_view text, std::string_view caption, MessageKind kind) {
    showMessageBox(text, caption, kind);
}

QAbstractButton* QtWindowSystem::switchButton(Switch which) const {
    switch (which) {
        case Switch::Degrees:
            return c_.degrees;
        case Switch::Radians:
            return c_.radians;
        case Switch::Decimal:
            return c_.decimal;
        case Switch::Hexadecimal:
            return c_.hexadecimal;
        case Switch::Octal:
            return c_.octal;
        case Switch::Binary:
            return c_.binary;
        case Switch::FloatingPoint:
            return c_.floatingPoint;
        case Switch::Arc:
            return c_.arc;
    }
    return c_.degrees;
}

bool QtWindowSystem::isChecked(Switch which) const {
    return switchButton(which)->isChecked();
}

void QtWindowSystem::setChecked(Switch which, bool checked) {
    QAbstractButton* button = switchButton(which);
    // A radio button of a group refuses to be unchecked on its own.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(exclusive && checked);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}

void QtWindowSystem::showReadout(ReadoutPicture picture) {
    c_.readout->setPicture(std::move(picture));
}

void QtWindowSystem::cutSelectionToClipboard() {
    c_.entry->cut();
}

void QtWindowSystem::copySelectionToClipboard() {
    c_.entry->copy();
}

void QtWindowSystem::copyWholeEntry() const {
    QGuiApplication::clipboard()->setText(c_.entry->text());
}

std::string QtWindowSystem::clipboardText() const {
    return toText(QGuiApplication::clipboard()->text());
}

}  // namespace korvo::app
