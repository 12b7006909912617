#pragma once

#include <QSqlQueryModel>

// The order search's rows as the table shows them: dates in the locale's
// short form, totals as currency in the form's locale. Qt::UserRole holds the
// raw value (number, ISO date, centavos), which is what the table sorts by.
class OrdersModel : public QSqlQueryModel {
    Q_OBJECT
public:
    enum Column { Number, Date, Customer, Salesperson, Items, Total, ColumnCount };
    static constexpr int SortRole = Qt::UserRole;

    explicit OrdersModel(QObject* parent = nullptr);

    // Shows the rows of an executed query, all of them: the sort and the
    // totals need every row, not the first page a view would ask for.
    void show(QSqlQuery&& query);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    qint64 totalCents(int row) const;
    QDateTime date(int row) const;
};
