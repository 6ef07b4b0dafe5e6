#include "app/messagebox.h"

#include <QEventLoop>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>

namespace korvo::app {

namespace {

constexpr std::uint32_t kIconMask = 0x00F0;
constexpr std::uint32_t kIconHand = 0x0010;
constexpr std::uint32_t kIconQuestion = 0x0020;
constexpr std::uint32_t kIconExclamation = 0x0030;
constexpr std::uint32_t kIconAsterisk = 0x0040;
constexpr std::uint32_t kTaskModal = 0x2000;

QMessageBox::Icon iconOf(std::uint32_t flags) {
    switch (flags & kIconMask) {
        case kIconHand:
            return QMessageBox::Critical;
        case kIconQuestion:
            return QMessageBox::Question;
        case kIconExclamation:
            return QMessageBox::Warning;
        case kIconAsterisk:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

void showMessageBox(std::string_view text, std::string_view caption, std::uint32_t flags) {
    QString body = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(iconOf(flags),
                    QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())),
                    body, QMessageBox::Ok);
    // The main window stays above every other window; a box without an
    // owner would open hidden behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // The text's own line breaks are the only ones: the box otherwise wraps
    // the Info text's long lines once they pass half the screen's width.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        const QFontMetrics metrics(label->font());
        int widest = 0;
        for (const QString& line : body.split(QLatin1Char('\n'))) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        label->setMinimumWidth(widest + 1);
    }
    if ((flags & kTaskModal) != 0) {
        box.exec();
        return;
    }
    box.setWindowModality(Qt::NonModal);
    QEventLoop loop;
    QObject::connect(&box, &QMessageBox::finished, &loop, &QEventLoop::quit);
    box.show();
    loop.exec();
}

}  // namespace korvo::app
