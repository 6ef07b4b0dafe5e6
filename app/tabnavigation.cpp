#include "app/tabnavigation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "app/entryfield.h"
#include "app/keyflow.h"
#include "app/keypadrow.h"
#include "app/readoutpanel.h"

namespace korvo::app {

namespace {

// Keys a marked button keeps: modifiers (held for Shift+Tab or for the next
// key) and arrows, which move the mark along the keys or, on a switch, do
// nothing.
bool staysOnButton(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return true;
        default:
            return false;
    }
}

// The mark's stops in reading order. Qt's own Tab order would stop only at
// the checked base, and the arrows that choose another base are off here.
class TabRing : public QObject {
  public:
    TabRing(QObject* parent, KeyFlow& flow) : QObject(parent), flow_(flow) {}

    // A stop; `button` when keys other than Tab and Space go to the main
    // window's key handling while it holds the mark.
    void add(QWidget* stop, bool button) {
        stops_ << stop;
        if (button) {
            buttons_ << stop;
        }
        stop->installEventFilter(this);
    }
    // Where the focus rests between keys: Tab starts the ring from there.
    void watch(QWidget* widget) { widget->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (const auto* focus = dynamic_cast<QFocusEvent*>(event);
            focus != nullptr && focus->gotFocus() && focus->reason() != Qt::OtherFocusReason &&
            focus->reason() != Qt::ActiveWindowFocusReason) {
            // Marked by Tab, an arrow or a click: the calculator's own focus
            // moves (to the entry for a key, back after it) do not count.
            if (const auto at = stops_.indexOf(watched); at >= 0) {
                last_ = at;
            }
        }
        auto* key = event->type() == QEvent::KeyPress ? dynamic_cast<QKeyEvent*>(event) : nullptr;
        if (key == nullptr) {
            return QObject::eventFilter(watched, event);
        }
        const Qt::KeyboardModifiers mods = key->modifiers();
        if ((mods & (Qt::ControlModifier | Qt::AltModifier)) == 0 &&
            (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool back = key->key() == Qt::Key_Backtab || (mods & Qt::ShiftModifier) != 0;
            move(back ? -1 : 1);
            return true;
        }
        const bool space = key->key() == Qt::Key_Space && mods == Qt::NoModifier;
        // A readout line copies its own text.
        const bool copy =
            key->matches(QKeySequence::Copy) && dynamic_cast<ReadOnlyText*>(watched) != nullptr;
        if (!buttons_.contains(watched) || space || copy || staysOnButton(key->key())) {
            return QObject::eventFilter(watched, event);
        }
        flow_.mainWindowPress(*key);
        return true;
    }

  private:
    void move(int step) {
        const auto count = stops_.size();
        auto at = stops_.indexOf(QApplication::focusWidget());
        if (at < 0) {
            // A key or a click has taken the focus to the main window: the
            // mark goes on from where it last stood.
            at = last_;
        }
        auto next = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
        // A readout line with nothing to show is passed over.
        for (qsizetype tries = 1; tries < count && !stops_.at(next)->isVisible(); ++tries) {
            next = (next + step + count) % count;
        }
        last_ = next;
        QWidget* stop = stops_.at(next);
        // The entry takes the mark without selecting its text: a digit typed
        // next goes on with the number instead of replacing it.
        if (qobject_cast<QLineEdit*>(stop) != nullptr) {
            stop->setFocus(Qt::OtherFocusReason);
            return;
        }
        stop->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }

    KeyFlow& flow_;
    QList<QWidget*> stops_;
    QList<QObject*> buttons_;
    qsizetype last_ = -1;
};

}  // namespace

void enableTabNavigation(const WindowControls& c, QWidget* mainWindowFocus, KeyFlow& flow) {
    auto* ring = new TabRing(mainWindowFocus, flow);
    ring->watch(mainWindowFocus);
    const auto button = [ring](QAbstractButton* b, Qt::FocusPolicy policy) {
        b->setFocusPolicy(policy);
        ring->add(b, true);
    };
    // Switches keep taking the focus from a click too; buttons and keys only
    // from the keyboard, so that a click leaves the focus where it was.
    const auto switchPolicy = [](QAbstractButton* b) {
        return b->focusPolicy() == Qt::NoFocus ? Qt::TabFocus : Qt::StrongFocus;
    };
    button(c.floatingPoint, switchPolicy(c.floatingPoint));
    c.entry->setFocusPolicy(Qt::StrongFocus);
    ring->add(c.entry, false);
    button(c.arc, switchPolicy(c.arc));
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{c.backSpace, c.clearEntry, c.clearAll}) {
        button(b, Qt::TabFocus);
    }
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             c.degrees, c.radians, c.decimal, c.hexadecimal, c.octal, c.binary}) {
        button(b, switchPolicy(b));
    }
    for (KeypadRow* row : c.keypad) {
        for (int column = 0; column < kKeysPerRow; ++column) {
            button(row->key(column), Qt::TabFocus);
        }
    }
    // The readout's lines last: the keys stay where the hand expects them.
    for (ReadOnlyText* line : c.readout->lines()) {
        ring->add(line, true);
    }
}

}  // namespace korvo::app
