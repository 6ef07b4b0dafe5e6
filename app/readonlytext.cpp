#include "app/readonlytext.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace korvo::app {

namespace {

class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    // Qt drops the interface when its widget goes.
    explicit ReadOnlyTextAccessible(ReadOnlyText* widget)
        : QAccessibleWidget(widget, QAccessible::EditableText), owner_(widget) {}

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return owner()->text();
        }
        return QAccessibleWidget::text(t);
    }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    // Nothing is selected and there is no caret to move.
    void selection(int /*index*/, int* start, int* end) const override { *start = *end = 0; }
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int /*start*/, int /*end*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
    [[nodiscard]] int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    [[nodiscard]] QString text(int start, int end) const override {
        const QString& all = owner()->text();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    [[nodiscard]] int characterCount() const override {
        return static_cast<int>(owner()->text().size());
    }
    [[nodiscard]] QRect characterRect(int /*offset*/) const override { return {}; }
    [[nodiscard]] int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    [[nodiscard]] QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    [[nodiscard]] const ReadOnlyText* owner() const { return owner_; }

    const ReadOnlyText* owner_;
};

QAccessibleInterface* readOnlyTextFactory(const QString& /*className*/, QObject* object) {
    if (auto* text = dynamic_cast<ReadOnlyText*>(object)) {
        return new ReadOnlyTextAccessible(text);
    }
    return nullptr;
}

}  // namespace

ReadOnlyText::ReadOnlyText(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void ReadOnlyText::setText(const QString& text) {
    if (text == text_) {
        return;
    }
    const QString old = text_;
    text_ = text;
    setToolTip(text_);
    QAccessibleTextUpdateEvent event(this, 0, old, text_);
    QAccessible::updateAccessibility(&event);
}

void ReadOnlyText::copy() const {
    QGuiApplication::clipboard()->setText(text_);
}

bool ReadOnlyText::event(QEvent* event) {
    // Ctrl+C copies this text, not the entry's as the window's shortcut would.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void ReadOnlyText::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ReadOnlyText::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu;
    menu.addAction(tr("&Copy"), this, [this] { copy(); });
    menu.exec(event->globalPos());
}

void ReadOnlyText::paintEvent(QPaintEvent* /*event*/) {
    // Only the focus mark: the text itself is painted beneath.
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void installReadOnlyTextAccessibility() {
    static const bool done = [] {
        QAccessible::installFactory(readOnlyTextFactory);
        return true;
    }();
    (void)done;
}

}  // namespace korvo::app
