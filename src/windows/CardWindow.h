#pragma once

#include <QImage>
#include <QWidget>
#include <initializer_list>
#include <utility>

#include "lists/ListDefinitions.h"
#include "lists/RtfDocument.h"
#include "windows/CardDefinition.h"
#include "windows/GuiCardKeys.h"
#include "windows/GuiCardLayout.h"
#include "windows/GuiCardRecord.h"

class QFrame;
class QGroupBox;
class QLabel;
class QToolButton;

// The card window shared by the archives: a toolbar, the card panel with
// the archive's fields, the status line. It shows one record at a time;
// the position label holds the number of the record shown, or is empty for
// a card not yet stored, and decides whether Save overwrites or appends.
// It is put together from three parts: what it shows (CardLayout), how its
// fields take the keyboard (CardKeys) and the life of the record it shows
// (CardRecord); the archives' windows derive from it alone.
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
    using ToolSpec = CardLayout::ToolSpec;
    void addToolGroup(std::initializer_list<ToolSpec> buttons);
    QToolButton* toolButton(const QString& name) const;
    // A small picture button of the card panel, placed by the archive
    // beside a field (a checker, the e-mail button); like the toolbar
    // buttons it shows its hint in the status line and as a tooltip.
    QToolButton* addFieldButton(const ToolSpec& desc);
    // A calendar button beside each date field (button name, field's
    // control name) that writes today's date into it.
    void addTodayButtons(std::initializer_list<std::pair<const char*, const char*>> buttons);

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
    QFrame* cardPanel() const { return layout_.cardPanel(); }
    QLabel* fieldLabel(const QString& control) const;

    // The cells of the card panel's rows (see CardLayout::Cell):
    //   {F::Nome, {F::Cap, "00000"}, LayoutButton{"btnEmail"}}
    using LayoutButton = CardLayout::Button;
    using LayoutWidget = CardLayout::Widget;
    using LayoutBox = CardLayout::Box;
    using LayoutCell = CardLayout::Cell;
    using LayoutRow = CardLayout::Row;
    using LayoutColumn = CardLayout::Column;
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
    friend class CardKeys;
    friend class CardRecord;

    CardDefinition definition_;
    CardLayout layout_;
    CardKeys keys_;
    CardRecord record_;
};
