#pragma once

#include <QLabel>
#include <QList>
#include <QPoint>
#include <QTest>
#include <QWidget>
#include <ostream>

// The hints of a window's controls, checked as a table: the mouse goes onto
// each control in turn and the status line `panInfo` and the control's
// tooltip are read, then the mouse goes where no hint shows and the status
// line is read again.

struct HintRow {
    const char* control;
    const char* hint;
};

struct HintSeen {
    QString control;
    QString status;      // the status line with the mouse on the control
    QString toolTip;     // the control's tooltip
    QString statusAway;  // the status line once the mouse has left
    bool operator==(const HintSeen&) const = default;
};

inline void PrintTo(const HintSeen& seen, std::ostream* out) {
    *out << "\n{" << seen.control.toStdString() << ": status \"" << seen.status.toStdString()
         << "\", tooltip \"" << seen.toolTip.toStdString() << "\", away \""
         << seen.statusAway.toStdString() << "\"}";
}

// What the mouse finds over the controls of `rows`, in order, in a window
// shown and active; `away` and `awayPoint` are where the mouse goes after
// each (a place without a hint).
inline QList<HintSeen> hoverHints(QWidget* window, const QList<HintRow>& rows, QWidget* away,
                                  QPoint awayPoint) {
    auto* status = window->findChild<QLabel*>(QStringLiteral("panInfo"));
    QList<HintSeen> seen;
    for (const HintRow& row : rows) {
        HintSeen one{QString::fromLatin1(row.control), {}, {}, {}};
        auto* control = window->findChild<QWidget*>(one.control);
        if (!control || !status) {
            one.status =
                control ? QStringLiteral("(no status line)") : QStringLiteral("(no such control)");
            seen.append(one);
            continue;
        }
        QTest::mouseMove(control);
        one.status = status->text();
        one.toolTip = control->toolTip();
        QTest::mouseMove(away, awayPoint);
        one.statusAway = status->text();
        seen.append(one);
    }
    return seen;
}

// What hoverHints() finds when every hint shows: the control's hint in the
// status line and as its tooltip, and an empty status line once the mouse
// has left.
inline QList<HintSeen> shownHints(const QList<HintRow>& rows) {
    QList<HintSeen> seen;
    for (const HintRow& row : rows) {
        const QString hint = QString::fromUtf8(row.hint);
        seen.append({QString::fromLatin1(row.control), hint, hint, QString()});
    }
    return seen;
}
