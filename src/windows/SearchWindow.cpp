#include "windows/SearchWindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Seams.h"
#include "lists/RecordListWidget.h"
#include "mailing/GuiMailing.h"
#include "records/ArchiveMessages.h"
#include "records/RecordFile.h"
#include "windows/GuiListActions.h"

SearchWindow::SearchWindow(const SearchDefinition& definition, QWidget* parent,
                           const QString& archive)
    : QDialog(parent),
      definition_(definition),
      archive_(archive.isEmpty() ? archivePath(*definition.layout) : archive) {
    const ListStyle& style = definition.style;
    frameListWindow(this, definition.windowName, definition.caption,
                    style.windowSize.isEmpty() ? QSize(1000, 600) : style.windowSize,
                    [this] { shown(); });

    auto* stack = new QStackedLayout(this);

    panAvvio_ = new QFrame(this);
    panAvvio_->setObjectName(QStringLiteral("panAvvio"));
    auto* start = new QVBoxLayout(panAvvio_);
    auto* explanation = new QLabel(
        style.criteriaInstruction.isEmpty()
            ? QStringLiteral("Compilare uno o più campi con il testo da cercare, anche parziale, e "
                             "premere Cerca. Lasciando vuoti tutti i campi si ottiene l'elenco "
                             "completo delle schede in archivio.")
            : style.criteriaInstruction,
        panAvvio_);
    explanation->setWordWrap(true);
    start->addWidget(explanation);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    const qsizetype rows = (definition.criteria.size() + 1) / 2;
    for (qsizetype i = 0; i < definition.criteria.size(); ++i) {
        const SearchCriterionSpec& field = definition.criteria.at(i);
        auto* edit = new QLineEdit(panAvvio_);
        edit->setObjectName(QString::fromLatin1(field.control));
        addFocusHighlight(edit, field.highlightName());
        edit->installEventFilter(this);
        criteria_.append(edit);
        const int row = static_cast<int>(i % rows);
        const int column = static_cast<int>(i / rows) * 2;
        grid->addWidget(new QLabel(QString::fromUtf8(field.caption), panAvvio_), row, column);
        grid->addWidget(edit, row, column + 1);
    }
    start->addLayout(grid);
    start->addStretch(1);

    lblAttendere_ = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panAvvio_);
    lblAttendere_->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere_->hide();
    auto* buttons = new QHBoxLayout;
    auto* btnCerca = new QPushButton(QStringLiteral("Cerca"), panAvvio_);
    btnCerca->setObjectName(QStringLiteral("btnCerca"));
    auto* btnAnnulla = new QPushButton(QStringLiteral("Chiudi"), panAvvio_);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    buttons->addWidget(lblAttendere_);
    buttons->addStretch(1);
    buttons->addWidget(btnCerca);
    buttons->addWidget(btnAnnulla);
    start->addLayout(buttons);
    stack->addWidget(panAvvio_);

    panContainer_ = new QFrame(this);
    panContainer_->setObjectName(QStringLiteral("panContainer"));
    auto* results = new QVBoxLayout(panContainer_);
    if (!style.findInstruction.isEmpty()) {
        auto* icoIstruzioni = new QLabel(style.findInstruction, panContainer_);
        icoIstruzioni->setObjectName(QStringLiteral("icoIstruzioni"));
        icoIstruzioni->setWordWrap(true);
        results->addWidget(icoIstruzioni);
    }
    list_ = addRecordList(this, panContainer_, results, definition.printTitle,
                          [this] { openChosen(); });
    list_->setFolding(style.folding);
    if (style.redHint) list_->setRedHint();
    mailing::addListButtons(this, list_, *definition.layout, archive_);
    lblTrovate_ = new QLabel(panContainer_);
    lblTrovate_->setObjectName(QStringLiteral("lblTrovate"));
    results->addWidget(lblTrovate_);
    stack->addWidget(panContainer_);
    stack->setCurrentWidget(panAvvio_);

    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere_->show();
        lblAttendere_->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &SearchWindow::search);
    connect(btnAnnulla, &QPushButton::clicked, this, &SearchWindow::reject);
}

void SearchWindow::usePicker(const PickerMode& mode) {
    lblMemory = QString::fromLatin1(mode.tag);
    picker_ = mode;
}

void SearchWindow::shown() {
    list_->resetFind();
    if (!criteria_.isEmpty() && panAvvio_->isVisible()) criteria_.front()->setFocus();
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter moves along the criteria, the last one back to the first.
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress && edit && criteria_.contains(edit)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            criteria_.at((criteria_.indexOf(edit) + 1) % criteria_.size())->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SearchWindow::search() {
    QStringList texts;
    for (const QLineEdit* edit : criteria_) texts.append(edit->text());
    list_->clear();
    ProgressScope progress(QStringLiteral("Ricerca delle schede in corso..."));
    ListResult result = definition_.run(archive_, texts, progress.callback());
    progress.end();
    if (result.cancelled) {
        // The user stopped it: the window stays on its criteria, as before.
        lblAttendere_->hide();
        return;
    }
    lblConta = QString::number(criteriaInUse(definition_.criteriaWith(texts)));
    if (!result.ok) {
        seams::messages().plain(archivemsg::accessError());
        return;
    }
    lblTrovate_->setText(definition_.countLine(result.lines.size()));
    list_->setLines(std::move(result.lines));
    static_cast<QStackedLayout*>(layout())->setCurrentWidget(panContainer_);
    list_->resetFind();
    list_->findBox()->setFocus();
}

void SearchWindow::openChosen() {
    const PickerMode* mode = picker_ ? &*picker_ : definition_.picker(lblMemory);
    applyChosenLine(*list_, *definition_.layout, archive_, definition_.itemText, mode);
    accept();
}

void SearchWindow::done(int result) {
    list_->clear();
    lblAttendere_->hide();
    QDialog::done(result);
}
