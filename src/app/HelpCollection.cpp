#include "app/HelpCollection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zarn {

QStringList HelpFolders() {
    return {QCoreApplication::applicationDirPath(), QStringLiteral(ZARN_DATA_DIR)};
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
