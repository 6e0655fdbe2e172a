#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <type_traits>

#include "records/RecordLayout.h"
#include "windows/CardDefinition.h"

class QBoxLayout;
class QEvent;
class QFrame;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QObject;
class QPushButton;
class QStackedLayout;
class QToolButton;
class QWidget;

// What a card window shows, built from its card's declarations: the frame
// (toolbar, card panel, status line, the position label and the hidden
// labels), the toolbar's buttons, one control per field with its label and
// highlight, the rows and columns the archive lays them out in, and the
// hints the status line shows. Every control's events go to the window,
// which hands them on.
class CardLayout {
public:
    // A toolbar button; each button shows its hint in the status line and
    // as a tooltip.
    struct ToolSpec {
        const char* name;
        const char* icon;
        QString hint;
        std::function<void()> action;
        // Shown beside the picture (the wide buttons of a toolbar row, every
        // button of a toolbar column); empty: the picture alone.
        QString caption = {};
    };

    // One place of a row of the card panel: a field, shown after its label,
    // or a button added with addFieldButton. A field with a sample text is
    // as wide as that text; without one it takes what the row leaves:
    //   {F::Nome, {F::Cap, "00000"}, LayoutButton{"btnEmail"}}
    struct Button {
        const char* name;
    };
    // A widget the archive builds itself (a photo frame), with its share of
    // the row's width.
    struct Widget {
        QWidget* widget;
        int stretch = 0;
    };
    // A field shown in a white box with an icon beside it (a flag).
    struct Box {
        FieldId field;
        const char* icon;
    };
    class Cell {
    public:
        template <typename E>
        requires std::is_enum_v<E> Cell(E field, const char* sample = nullptr)
            : field_(FieldId(field)), sample_(sample) {}
        Cell(Button button) : button_(button.name) {}
        Cell(Box box) : field_(box.field), boxIcon_(box.icon) {}
        Cell(Widget widget) : widget_(widget) {}

    private:
        friend class CardLayout;
        std::optional<FieldId> field_;
        const char* button_ = nullptr;
        const char* sample_ = nullptr;
        const char* boxIcon_ = nullptr;
        std::optional<Widget> widget_;
    };
    using Row = std::initializer_list<Cell>;
    struct Column {
        std::initializer_list<Row> rows;
        int stretch = 1;  // the column's share of the panel's width
    };

    // Builds nothing yet: `window` is the parent of every control and the
    // filter of their events.
    CardLayout(QWidget& window, const CardDefinition& definition);

    // Builds the frame and one control per field of the card.
    void build();

    // The window's pages: the card, and a start panel in front of it.
    void setStartPanel(QWidget* panel);
    void showStartPanel();
    void showCardPanel();
    bool startPanelShown() const;

    QFrame* cardPanel() const { return panRecord_; }
    QLabel* fileLabel() const { return lblFile_; }
    QLabel* positionLabel() const { return lblPosizione_; }
    QLabel* statusLine() const { return panInfo_; }
    // The button that takes the focus when the field being edited is left.
    QPushButton* focusSink() const { return btnFocus_; }

    QWidget* control(const QString& name) const;
    QWidget* control(FieldId field) const;
    // The control of the layout's field `index`.
    QWidget* controlAt(qsizetype index) const;
    QString controlName(FieldId field) const;
    // The card field a control shows, or null for any other widget.
    const CardField* fieldOf(const QObject* control) const;
    QLabel* fieldLabel(const QString& control) const;
    // The frame shown behind a field while it has the focus, or null.
    QFrame* highlight(const QString& control) const;

    void addToolGroup(std::initializer_list<ToolSpec> buttons);
    QToolButton* toolButton(const QString& name) const;
    QToolButton* addFieldButton(const ToolSpec& desc);

    // Lays the card panel out in columns side by side, each a stack of rows.
    // A memo stands under its label and takes the height its column leaves.
    void layOutColumns(std::initializer_list<Column> columns);
    QGroupBox* fieldGroup(const char* name, const QString& title, Row cells);
    QFrame* fieldBox(QWidget* field, const char* icon);
    // The tab order of the fields, as the card lists them.
    void finishLayout();

    // The status line follows the mouse: a control's hint while the mouse
    // is over it, nothing once it moves over any other part of the window.
    void followMouse(QObject* watched, QEvent* event);

private:
    void buildFrame();
    void buildFields();
    QToolButton* makeButton(QWidget* parent, const ToolSpec& desc, int iconSize);
    // Adds one cell to a row; notes whether it takes the height or the
    // width the row leaves.
    void placeCell(QHBoxLayout* line, const Cell& cell, bool* rowGrows, bool* rowWidens);

    QWidget& window_;
    const CardDefinition& definition_;
    QBoxLayout* toolbar_ = nullptr;
    QStackedLayout* pages_ = nullptr;
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
};
