#include "base/GuiShell.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QGraphicsColorizeEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QToolButton>
#include <QWidget>

namespace {

class LinkPress final : public QObject {
public:
    LinkPress(QLabel* text, QLabel* picture, std::function<void()> open)
        : QObject(text), text_(text), picture_(picture), open_(std::move(open)) {
        for (QLabel* label : {text_, picture_}) {
            if (!label) continue;
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(this);
        }
        if (picture_) {
            effect_ = new QGraphicsColorizeEffect(picture_);
            effect_->setColor(kPressedLinkColour);
            effect_->setStrength(1.0);
            effect_->setEnabled(false);
            picture_->setGraphicsEffect(effect_);
        }
        setPressed(false);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress &&
            event->type() != QEvent::MouseButtonRelease) {
            return false;
        }
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        if (event->type() == QEvent::MouseButtonPress) {
            setPressed(true);
        } else {
            setPressed(false);
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->rect().contains(mouse->position().toPoint())) open_();
        }
        return true;
    }

private:
    void setPressed(bool pressed) {
        QPalette palette = text_->palette();
        palette.setColor(QPalette::WindowText, pressed ? kPressedLinkColour : kLinkColour);
        text_->setPalette(palette);
        if (effect_) effect_->setEnabled(pressed);
    }

    QLabel* text_;
    QLabel* picture_;
    QGraphicsColorizeEffect* effect_ = nullptr;
    std::function<void()> open_;
};

class FocusHighlight final : public QObject {
public:
    FocusHighlight(QWidget* field, QFrame* frame) : QObject(field), edit_(field), frame_(frame) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // The frame is the field's sibling, lowered to the front of their
        // parent's children, so a window being destroyed deletes it before a
        // field that still has the focus loses it.
        if (!frame_) return false;
        if (event->type() == QEvent::FocusIn) {
            // A field laid out in a group after its frame was made has
            // moved there: the frame follows it.
            if (frame_->parentWidget() != edit_->parentWidget()) {
                frame_->setParent(edit_->parentWidget());
            }
            frame_->setGeometry(edit_->geometry().adjusted(-4, -4, 4, 4));
            frame_->show();
            frame_->lower();
        } else if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide) {
            frame_->hide();
        }
        return false;
    }

private:
    QWidget* edit_;
    QPointer<QFrame> frame_;
};

// Enter presses the button that has the focus; the focused button is
// framed.
class KeyboardButton final : public QObject {
public:
    explicit KeyboardButton(QAbstractButton* button) : QObject(button), button_(button) {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) return pressByEnter(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::Paint && button_->hasFocus()) {
            // The button paints itself, then the mark goes over it.
            static_cast<QObject*>(button_)->event(event);
            QPainter painter(button_);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(kFocusMarkColour, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(QRectF(button_->rect()).adjusted(1, 1, -1, -1), 3, 3);
            return true;
        }
        return false;
    }

private:
    bool pressByEnter(const QKeyEvent* key) {
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        // A dialog's push buttons already answer Enter (their default rule).
        if (auto* push = qobject_cast<QPushButton*>(button_);
            push && (push->autoDefault() || push->isDefault())) {
            return false;
        }
        if (!key->isAutoRepeat() && button_->isEnabled()) button_->click();
        return true;
    }

    QAbstractButton* button_;
};

// The icons read so far, by name; emptied with the application object, as
// the icon engines go with it.
QHash<QString, QIcon>& readIcons() {
    static QHash<QString, QIcon> icons;
    static const bool emptiedAtExit = [] {
        qAddPostRoutine([] { readIcons().clear(); });
        return true;
    }();
    Q_UNUSED(emptiedAtExit)
    return icons;
}

// An icon drawn `size` pixels square when the program was built
// (assets/icons/IconPictures.cpp): its pixels as they lie in memory, so
// nothing is drawn or decoded; null when the build drew no such picture.
QPixmap drawnPicture(const QString& icon, int size) {
    const QResource resource(QStringLiteral(":/pictures/%1-%2.argb").arg(icon).arg(size));
    const QByteArray pixels = resource.uncompressedData();
    if (pixels.size() != qsizetype(size) * size * 4) return {};
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                                     size * 4, QImage::Format_ARGB32_Premultiplied));
}

}  // namespace

QIcon programIcon(const char* icon) {
    QHash<QString, QIcon>& icons = readIcons();
    const QString name = QLatin1String(icon);
    auto found = icons.constFind(name);
    if (found == icons.constEnd()) {
        found = icons.insert(name, QIcon(QStringLiteral(":/icons/%1.svg").arg(name)));
    }
    return *found;
}

QPixmap programPicture(const char* icon, int size) {
    // Kept in Qt's pixmap cache, which goes with the application object.
    const QString key = QStringLiteral("selvadoro:%1:%2").arg(QLatin1String(icon)).arg(size);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture)) return picture;
    // The pictures of the first window were drawn, the same way, when the
    // program was built; they serve where a picture's pixel is a screen's.
    if (qApp->devicePixelRatio() == 1.0) picture = drawnPicture(QLatin1String(icon), size);
    if (picture.isNull()) picture = programIcon(icon).pixmap(QSize(size, size));
    QPixmapCache::insert(key, picture);
    return picture;
}

QIcon programWindowIcon() {
    QHash<QString, QIcon>& icons = readIcons();
    const QString key = QStringLiteral("#window");
    if (const auto found = icons.constFind(key); found != icons.constEnd()) return *found;
    QIcon icon;
    // An X11 window carries its icon drawn 16, 32, 64 and 128 pixels
    // square: the pictures drawn when the program was built.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        for (const int size : {16, 32, 64, 128}) {
            const QPixmap picture = drawnPicture(QStringLiteral("selvadoro"), size);
            if (picture.isNull()) break;
            icon.addPixmap(picture);
        }
        if (icon.availableSizes().size() != 4) icon = QIcon();
    }
    if (icon.isNull()) icon = programIcon("selvadoro");
    icons.insert(key, icon);
    return icon;
}

void makeFixedDialog(QWidget* window, QSize size) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setFixedSize(size);
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void centreOver(QWidget* window, const QWidget* over) {
    if (!over || !over->isVisible()) {
        centreOnScreen(window);
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(over->frameGeometry().center());
    window->move(frame.topLeft());
}

void makeLink(QLabel* text, QLabel* picture, std::function<void()> open) {
    QFont font = text->font();
    font.setUnderline(true);
    text->setFont(font);
    new LinkPress(text, picture, std::move(open));
}

QFrame* addFocusHighlight(QWidget* field, const QString& name) {
    auto* frame = new QFrame(field->parentWidget());
    frame->setObjectName(name);
    frame->setStyleSheet(QStringLiteral(
        "QFrame { background: #ffff00; border: 2px solid qlineargradient(x1:0, y1:0, x2:0, "
        "y2:1, stop:0 #ffd800, stop:1 #ffffff); border-radius: 3px; }"));
    frame->hide();
    new FocusHighlight(field, frame);
    return frame;
}

QToolButton* pictureButton(QWidget* parent, const QString& name, const char* icon, int size) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(programIcon(icon));
    button->setIconSize(QSize(size, size));
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    makeKeyboardButton(button);
    return button;
}

void focusField(QWidget* field) {
    field->setFocus(Qt::OtherFocusReason);
    QLineEdit* edit = qobject_cast<QLineEdit*>(field);
    if (auto* combo = qobject_cast<QComboBox*>(field)) edit = combo->lineEdit();
    if (edit) {
        edit->selectAll();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        memo->moveCursor(QTextCursor::End);
    }
}

void makeKeyboardButton(QAbstractButton* button) {
    static constexpr char kMade[] = "selvadoroKeyboardButton";
    if (button->property(kMade).toBool()) return;
    button->setProperty(kMade, true);
    new KeyboardButton(button);
}

void makeKeyboardButtons(QWidget* window) {
    const auto buttons = window->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)) {
            makeKeyboardButton(button);
        }
    }
}

QLabel* statusLine(QWidget* parent, const QString& text) {
    auto* line = new QLabel(text, parent);
    line->setObjectName(QStringLiteral("panInfo"));
    line->setStyleSheet(
        QStringLiteral("QLabel { background: #1f4e8c; color: white; padding: 3px 8px; }"));
    return line;
}

QLabel* iconPicture(QWidget* parent, const QString& name, const char* icon, int size) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(programPicture(icon, size));
    label->setFixedSize(size, size);
    return label;
}

QWidget* titlePicture(QWidget* parent, const char* icon, const QString& heading) {
    auto* picture = new QFrame(parent);
    picture->setObjectName(QStringLiteral("imgLogo"));
    picture->setStyleSheet(QStringLiteral(
        "QFrame#imgLogo { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2d5f96, "
        "stop:1 #8fb8e0); border-radius: 6px; }"));
    auto* row = new QHBoxLayout(picture);
    row->setContentsMargins(12, 8, 12, 8);
    row->addWidget(iconPicture(picture, QString(), icon, 48));
    auto* text = new QLabel(heading, picture);
    text->setStyleSheet(QStringLiteral("color: white; font: bold 15pt; background: transparent;"));
    row->addWidget(text, 1);
    return picture;
}

QLabel* addLinkAndCloseRow(QDialog* dialog, QBoxLayout* layout, const QString& picture,
                           const char* icon, int iconSize, const QString& text,
                           std::function<void()> open) {
    auto* row = new QHBoxLayout;
    QLabel* image = iconPicture(dialog, picture, icon, iconSize);
    auto* link = new QLabel(text, dialog);
    link->setObjectName(QStringLiteral("lnkWeb"));
    makeLink(link, image, std::move(open));
    row->addWidget(image);
    row->addWidget(link);
    row->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Chiudi"), dialog);
    close->setObjectName(QStringLiteral("btnChiudi"));
    row->addWidget(close);
    layout->addLayout(row);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);
    return link;
}

QList<QPushButton*> addButtonRow(QWidget* parent, QBoxLayout* layout,
                                 std::initializer_list<ButtonSpec> buttons, ButtonRow placement) {
    auto* row = new QHBoxLayout;
    if (placement == ButtonRow::Right) row->addStretch(1);
    QList<QPushButton*> made;
    for (const ButtonSpec& desc : buttons) {
        if (placement == ButtonRow::Apart && made.size() == 1) row->addStretch(1);
        auto* button = new QPushButton(desc.text, parent);
        button->setObjectName(QString::fromLatin1(desc.name));
        row->addWidget(button);
        made.append(button);
    }
    layout->addLayout(row);
    return made;
}

OkCancelButtons addOkCancelRow(QDialog* dialog, QBoxLayout* layout, const QString& okName,
                               const QString& okText, ButtonRow placement) {
    const QByteArray name = okName.toLatin1();
    const QList<QPushButton*> row = addButtonRow(
        dialog, layout, {{name.constData(), okText}, {"btnAnnulla", QStringLiteral("Annulla")}},
        placement);
    QObject::connect(row.at(1), &QPushButton::clicked, dialog, &QDialog::reject);
    return {row.at(0), row.at(1)};
}
