#pragma once

// Where the help collection lives: beside the executable (the build tree, a portable
// copy) or in the installed data folder (<prefix>/share/zarn), found first from the
// executable's own folder (<prefix>/bin/../share/zarn, so an installation moved to another
// prefix still finds it) and then at the prefix the program was configured for.

#include <QString>
#include <QStringList>

class QHelpEngineCore;

namespace zarn {

// The folders searched for a help file named without a directory, in order, for the
// running program.
QStringList HelpFolders();

// The same folders for a program whose executable sits in programDir.
QStringList HelpFoldersFor(const QString& programDir);

// The full path of the help file, or an empty text when no folder holds it. A name that
// carries its own directory is taken as it stands.
QString FindHelpFile(const QString& name, const QStringList& folders);

// What keeps a collection that was found from being shown: the collection file itself
// (.qhc) cannot be read, or the file of pages it registers (.qch) is missing, or is there
// but cannot be read (damaged, or without permission).
enum class CollectionFault { None, CollectionDamaged, PagesMissing, PagesDamaged };

struct CollectionCheck {
    CollectionFault Fault = CollectionFault::None;
    QString File; // the full path of the file at fault
};

// Sets up the engine over its collection file and reads through it the page filed under
// sampleIdentifier (when the collection has one), so that a damaged file is found before
// the user sees an empty page.
CollectionCheck SetUpCollection(QHelpEngineCore& engine, const QString& collectionFile,
                                const QString& sampleIdentifier);

} // namespace zarn
