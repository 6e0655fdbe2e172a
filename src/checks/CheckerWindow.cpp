#include "checks/CheckerWindow.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Seams.h"
#include "base/TextRules.h"

namespace {

QWidget* banner(const QString& title, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("imgBanner"));
    frame->setFixedHeight(64);
    frame->setStyleSheet(
        QStringLiteral("QFrame#imgBanner { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                       "stop:0 #1f4e8c, stop:1 #6d9fd6); }"
                       "QLabel { color: white; font: bold 15pt; background: transparent; }"));
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(14, 6, 14, 6);
    auto* icon = new QLabel(frame);
    icon->setPixmap(programPicture("controlla", 44));
    auto* text = new QLabel(title, frame);
    row->addWidget(icon);
    row->addWidget(text, 1);
    return frame;
}

}  // namespace

CheckerWindow::CheckerWindow(CheckerDefinition definition, QWidget* parent)
    : QDialog(parent), definition_(std::move(definition)) {
    setObjectName(QString::fromLatin1(definition_.windowName));
    setWindowTitle(definition_.caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 12);
    outer->setSpacing(12);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addWidget(banner(definition_.banner, this));

    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 0, 16, 0);
    body->setSpacing(10);
    auto* lblTitolo = new QLabel(definition_.prompt, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    body->addWidget(lblTitolo);

    auto* line = new QHBoxLayout;
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QString::fromLatin1(definition_.editName));
    edit_->setMaxLength(definition_.maxLength);
    QFont editFont(QStringLiteral("Verdana"), 12);
    editFont.setBold(true);
    edit_->setFont(editFont);
    const QFontMetrics metrics(editFont);
    edit_->setMinimumWidth(
        qMax(300, metrics.horizontalAdvance(u'W') * definition_.maxLength * 3 / 4 + 16));
    edit_->installEventFilter(this);
    btnControlla_ = new QPushButton(QStringLiteral("Controlla"), this);
    btnControlla_->setObjectName(QStringLiteral("btnControlla"));
    line->addWidget(edit_, 1);
    line->addWidget(btnControlla_);
    body->addLayout(line);

    auto* bottom = new QHBoxLayout;
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    bottom->addStretch(1);
    bottom->addWidget(btnChiudi);
    body->addLayout(bottom);
    outer->addLayout(body);

    connect(edit_, &QLineEdit::textChanged, this, &CheckerWindow::normalise);
    connect(btnControlla_, &QPushButton::clicked, this, &CheckerWindow::check);
    connect(btnChiudi, &QPushButton::clicked, this, &CheckerWindow::reject);
}

void CheckerWindow::setValue(const QString& text) {
    edit_->setMaxLength(qMax(definition_.maxLength, static_cast<int>(text.size())));
    edit_->setText(text);
}

QString CheckerWindow::value() const {
    return edit_->text();
}

void CheckerWindow::normalise() {
    const QString before = edit_->text();
    if (definition_.upperTrimmed) {
        const QString after = text::trimBlanks(before).toUpper();
        if (after != before) {
            // Keep the cursor where the user was typing, less the blanks
            // removed before it.
            qsizetype leading = 0;
            while (leading < before.size() && before.at(leading).unicode() <= 0x20) ++leading;
            const int cursor = edit_->cursorPosition() - static_cast<int>(leading);
            edit_->setText(after);  // comes back here once, with nothing to change
            edit_->setCursorPosition(qBound(0, cursor, static_cast<int>(after.size())));
            return;
        }
    }
    // A longer text handed over by a card has been shortened to the limit:
    // from now on the limit holds for typing again.
    if (edit_->maxLength() > definition_.maxLength && before.size() <= definition_.maxLength) {
        edit_->setMaxLength(definition_.maxLength);
    }
}

void CheckerWindow::check() {
    const checks::Verdict verdict = definition_.check(edit_->text());
    switch (verdict.outcome) {
        case checks::Verdict::Outcome::Unchecked:
            seams::messages().warning(verdict.message);
            focusField(edit_);
            return;
        case checks::Verdict::Outcome::Valid:
            seams::messages().informationOkCancel(verdict.message);
            break;
        case checks::Verdict::Outcome::Wrong:
            seams::messages().warning(verdict.message);
            break;
    }
    accept();
}

bool CheckerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ || event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        btnControlla_->setFocus();
        return true;
    }
    if (!definition_.digitsOnly) return false;
    // Shortcuts (copy, paste, select all) and keys without a printable
    // character (arrows, Backspace, Delete, Home) work as usual; AltGr,
    // which some keyboards send as Ctrl+Alt, types characters and is
    // filtered like any other key.
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier)) return false;
    const QString typed = key->text();
    if (typed.isEmpty() || !typed.front().isPrint()) return false;
    return !(typed.size() == 1 && typed.front() >= u'0' && typed.front() <= u'9');
}

void CheckerWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    adjustSize();
    if (const QScreen* screen =
            this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    edit_->setFocus();
}
