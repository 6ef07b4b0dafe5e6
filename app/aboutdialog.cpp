#include "app/aboutdialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

namespace korvo::app {

namespace {

constexpr const char* kAboutText =
    "This calculator program was written entirely in assembler that takes advantage of the new "
    "Windows 98 user interface.";
constexpr const char* kContactText = "Bugs and ideas:\nkorvocalc.github.io";
constexpr const char* kMottoText =
    "Write your next Windows program in ASSEMBLER. \nIf I can do it anyone can.";

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

}  // namespace

QRect dialogUnitsToPixels(const QRect& units, int charWidth, int charHeight) {
    return QRect(units.x() * charWidth / 4, units.y() * charHeight / 8,
                 units.width() * charWidth / 4, units.height() * charHeight / 8);
}

AboutDialog::AboutDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("About Calculator"));
    // Where the dialog font itself is missing, its metric twin of Arial.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);

    // Dialog units follow the dialog font's average character.
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const Layout at{(metrics.horizontalAdvance(alphabet) / 26 + 1) / 2, metrics.height()};

    label(this, kAboutText, at(32, 5, 134, 36), false);
    auto* contact = new QTextEdit(this);
    contact->setPlainText(QString::fromLatin1(kContactText));
    QTextCursor all(contact->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    contact->setGeometry(at(46, 31, 107, 20));
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
