#include "lists/RecordListWidget.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Seams.h"
#include "report/ListReport.h"
#include "report/Report.h"

void RecordListModel::setLines(ListLines lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int RecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return lines_.text(index.row());
}

RecordListWidget::RecordListWidget(QWidget* parent)
    : QWidget(parent), model_(new RecordListModel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* findRow = new QHBoxLayout;
    txtTrova_ = new QLineEdit(this);
    txtTrova_->setObjectName(QStringLiteral("txtTrova"));
    btnTrova_ = new QPushButton(QStringLiteral("Trova"), this);
    btnTrova_->setObjectName(QStringLiteral("btnTrova"));
    findRow->addWidget(new QLabel(QStringLiteral("Cerca nell'elenco:"), this));
    findRow->addWidget(txtTrova_, 1);
    findRow->addWidget(btnTrova_);
    layout->addLayout(findRow);

    lstRecords_ = new QListView(this);
    lstRecords_->setObjectName(QStringLiteral("lstRecords"));
    lstRecords_->setModel(model_);
    lstRecords_->setUniformItemSizes(true);
    lstRecords_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecords_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords_->setStyleSheet(QStringLiteral("QListView { color: black; background: white; }"));
    QFont fixed(QStringLiteral("Courier New"), 12);
    fixed.setStyleHint(QFont::TypeWriter);
    lstRecords_->setFont(fixed);
    lstRecords_->viewport()->installEventFilter(this);
    layout->addWidget(lstRecords_, 1);

    hint_ = new QLabel(
        QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"), this);
    layout->addWidget(hint_);

    auto* buttons = new QHBoxLayout;
    buttons_ = buttons;
    btnStampa_ = new QPushButton(QStringLiteral("Stampa"), this);
    btnStampa_->setObjectName(QStringLiteral("btnStampa"));
    btnChiudi_ = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi_->setObjectName(QStringLiteral("btnChiudi"));
    buttons->addStretch(1);
    buttons->addWidget(btnStampa_);
    buttons->addWidget(btnChiudi_);
    layout->addLayout(buttons);

    txtTrova_->installEventFilter(this);
    connect(btnTrova_, &QPushButton::clicked, this, &RecordListWidget::findNext);
    connect(btnStampa_, &QPushButton::clicked, this, &RecordListWidget::print);
}

void RecordListWidget::addButton(QPushButton* button) {
    buttons_->insertWidget(buttons_->indexOf(btnStampa_), button);
}

void RecordListWidget::setRedHint() {
    hint_->setStyleSheet(QStringLiteral("color: red;"));
}

void RecordListWidget::setLines(ListLines lines) {
    model_->setLines(std::move(lines));
}

void RecordListWidget::clear() {
    model_->setLines({});
}

qsizetype RecordListWidget::selectedIndex() const {
    const QModelIndexList selected = lstRecords_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void RecordListWidget::select(qsizetype index) {
    const QModelIndex item = model_->index(static_cast<int>(index));
    lstRecords_->selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
    lstRecords_->scrollTo(item);
}

void RecordListWidget::resetFind() {
    findMemory_.clear();
    txtTrova_->clear();
}

void RecordListWidget::findNext() {
    if (lines().isEmpty()) {
        seams::messages().plain(
            QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    select(findInList(lines(), selectedIndex(), txtTrova_->text(), findMemory_, folding_));
}

void RecordListWidget::print() const {
    QStringList texts;
    texts.reserve(lines().size());
    for (qsizetype i = 0; i < lines().size(); ++i) texts.append(lines().text(i));
    ProgressScope progress(QStringLiteral("Preparazione della stampa in corso..."));
    const report::PreparedReport prepared = report::prepare(
        report::listReport(printTitle_, texts), seams::clock().today(), progress.callback());
    progress.end();
    if (progress.cancelled()) return;  // nothing is printed
    seams::printing().print(prepared);
}

bool RecordListWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtTrova_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnTrova_->setFocus();
            return true;
        }
    }
    if (watched == lstRecords_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // Let the view select what is under the mouse first.
        QMetaObject::invokeMethod(this, &RecordListWidget::lineChosen, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}
