#pragma once

#include "results/TestRecord.h"

#include <QAbstractTableModel>

#include <vector>

// The recorded tests as a table, newest first, in the user's language: date and time,
// operations, numbers, difficulty, problems, time limit, right, wrong, unanswered, percentage,
// grade, and how it ended.
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
    QString Cell(const results::TestRow& test, int column) const;

    std::vector<results::TestRow> m_tests;
};
