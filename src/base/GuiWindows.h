#pragma once

#include <QString>

class QWidget;

// The windows that live for the whole run are top-level widgets named after
// their class ("TfrmAnagrafica"); shared dialogs find the window they serve
// by that name.
QWidget* findWindow(const QString& objectName);
