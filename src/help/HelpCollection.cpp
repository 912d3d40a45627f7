#include "help/HelpCollection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QHelpLink>

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

namespace {

bool ReadsAPage(const QHelpEngineCore& engine, const QString& sampleIdentifier) {
    const QList<QHelpLink> pages = engine.documentsForIdentifier(sampleIdentifier);
    return pages.isEmpty() || !engine.fileData(pages.first().url).isEmpty();
}

} // namespace

CollectionCheck SetUpCollection(QHelpEngineCore& engine, const QString& collectionFile,
                                const QString& sampleIdentifier) {
    if (!engine.setupData() || engine.registeredDocumentations().isEmpty()) {
        return {CollectionFault::CollectionDamaged, QFileInfo(collectionFile).absoluteFilePath()};
    }
    const QDir collectionDir = QFileInfo(collectionFile).absoluteDir();
    for (const QString& name : engine.registeredDocumentations()) {
        const QFileInfo pages(collectionDir, engine.documentationFileName(name));
        if (!pages.exists()) {
            return {CollectionFault::PagesMissing, pages.absoluteFilePath()};
        }
        if (!pages.isFile() || !pages.isReadable() || !ReadsAPage(engine, sampleIdentifier)) {
            return {CollectionFault::PagesDamaged, pages.absoluteFilePath()};
        }
    }
    return {};
}

} // namespace zarn
