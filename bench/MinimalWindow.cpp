// The yardstick of the start-up benchmark: a plain Qt Widgets window of about the main
// window's size and make-up -- a QMainWindow with a menu bar of three menus, a status bar,
// labels, a dozen line edits and buttons -- with nothing of Zarn's own. With
// ZARN_REPORT_STARTUP=1 it reports its first exposure exactly as zarn does.

#include "app/StartupReport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));

    QMenuBar* bar = window.menuBar();
    bar->addAction(QStringLiteral("Sair"));
    bar->addMenu(QStringLiteral("Editar"))->addAction(QStringLiteral("Copiar"));
    QMenu* help = bar->addMenu(QStringLiteral("&Ajuda"));
    help->addAction(QStringLiteral("Conte\u00fado"));
    help->addAction(QStringLiteral("\u00cdndice"));
    help->addSeparator();
    help->addAction(QStringLiteral("Sobre..."));

    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    constexpr int kFields = 6;
    constexpr int kButtons = 6;
    for (int i = 0; i < kFields; ++i) {
        auto* label = new QLabel(QStringLiteral("Campo %1:").arg(i + 1), client);
        label->setGeometry(16, 16 + i * 32, 100, 24);
        auto* field = new QLineEdit(client);
        field->setGeometry(120, 16 + i * 32, 160, 24);
    }
    for (int i = 0; i < kButtons; ++i) {
        auto* button = new QPushButton(QStringLiteral("Bot\u00e3o %1").arg(i + 1), client);
        button->setGeometry(300 + (i % 2) * 120, 16 + (i / 2) * 40, 110, 28);
    }
    window.statusBar()->showMessage(QStringLiteral("Pronto."));
    window.resize(560, 400);

    zarn::ReportFirstExposure(&window);
    window.show();
    return QApplication::exec();
}
