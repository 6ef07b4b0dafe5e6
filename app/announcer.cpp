#include "app/announcer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

#include "app/accessiblenames.h"
#include "app/entryfield.h"

namespace korvo::app {

namespace {

void (*announcementSink)(QAccessibleEvent*) = nullptr;

void send(QAccessibleEvent* event) {
    if (announcementSink != nullptr) {
        announcementSink(event);
    } else {
        QAccessible::updateAccessibility(event);
    }
}

QString operatorWords(const QString& mark) {
    if (mark == QStringLiteral("+")) {
        return QStringLiteral("plus");
    }
    if (mark == QStringLiteral("-")) {
        return QStringLiteral("minus");
    }
    if (mark == QStringLiteral("x")) {
        return QStringLiteral("times");
    }
    if (mark == QStringLiteral("/")) {
        return QStringLiteral("divided by");
    }
    return {};  // "=": the result that follows says it
}

}  // namespace

void setAnnouncementSink(void (*sink)(QAccessibleEvent* event)) {
    announcementSink = sink;
}

Announcer::Announcer(const WindowControls& c, QWidget* mainWindowFocus)
    : c_(c), mainWindowFocus_(mainWindowFocus), notice_(new QWidget(mainWindowFocus)) {
    // A pixel that draws nothing and takes no clicks, under the frame.
    notice_->setGeometry(0, 0, 1, 1);
    notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice_->setFocusPolicy(Qt::NoFocus);
    setAccessibleRole(notice_, QAccessible::Notification);

    QObject::connect(c_.entry, &QLineEdit::textChanged, &context_, [this](const QString& text) {
        note(Number, text.isEmpty() ? QStringLiteral("empty") : text);
    });
    QObject::connect(c_.operatorIndicator, &QLineEdit::textChanged, &context_,
                     [this](const QString& mark) { note(Operator, operatorWords(mark)); });
    QObject::connect(c_.memoryIndicator, &QLineEdit::textChanged, &context_,
                     [this](const QString& mark) {
                         note(Memory, mark.isEmpty() ? QStringLiteral("memory cleared")
                                                     : QStringLiteral("memory stored"));
                     });
    const auto choice = [this](QAbstractButton* button, const char* words) {
        QObject::connect(button, &QAbstractButton::toggled, &context_, [this, words](bool on) {
            if (on) {
                note(Switch, QString::fromLatin1(words));
            }
        });
    };
    choice(c_.decimal, "decimal");
    choice(c_.hexadecimal, "hexadecimal");
    choice(c_.octal, "octal");
    choice(c_.binary, "binary");
    choice(c_.degrees, "degrees");
    choice(c_.radians, "radians");
    const auto onOff = [this](QAbstractButton* button, const char* name) {
        QObject::connect(button, &QAbstractButton::toggled, &context_, [this, name](bool on) {
            note(Switch,
                 QString::fromLatin1(name) + (on ? QStringLiteral(" on") : QStringLiteral(" off")));
        });
    };
    onOff(c_.floatingPoint, "floating point");
    onOff(c_.arc, "arc");
}

void Announcer::note(Slot slot, const QString& words) {
    QString& pending = pending_.at(slot);
    if (slot == Switch && !pending.isEmpty() && !words.isEmpty()) {
        pending += QStringLiteral(", ") + words;
    } else {
        pending = words;
    }
    // One command can change several things, the entry more than once (a
    // paste, a result): all is said once, as it ends.
    if (!scheduled_) {
        scheduled_ = true;
        QTimer::singleShot(0, &context_, [this] { announce(); });
    }
}

void Announcer::announce() {
    scheduled_ = false;
    // An entry emptied by an operator or a memory key goes without saying.
    const bool othersSaid = std::any_of(pending_.begin(), pending_.begin() + Number,
                                        [](const QString& words) { return !words.isEmpty(); });
    if (othersSaid && c_.entry->text().isEmpty()) {
        pending_.at(Number).clear();
    }
    QStringList said;
    for (QString& words : pending_) {
        if (!words.isEmpty()) {
            said << words;
        }
        words.clear();
    }
    const QString entry = c_.entry->text();
    mainWindowFocus_->setAccessibleName(entry.isEmpty() ? QStringLiteral("Empty entry") : entry);
    if (said.isEmpty()) {
        return;
    }
    const QString text = said.join(QStringLiteral(", "));
    QAccessibleValueChangeEvent changed(c_.entry, entry);
    send(&changed);
    notice_->setAccessibleName(text);
    notice_->hide();
    notice_->show();
    QAccessibleEvent shown(notice_, QAccessible::ObjectShow);
    if (announcementSink != nullptr) {
        send(&shown);
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent spoken(c_.entry, text);
    send(&spoken);
#endif
}

}  // namespace korvo::app
