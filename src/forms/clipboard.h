#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace forms {

// Puts a table on the clipboard, so that it pastes as a table into a spreadsheet or a
// document: as tab-separated lines of plain text, and as an HTML table under `caption` whose
// first row is its header row.
void copyTable(const QString &caption, const QList<QStringList> &rows);

} // namespace forms
