#include "help/HelpCollection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zarn {

QStringList HelpFolders() {
    return HelpFoldersFor(QCoreApplication::applicationDirPath());
}

QStringList HelpFoldersFor(const QString& programDir) {
    QStringList folders;
    if (!programDir.isEmpty()) {
        folders << QDir::cleanPath(programDir)
                << QDir::cleanPath(programDir + QLatin1Char('/') +
                                   QStringLiteral(ZARN_DATA_RELATIVE_DIR));
    }
    folders << QDir::cleanPath(QStringLiteral(ZARN_DATA_DIR));
    folders.removeDuplicates();
    return folders;
}

QString FindHelpFile(const QString& name, const QStringList& folders) {
    if (name.isEmpty()) {
        return {};
    }
    const QFileInfo given(name);
    if (given.isAbsolute() || name.contains(QLatin1Char('/'))) {
        return given.isFile() ? given.absoluteFilePath() : QString();
    }
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder), name);
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

} // namespace zarn
