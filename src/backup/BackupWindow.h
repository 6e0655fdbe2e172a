#pragma once

#include <QDialog>
#include <QList>

struct ArchiveDefinition;
namespace backup {
struct Outcome;
}
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// The window "Backup e ripristino", opened from the launcher: the settings
// of the automatic backups (folder, with the advice to use a USB stick or
// another disk; how often; how many to keep), a backup taken now, the list
// of the backups with their record counts, what a restore of the chosen one
// would change, and the restore itself. Long work shows its progress with
// "Annulla"; every message goes through the seams.
class BackupWindow : public QDialog {
    Q_OBJECT

public:
    explicit BackupWindow(QList<const ArchiveDefinition*> archives, QWidget* parent = nullptr);

    // Fills the list of backups again from the folder in the settings.
    void refresh();
    // The buttons' actions.
    void saveSettings();
    void backUpNow();
    void restoreChosen();
    void restoreOtherFile();

private:
    void showChanges();
    void restoreFrom(const QString& zipPath);
    // The end of a backup or restore: the list read again, then the outcome
    // in the status line and in a message (`done` before the zip's path).
    void announce(const backup::Outcome& outcome, const QString& cancelled, const QString& done);
    bool storeSettings();

    QList<const ArchiveDefinition*> archives_;
    QLineEdit* folder_;
    QComboBox* frequency_;
    QSpinBox* keep_;
    QTreeWidget* backups_;
    QTreeWidget* changes_;
    QPushButton* restore_;
    QLabel* status_;
};
