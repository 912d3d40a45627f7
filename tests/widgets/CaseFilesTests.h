#pragma once

// The file layer's test classes share one binary, under one QApplication (the report needs
// its fonts, the recent cases their menu); main runs each.

#include <QObject>
#include <memory>

namespace zarn {

std::unique_ptr<QObject> MakeCaseFileWriterTest();
std::unique_ptr<QObject> MakeCaseFileReaderTest();
std::unique_ptr<QObject> MakeRecoveryStoreTest();
std::unique_ptr<QObject> MakeRecentCasesTest();
std::unique_ptr<QObject> MakeAnalysisReportTest();
std::unique_ptr<QObject> MakeCaseSessionTest();

} // namespace zarn
