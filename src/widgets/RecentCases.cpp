#include "widgets/RecentCases.h"

#include "widgets/QtText.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kMenuTitle = "Casos &recentes";
constexpr std::string_view kNoneItem = "(nenhum caso recente)";
constexpr std::string_view kClearItem = "&Limpar a lista";
const QString kKey = QStringLiteral("casos_recentes");

// The application's settings. Without an organisation name QSettings would file them under
// "Unknown Organization" and report an access error, so the program's name stands in.
QString Organisation() {
    const QString organisation = QCoreApplication::organizationName();
    return organisation.isEmpty() ? QCoreApplication::applicationName() : organisation;
}

QStringList Stored() {
    return QSettings(Organisation(), QCoreApplication::applicationName())
        .value(kKey)
        .toStringList();
}

void Store(const QStringList& files) {
    QSettings(Organisation(), QCoreApplication::applicationName()).setValue(kKey, files);
}

QString Absolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// "&3 caso.zarn"; an ampersand of the name is doubled, or it would be taken as the key.
QString ItemText(int number, const QString& path) {
    QString name = QFileInfo(path).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(number).arg(name);
}

} // namespace

QString RecentCases::MenuTitle() {
    return ToQString(kMenuTitle);
}

void RecentCases::Add(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    const QString file = Absolute(path);
    QStringList files = Stored();
    files.removeAll(file);
    files.prepend(file);
    Store(files.mid(0, kMost));
}

QStringList RecentCases::Files() {
    const QStringList stored = Stored();
    QStringList files;
    for (const QString& file : stored) {
        if (QFileInfo(file).isFile() && !files.contains(file)) {
            files.append(file);
        }
    }
    files = files.mid(0, kMost);
    if (files != stored) {
        Store(files);
    }
    return files;
}

void RecentCases::Clear() {
    Store({});
}

void RecentCases::FillMenu(QMenu& menu, const std::function<void(const QString&)>& open) {
    menu.clear();
    const QStringList files = Files();
    if (files.isEmpty()) {
        menu.addAction(ToQString(kNoneItem))->setEnabled(false);
        return;
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        QAction* item = menu.addAction(ItemText(i + 1, file));
        const QString tip = QDir::toNativeSeparators(file);
        item->setToolTip(tip);
        item->setStatusTip(tip);
        QObject::connect(item, &QAction::triggered, &menu, [open, file] { open(file); });
    }
    menu.addSeparator();
    QAction* clear = menu.addAction(ToQString(kClearItem));
    QObject::connect(clear, &QAction::triggered, &menu, [] { RecentCases().Clear(); });
}

void RecentCases::Attach(QMenu& menu, const std::function<void(const QString&)>& open) {
    RecentCases().FillMenu(menu, open);
    QObject::connect(&menu, &QMenu::aboutToShow, &menu,
                     [&menu, open] { RecentCases().FillMenu(menu, open); });
}

} // namespace zarn
