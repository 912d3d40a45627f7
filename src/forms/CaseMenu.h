#pragma once

// The Caso menu, on a menu bar at the top of an analysis window: Novo (Ctrl+N), Abrir...
// (Ctrl+O), Casos recentes, Salvar (Ctrl+S), Salvar como... (Ctrl+Shift+S), Exportar PDF...,
// Imprimir... (Ctrl+P), each acting on the shared case from that window; the window's
// report is asked for when Exportar PDF or Imprimir is chosen. The same builder serves the
// three windows. The menu's title has no accelerator: every letter of "Caso" is taken by a
// control of the execution window, and its items have their keys.

#include "widgets/CaseReports.h"

#include <functional>

class QMenu;
class QWidget;

namespace zarn {

class CaseCommands;

class CaseMenu {
public:
    // The menu, on a bar added to the top of the window's layout.
    static QMenu* Install(QWidget& window, CaseCommands& commands,
                          std::function<CaseReportOutcome()> report);
};

} // namespace zarn
