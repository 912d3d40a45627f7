#pragma once

// Where the help collection lives: beside the executable (the build tree, a portable
// copy) or in the installed data folder (<prefix>/share/zarn).

#include <QString>
#include <QStringList>

namespace zarn {

// The folders searched for a help file named without a directory, in order.
QStringList HelpFolders();

// The full path of the help file, or an empty text when no folder holds it. A name that
// carries its own directory is taken as it stands.
QString FindHelpFile(const QString& name, const QStringList& folders);

} // namespace zarn
