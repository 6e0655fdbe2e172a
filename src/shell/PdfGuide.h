#pragma once

#include <QList>
#include <QString>

#include "shell/HelpTopics.h"

// Writes the user guide "Guida.pdf": an A4 document with a title page (and
// the list of topics), then one section per topic given, each on a new page.
// The file is written under a temporary name and renamed into place. Needs
// a QGuiApplication (the command line runs on an offscreen one).
bool writeGuidePdf(const QList<const HelpTopic*>& topics, const QString& path, QString* error);
