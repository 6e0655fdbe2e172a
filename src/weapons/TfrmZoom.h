#pragma once

#include <QDialog>
#include <QImage>
#include <functional>

class QLabel;

// A picture shown as large as the screen allows: (screen width - 60) x
// (screen height - 90), keeping its proportions, on a steel-blue gradient.
// A click on the picture or around it closes the window, as does Esc.
class TfrmZoom : public QDialog {
    Q_OBJECT

public:
    // `pictureFitting` gives the picture decoded no larger than a box.
    TfrmZoom(const std::function<QImage(const QSize&)>& pictureFitting, QWidget* parent);

    // The area the picture is fitted into, for this window's screen.
    QSize pictureArea() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* imgFoto_;
};
