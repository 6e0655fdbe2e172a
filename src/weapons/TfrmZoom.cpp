#include "weapons/TfrmZoom.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

TfrmZoom::TfrmZoom(const std::function<QImage(const QSize&)>& pictureFitting, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    setWindowState(Qt::WindowMaximized);

    const QSize area = pictureArea();
    auto* outer = new QVBoxLayout(this);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panFoto"));
    panel->setFixedSize(area);
    imgFoto_ = new QLabel(panel);
    imgFoto_->setObjectName(QStringLiteral("imgFoto"));
    imgFoto_->setAlignment(Qt::AlignCenter);
    imgFoto_->setFixedSize(area);
    const QImage picture = pictureFitting(area);
    if (!picture.isNull()) {
        imgFoto_->setPixmap(QPixmap::fromImage(
            picture.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    outer->addWidget(panel, 0, Qt::AlignCenter);
    for (QWidget* w : {static_cast<QWidget*>(panel), static_cast<QWidget*>(imgFoto_)}) {
        w->installEventFilter(this);
    }
}

QSize TfrmZoom::pictureArea() const {
    const QScreen* shown = screen();
    const QSize size = shown ? shown->size() : QSize(1024, 768);
    return QSize(qMax(1, size.width() - 60), qMax(1, size.height() - 90));
}

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmZoom::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    accept();
}

void TfrmZoom::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0x46, 0x82, 0xB4));
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(rect(), gradient);
}
