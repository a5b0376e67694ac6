#pragma once

#include "results/TestColumns.h"

#include <QAbstractTableModel>

#include <vector>

// The recorded tests as a table, newest first, in the user's language: the columns of the tests
// table that have a header, each written as its kind of value is.
class TestsModel : public QAbstractTableModel
{
    Q_OBJECT

  public:
    explicit TestsModel(QObject* parent = nullptr);

    void SetTests(std::vector<results::TestRow> tests);
    const std::vector<results::TestRow>& Tests() const { return m_tests; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The date and time a test started, as the user's language writes it.
    static QString StartedText(const std::string& started);

  private:
    std::vector<results::TestRow> m_tests;
    std::vector<const results::TestColumn*> m_columns; // those shown, in order
};
