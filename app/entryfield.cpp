#include "app/entryfield.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

#include "app/keyflow.h"

namespace korvo::app {

EntryField::EntryField(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Every text that enters goes through the paste check; dropping text
    // would bypass it.
    setAcceptDrops(false);
    setDragEnabled(false);
    // Nor may an input method commit text into it: keys arrive as keys.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool isWindowShortcut(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const int key = event.key();
    if (modifiers == Qt::ControlModifier) {
        return key == Qt::Key_X || key == Qt::Key_C || key == Qt::Key_V;
    }
    return modifiers == Qt::NoModifier && key == Qt::Key_Backspace;
}

bool EntryField::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isWindowShortcut(*key)) {
            // Leave it to the window's shortcut, not to the line edit.
            key->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void EntryField::keyPressEvent(QKeyEvent* event) {
    // The line edit's other paste and cut keys (Shift+Insert, Shift+Delete)
    // go through the calculator as the window's shortcuts do.
    if (flow_ != nullptr && event->matches(QKeySequence::Paste)) {
        flow_->entryFieldPaste();
        event->accept();
        return;
    }
    if (flow_ != nullptr && event->matches(QKeySequence::Cut)) {
        flow_->entryFieldCut();
        event->accept();
        return;
    }
    if (flow_ == nullptr || flow_->entryFieldPress(*event) == KeyFlow::EntryAction::Edit) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void EntryField::keyReleaseEvent(QKeyEvent* event) {
    if (flow_ != nullptr) {
        flow_->release(*event);
    }
    event->accept();
}

void EntryField::inputMethodEvent(QInputMethodEvent* event) {
    event->accept();  // its text would bypass the calculator
}

void EntryField::contextMenuEvent(QContextMenuEvent* event) {
    // The edit control's own menu, with Cut and Paste going through the
    // calculator (a cut clears it, a paste is checked against the base).
    QMenu menu;
    QAction* undoItem = menu.addAction(tr("&Undo"), this, [this] { undo(); });
    undoItem->setEnabled(isUndoAvailable());
    menu.addSeparator();
    QAction* cutItem = menu.addAction(tr("Cu&t"), this, [this] {
        if (flow_ != nullptr) {
            flow_->entryFieldCut();
        }
    });
    QAction* copyItem = menu.addAction(tr("&Copy"), this, [this] { copy(); });
    QAction* pasteItem = menu.addAction(tr("&Paste"), this, [this] {
        if (flow_ != nullptr) {
            flow_->entryFieldPaste();
        }
    });
    QAction* deleteItem = menu.addAction(tr("&Delete"), this, [this] { del(); });
    menu.addSeparator();
    QAction* selectAllItem = menu.addAction(tr("Select &All"), this, [this] { selectAll(); });
    cutItem->setEnabled(hasSelectedText());
    copyItem->setEnabled(hasSelectedText());
    deleteItem->setEnabled(hasSelectedText());
    pasteItem->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    selectAllItem->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

void EntryField::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button would paste the X selection unchecked.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EntryField::focusOutEvent(QFocusEvent* event) {
    // The selection stays when the focus goes, as an edit control's does, so
    // that Cut and Copy still find it after a click on a switch.
    const int start = selectionStart();
    const int length = selectionLength();
    const bool caretAtStart = cursorPosition() == start;
    QLineEdit::focusOutEvent(event);
    if (start < 0 || length <= 0 || hasSelectedText()) {
        return;
    }
    if (caretAtStart) {
        setSelection(start + length, -length);
    } else {
        setSelection(start, length);
    }
}

}  // namespace korvo::app
