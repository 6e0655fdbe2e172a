#pragma once

#include <QDialog>

#include "shell/HelpTopics.h"

class QLabel;
class QPlainTextEdit;

// The guide window " Guida all'utilizzo del software": one help topic, its
// title and its text, and the link to "Guida.pdf" beside the program.
class TfrmGuida : public QDialog {
    Q_OBJECT

public:
    explicit TfrmGuida(QWidget* owner = nullptr);

    void setTopic(const HelpTopic& topic);

    // The PDF guide delivered beside the program.
    static QString pdfPath();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* lblTitolo_;
    QPlainTextEdit* txtGuida_;
};

// What every "Guida" button does: a fresh guide window owned by `owner`,
// showing the topic modally, destroyed when it is closed.
void showHelpTopic(QWidget* owner, const HelpTopic& topic);
