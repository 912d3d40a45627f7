#include "forms/CaseMenu.h"

#include "forms/CaseCommands.h"
#include "widgets/Guarded.h"
#include "widgets/QtText.h"
#include "widgets/RecentCases.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kMenuTitle = "Caso";
constexpr std::string_view kNewItem = "&Novo";
constexpr std::string_view kOpenItem = "&Abrir\x85";
constexpr std::string_view kSaveItem = "&Salvar";
constexpr std::string_view kSaveAsItem = "Salvar &como\x85";
constexpr std::string_view kExportItem = "&Exportar PDF\x85";
constexpr std::string_view kPrintItem = "&Imprimir\x85";

// An item of the menu whose keys work anywhere in the window.
QAction* AddItem(QMenu& menu, QWidget& window, const char* name, std::string_view caption,
                 const QKeySequence& keys, std::function<void()> command) {
    QAction* item = menu.addAction(ToQString(caption));
    item->setObjectName(QString::fromLatin1(name));
    if (!keys.isEmpty()) {
        item->setShortcut(keys);
        window.addAction(item);
    }
    QObject::connect(item, &QAction::triggered, &window, Guarded(std::move(command)));
    return item;
}

} // namespace

QMenu* CaseMenu::Install(QWidget& window, CaseCommands& commands,
                         std::function<CaseReportOutcome()> report) {
    auto* bar = new QMenuBar(&window);
    bar->setObjectName(QStringLiteral("CaseMenuBar"));
    if (QLayout* layout = window.layout()) {
        layout->setMenuBar(bar);
    }
    QMenu* menu = bar->addMenu(ToQString(kMenuTitle));
    menu->setObjectName(QStringLiteral("CaseMenu"));

    QWidget* from = &window;
    CaseCommands* acts = &commands;
    AddItem(*menu, window, "CaseNew", kNewItem, QKeySequence::New,
            [acts, from] { acts->New(from); });
    AddItem(*menu, window, "CaseOpen", kOpenItem, QKeySequence::Open,
            [acts, from] { acts->Open(from); });
    QMenu* recent = menu->addMenu(RecentCases::MenuTitle());
    recent->setObjectName(QStringLiteral("CaseRecent"));
    RecentCases::Attach(*recent, [acts, from](const QString& path) {
        Guarded([acts, from, path] { acts->OpenFile(from, path); })();
    });
    menu->addSeparator();
    AddItem(*menu, window, "CaseSave", kSaveItem, QKeySequence::Save,
            [acts, from] { acts->Save(from); });
    AddItem(*menu, window, "CaseSaveAs", kSaveAsItem,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [acts, from] { acts->SaveAs(from); });
    menu->addSeparator();
    AddItem(*menu, window, "CaseExport", kExportItem, QKeySequence(),
            [acts, from, report] { acts->ExportPdf(from, report()); });
    AddItem(*menu, window, "CasePrint", kPrintItem, QKeySequence::Print,
            [acts, from, report] { acts->Print(from, report()); });
    return menu;
}

} // namespace zarn
