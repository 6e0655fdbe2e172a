#pragma once

#include <QDialog>
#include <QList>
#include <optional>

#include "mailing/MergeLetters.h"

class QCheckBox;

// Asks which of the members bearing a recipient's name get the letter:
// each shown with its record number, date of birth, town and codice
// fiscale, all ticked at first. Conferma hands back the ticked records.
class TfrmOmonimi : public QDialog {
    Q_OBJECT

public:
    TfrmOmonimi(const MailingFields& fields, const QList<mailing::Namesakes>& namesakes,
                QWidget* parent = nullptr);

    // The records ticked.
    QList<qsizetype> chosen() const;

    // Shows the window; the records ticked, or nothing when it is closed
    // with Annulla.
    static std::optional<QList<qsizetype>> choose(const MailingFields& fields,
                                                  const QList<mailing::Namesakes>& namesakes,
                                                  QWidget* parent = nullptr);

private:
    QList<std::pair<qsizetype, QCheckBox*>> boxes_;
};
