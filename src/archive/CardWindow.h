#pragma once

#include <QHash>
#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <type_traits>

#include "archive/ArchiveMessages.h"
#include "archive/CardFields.h"
#include "archive/ListDefinitions.h"
#include "archive/RecordLayout.h"
#include "archive/RtfDocument.h"
#include "archive/SaveCheck.h"

class QBoxLayout;
class QFrame;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;

// A card whose fields paint their own fills instead of showing a highlight
// behind them: one colour at rest, one while the field has the focus, and
// a border of a third.
struct FieldFills {
    const char* rest;
    const char* focus;
    const char* border;
};

// The hidden labels that hold a card's three attachments, slot by slot.
struct AttachmentSlot {
    const char* fileLabel;
    const char* descriptionLabel;
};
inline constexpr std::array<AttachmentSlot, 3> kAttachmentSlots{{
    {"lblFile01", "lblDesc01"},
    {"lblFile02", "lblDesc02"},
    {"lblFile03", "lblDesc03"},
}};

// What makes one archive's card window: its record layout, its fields and
// the texts and checks that differ between archives.
struct CardDefinition {
    const char* windowName;
    // The card's window tag ("anagrafica"): the word with which it opens
    // its search and attachments windows, which find it again by it.
    const char* tag = nullptr;
    QString caption;
    const RecordLayout* layout;
    std::span<const CardField> fields;
    // The status line until the mouse first moves, and the hints of the
    // common buttons; most cards keep these.
    QString readyText = QStringLiteral("Pronto per archiviare una nuova scheda...");
    QString newHint = QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda.");
    QString saveHint = QStringLiteral("Salva la scheda corrente in archivio.");
    QString duplicateHint = QStringLiteral(
        "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.");
    bool plainAccessErrorOnSave = false;
    // The message after a new record is appended.
    QString insertedMessage = archivemsg::recordInserted();
    // Save first moves the focus to the focus sink, so that the field being
    // edited is left (an amount formatted); false: the field keeps the
    // focus, and its leave rule (`onLeave`) is applied to the text all the
    // same, so that the file and the card hold the same text.
    bool leaveFieldOnSave = true;
    // The record file is the one the hidden label `lblFile` names (set with
    // setRecordFile), not the archive's own file.
    bool fileInLabel = false;
    // The toolbar: a row across the top, or a column of captioned buttons
    // at the card's left with the navigation row under it.
    enum class Toolbar { Top, Column };
    Toolbar toolbar = Toolbar::Top;
    // Sets fields derived from others (a date from its parts) on the card's
    // texts before they are checked and stored; the card shows the result.
    std::function<void(FieldValues&)> derive = nullptr;
    // Set: the fields paint these fills and no highlight is shown.
    std::optional<FieldFills> fills = std::nullopt;
    std::function<std::optional<SaveCheck>(const FieldValues&)> check;
};

// The card window shared by the archives: a toolbar, the card panel with
// the archive's fields, the status line. It shows one record at a time;
// the position label holds the number of the record shown, or is empty for
// a card not yet stored, and decides whether Save overwrites or appends.
class CardWindow;

// The card windows the program has (every top-level card window).
QList<CardWindow*> openCards();
// The open card window whose definition has that window tag, or null.
CardWindow* cardTagged(const QString& tag);

class CardWindow : public QWidget {
    Q_OBJECT

public:
    explicit CardWindow(CardDefinition definition, QWidget* parent = nullptr);
    ~CardWindow() override;

    const CardDefinition& definition() const { return definition_; }
    // The record file the card reads and writes, and the list windows it
    // opens read: by default the archive's own file in the data folder.
    virtual QString recordFilePath() const;

    // The number of the record shown, 0 for a new card.
    qsizetype position() const;

    // A card whose file is in `lblFile`: names the file it reads and writes.
    void setRecordFile(const QString& path);
    // Shows the card, in front of its start panel if it has one, ready to
    // read and write the record file `path`, as a list opened away from the
    // card (the launcher's panel) asks before it loads a record: a card kept
    // by year opens that file's year. False when the card cannot work on
    // that file. The card must be shown (its showing starts a new card).
    virtual bool openRecordFile(const QString& path);

    // A card may show a start panel in front of the card; these switch
    // between the two.
    void setStartPanel(QWidget* panel);
    void showStartPanel();
    void showCardPanel();
    bool startPanelShown() const;

    // The card's texts in layout order, as the controls hold them.
    FieldValues cardValues() const;
    // Loads stored texts into the card and sets the position label.
    void loadValues(const FieldValues& stored, qsizetype number);
    // Reads record `number` from the archive and loads it; false (after the
    // access-error message) when it cannot be read.
    bool loadRecord(qsizetype number);

    QWidget* control(const QString& name) const;
    // The text a control shows, as the card reads it back (memos with CR LF
    // line breaks, check boxes "Sì" or "No").
    QString controlText(const QString& name) const;
    QWidget* control(FieldId field) const;
    // Sets one field's text, as the pickers and the date import window do,
    // with the cursor after it, where the user goes on typing.
    void setFieldText(const QString& control, const QString& text);

    // The toolbar actions.
    void first();
    void previous();
    void next();
    void last();
    void save();
    void clearCard();
    void duplicate();

    // The card's picture decoded no larger than `box`, for printing; null
    // for a card without pictures.
    virtual QImage picture(const QSize& box) const;

Q_SIGNALS:
    // The window was closed (its exit button or close box) and hidden.
    void closed();

protected:
    // Adds a group of toolbar buttons; each button shows its hint in the
    // status line and as a tooltip.
    struct ToolSpec {
        const char* name;
        const char* icon;
        QString hint;
        std::function<void()> action;
        // Shown beside the picture (the wide buttons of a toolbar row, every
        // button of a toolbar column); empty: the picture alone.
        QString caption = {};
    };
    void addToolGroup(std::initializer_list<ToolSpec> buttons);
    QToolButton* toolButton(const QString& name) const;
    // A small picture button of the card panel, placed by the archive
    // beside a field (a checker, the e-mail button); like the toolbar
    // buttons it shows its hint in the status line and as a tooltip.
    QToolButton* addFieldButton(const ToolSpec& desc);

    // The buttons every card has, for the archives to place in their groups.
    ToolSpec newTool();
    ToolSpec saveTool();
    ToolSpec duplicateTool();
    ToolSpec exitTool();
    // The buttons that open the archive's windows: the search (`cmdTrova`,
    // with the card's tag), the attachments (`cmdFile`), the export
    // (`cmdEsporta`), a summary, the RTF document (`cmdStampa`) and the
    // guide (`cmdGuida`).
    ToolSpec findTool(const SearchDefinition& search);
    ToolSpec attachTool(const QString& hint = QStringLiteral("Allega file alla scheda corrente."));
    ToolSpec exportTool(const ExportDefinition& exporter);
    ToolSpec summaryTool(const char* name, const char* icon, const QString& hint,
                         const SummaryDefinition& summary);
    ToolSpec rtfTool(const RtfDocument& document);
    ToolSpec guideTool(const HelpTopic& topic);
    // A button beside a field that picks a value from another archive's
    // search (`impCaposquadra`...), with the given picker mode.
    QToolButton* addPickerButton(const char* name, const QString& hint,
                                 const SearchDefinition& search, const PickerMode& mode);
    // First, previous, the position label, next, last.
    void addNavigationGroup();

    // The card panel, for the archive to lay its fields out.
    QFrame* cardPanel() const { return panRecord_; }
    QLabel* fieldLabel(const QString& control) const;

    // One place of a row of the card panel: a field, shown after its label,
    // or a button added with addFieldButton. A field with a sample text is
    // as wide as that text; without one it takes what the row leaves:
    //   {F::Nome, {F::Cap, "00000"}, LayoutButton{"btnEmail"}}
    struct LayoutButton {
        const char* name;
    };
    // A widget the archive builds itself (a photo frame), with its share of
    // the row's width.
    struct LayoutWidget {
        QWidget* widget;
        int stretch = 0;
    };
    // A field shown in a white box with an icon beside it (a flag).
    struct LayoutBox {
        FieldId field;
        const char* icon;
    };
    class LayoutCell {
    public:
        template <typename E>
        requires std::is_enum_v<E> LayoutCell(E field, const char* sample = nullptr)
            : field_(FieldId(field)), sample_(sample) {}
        LayoutCell(LayoutButton button) : button_(button.name) {}
        LayoutCell(LayoutBox box) : field_(box.field), boxIcon_(box.icon) {}
        LayoutCell(LayoutWidget widget) : widget_(widget) {}

    private:
        friend class CardWindow;
        std::optional<FieldId> field_;
        const char* button_ = nullptr;
        const char* sample_ = nullptr;
        const char* boxIcon_ = nullptr;
        std::optional<LayoutWidget> widget_;
    };
    using LayoutRow = std::initializer_list<LayoutCell>;
    struct LayoutColumn {
        std::initializer_list<LayoutRow> rows;
        int stretch = 1;  // the column's share of the panel's width
    };
    // Lays the card panel out in columns side by side, each a stack of rows.
    // A memo stands under its label and takes the height its column leaves.
    void layOutColumns(std::initializer_list<LayoutColumn> columns);
    // A row of cells in a group box with a title, to be placed in a row of
    // the card panel as a LayoutWidget.
    QGroupBox* fieldGroup(const char* name, const QString& title, LayoutRow cells);
    // A field in a white box with an icon beside it.
    QFrame* fieldBox(QWidget* field, const char* icon);

    // Opens the date import window for a calendar date field.
    virtual void openDateImport(QWidget* field, const QString& tag);

    // What an archive adds to the card's life, each called after the card
    // has done its own part: a stored record shown (by the navigation or
    // from a list), the card cleared for a new record, the card duplicated.
    virtual void recordShown(qsizetype number);
    virtual void cardCleared();
    virtual void cardDuplicated();
    // The record has just been stored as record `number` (appended or
    // overwritten); returns false when it has told the user something
    // went wrong beside it, in place of the message that the card was
    // saved.
    virtual bool recordStored(qsizetype number, bool appended);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // Call once the fields are laid out: sets the tab order and the field
    // highlights.
    void finishLayout();

private:
    void buildFrame();
    QToolButton* makeButton(QWidget* parent, const ToolSpec& desc, int iconSize);
    void buildFields();
    // Adds one cell to a row; notes whether it takes the height or the
    // width the row leaves.
    void placeCell(QHBoxLayout* line, const LayoutCell& cell, bool* rowGrows, bool* rowWidens);
    QString controlName(FieldId field) const;
    const CardField* fieldOf(const QObject* control) const;
    bool handleFieldKey(QWidget* field, const CardField& desc, QKeyEvent* key);
    void moveByEnter(QWidget* next);
    void enterField(QWidget* field);
    void leaveField(QWidget* field, const CardField& desc);
    // The field's rule for a text it is left with (an amount formatted).
    void applyLeaveRule(QWidget* field, const CardField& desc);
    // Texts holding characters the code page cannot hold: asks whether to
    // store them with '?' in their place (then `values` holds what is to
    // be stored) or to go back to the first such field (false).
    bool acceptUnstorable(FieldValues& values);
    // Focus on the field, its first characters that cannot be stored
    // selected.
    void selectUnstorable(QWidget* field);
    // A field's name for the user: its label on the card.
    QString fieldName(qsizetype index) const;
    // The control of the layout's field `index`.
    QWidget* controlAt(qsizetype index) const;
    void applyTyping(QWidget* field, Typing typing);
    void setPosition(qsizetype number);
    // Shows the texts `derive` set, leaving the others as they are.
    void loadDerived(const FieldValues& values);
    // The number of records in the archive, or nothing once the access
    // error has been shown.
    std::optional<qsizetype> recordCount();
    void showAccessError(bool plain);
    void showEmptyArchive();
    void clearAttachmentLabels();
    void focusFirstField();

    CardDefinition definition_;
    QBoxLayout* toolbar_ = nullptr;
    class QStackedLayout* pages_ = nullptr;
    QWidget* startPanel_ = nullptr;
    QWidget* cardPage_ = nullptr;
    QLabel* lblFile_ = nullptr;
    QFrame* panRecord_ = nullptr;
    QLabel* lblPosizione_ = nullptr;
    QLabel* panInfo_ = nullptr;
    QPushButton* btnFocus_ = nullptr;
    QHash<QString, QWidget*> controls_;
    QHash<QString, QLabel*> labels_;
    QHash<QString, QFrame*> highlights_;
    QHash<const QObject*, const CardField*> fieldSpecs_;
    QHash<const QObject*, QString> hints_;
    QWidget* currentField_ = nullptr;
};
