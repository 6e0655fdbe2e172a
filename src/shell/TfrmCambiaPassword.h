#pragma once

#include <QWidget>
#include <initializer_list>

class QGridLayout;
class QLineEdit;
class QPushButton;

// The change window " Cambia password": the old password, the new one and
// its confirmation. Whichever way it closes, the password window comes back.
class TfrmCambiaPassword : public QWidget {
    Q_OBJECT

public:
    explicit TfrmCambiaPassword(QWidget* parent = nullptr);

    // The OK button.
    void ok();

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* addPasswordEdit(QGridLayout* grid, int row, const QString& label,
                               const QString& name, const QString& highlight);
    void updateOk();
    void refuse(const QString& message, QLineEdit* focus, std::initializer_list<QLineEdit*> clear);

    QLineEdit* txtPasswordOld_;
    QLineEdit* txtPasswordNew_;
    QLineEdit* txtConferma_;
    QPushButton* cmdOK_;
};
