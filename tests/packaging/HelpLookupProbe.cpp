// Finds the help collection exactly as the program does for an executable installed in the
// given folder, and opens it the way the help window does: read-only, through Qt Help.
// Prints the folders searched and the collection found; exits 0 when the collection opens,
// holds the documentation and files the main topic with a page that has content, 1 when
// it does not, 2 on a wrong command line. Used by the installation and package checks.

#include "app/ZarnApplication.h"
#include "help/HelpCollection.h"
#include "help/HelpWindow.h"

#include <QCoreApplication>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QTextStream>

namespace {

constexpr int kMainTopic = 1;

int Fail(QTextStream& out, const QString& why) {
    out << "fault: " << why << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        out << "usage: help_lookup_probe <folder of the installed zarn>" << Qt::endl;
        return 2;
    }
    const QStringList folders = zarn::HelpFoldersFor(args[1]);
    for (const QString& folder : folders) {
        out << "folder: " << folder << Qt::endl;
    }
    const QString collection = zarn::FindHelpFile(zarn::ZarnApplication::HelpFile(), folders);
    out << "collection: " << collection << Qt::endl;
    if (collection.isEmpty()) {
        return Fail(out, QStringLiteral("no help collection in those folders"));
    }

    QHelpEngineCore engine(collection);
    engine.setReadOnly(true);
    if (!engine.setupData()) {
        return Fail(out, QStringLiteral("Qt Help cannot open it: ") + engine.error());
    }
    if (engine.registeredDocumentations().isEmpty()) {
        return Fail(out, QStringLiteral("it registers no documentation"));
    }
    const QList<QHelpLink> main =
        engine.documentsForIdentifier(zarn::HelpWindow::ContextIdentifier(kMainTopic));
    if (main.isEmpty()) {
        return Fail(out, QStringLiteral("it files no page for the main topic"));
    }
    if (engine.fileData(main.first().url).isEmpty()) {
        return Fail(out, QStringLiteral("the main topic's page is empty"));
    }
    out << "main topic: " << main.first().url.toString() << Qt::endl;
    return 0;
}
