#pragma once

// What the tests of the table models share: a model under Qt's model tester, and a cell's
// data as text.

#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QString>

namespace zarn::testing {

// The model under Qt's tester for the life of the object; a fault fails the test.
template <typename Model>
struct Tested {
    Model M;
    QAbstractItemModelTester Tester{&M, QAbstractItemModelTester::FailureReportingMode::QtTest};
};

inline QString Cell(const QAbstractItemModel& model, int row, int column,
                    int role = Qt::DisplayRole) {
    return model.index(row, column).data(role).toString();
}

} // namespace zarn::testing
