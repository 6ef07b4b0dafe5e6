#include "app/aboutdialog.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace korvo::app {

namespace {

constexpr const char* kAboutText =
    "This calculator program was written entirely in assembler that takes advantage of the new "
    "Windows 98 user interface.";
constexpr const char* kContactText = "Bugs and ideas:\nkorvocalc.github.io";
constexpr const char* kMottoText =
    "Write your next Windows program in ASSEMBLER. \nIf I can do it anyone can.";

// Pixels of 4 horizontal and 8 vertical dialog units.
constexpr int kDialogBaseWidth = 6;
constexpr int kDialogBaseHeight = 13;

struct Layout {
    int charWidth;
    int charHeight;
    [[nodiscard]] QRect operator()(int x, int y, int width, int height) const {
        return dialogUnitsToPixels(QRect(x, y, width, height), charWidth, charHeight);
    }
};

QLabel* label(QWidget* parent, const char* text, QRect where, bool sunken) {
    auto* item = new QLabel(QString::fromLatin1(text), parent);
    item->setGeometry(where);
    item->setWordWrap(true);
    item->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (sunken) {
        item->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    return item;
}

// 8-point MS Sans Serif, 11 pixels on a 96-dpi screen. Where it is missing,
// Liberation Sans (Arial's metrics) at 10 pixels: it is wider than MS Sans
// Serif, and at 11 pixels the first text would wrap to four lines, the last
// one hidden under the contact box; at 10 it wraps to three, as intended.
QFont dialogFont() {
    QFont own(QStringLiteral("MS Sans Serif"));
    own.setPixelSize(11);
    if (QFontInfo(own).family() == own.family()) {
        return own;
    }
    QFont twin(QStringLiteral("Liberation Sans"));
    twin.setStyleHint(QFont::SansSerif);
    twin.setPixelSize(10);
    return twin;
}

}  // namespace

QRect dialogUnitsToPixels(const QRect& units, int charWidth, int charHeight) {
    return QRect(units.x() * charWidth / 4, units.y() * charHeight / 8,
                 units.width() * charWidth / 4, units.height() * charHeight / 8);
}

AboutDialog::AboutDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("About Calculator"));
    const QFont font = dialogFont();
    setFont(font);

    // Dialog units are those of the dialog's own font, 8-point MS Sans Serif
    // on a 96-dpi screen, whatever font stands in for it: measured on a
    // substitute they would squash the box and clip its text.
    const Layout at{kDialogBaseWidth, kDialogBaseHeight};

    label(this, kAboutText, at(32, 5, 134, 36), false);
    auto* contact = new QTextEdit(this);
    contact->setPlainText(QString::fromLatin1(kContactText));
    QTextCursor all(contact->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    contact->setGeometry(at(46, 31, 107, 20));
    // An edit control has next to no inner margin; Qt's default one would
    // push the second line out of the box.
    contact->document()->setDocumentMargin(0);
    contact->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contact->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contact->setFocusPolicy(Qt::ClickFocus);
    contact->setAccessibleName(QStringLiteral("Contact"));
    label(this, " ", at(46, 56, 107, 30), true);
    label(this, kMottoText, at(47, 57, 105, 28), true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(at(73, 92, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(at(0, 0, 194, 112).size());
    if (owner != nullptr) {
        // Dialog coordinates count from the top left of the owner's client
        // area (the caller passes that area).
        move(owner->mapToGlobal(QPoint(0, 0)) + at(50, 136, 0, 0).topLeft());
    }
}

}  // namespace korvo::app
