#include "OrdersModel.h"

#include "numeric/NumberEngine.h"

#include <QDateTime>
#include <QLocale>
#include <QSqlQuery>

OrdersModel::OrdersModel(QObject* parent) : QSqlQueryModel(parent) {}

void OrdersModel::show(QSqlQuery&& query)
{
    setQuery(std::move(query));
    while (canFetchMore())
        fetchMore();
}

QVariant OrdersModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    QVariant raw = QSqlQueryModel::data(index, Qt::DisplayRole);
    switch (role) {
    case SortRole:
        return raw;
    case Qt::DisplayRole:
        if (index.column() == Date)
            return QLocale().toString(QDateTime::fromString(raw.toString(), Qt::ISODate), QLocale::ShortFormat);
        if (index.column() == Total)
            return zev::NumberEngine::current().formatCurrency(double(raw.toLongLong()) / 100.0);
        return raw;
    case Qt::TextAlignmentRole:
        if (index.column() == Number || index.column() == Items || index.column() == Total)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return QSqlQueryModel::data(index, role);
    }
}

QVariant OrdersModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QSqlQueryModel::headerData(section, orientation, role);
    switch (section) {
    case Number: return QStringLiteral("Pedido");
    case Date: return QStringLiteral("Data");
    case Customer: return QStringLiteral("Cliente");
    case Salesperson: return QStringLiteral("Vendedor");
    case Items: return QStringLiteral("Itens");
    case Total: return QStringLiteral("Total");
    default: return {};
    }
}

qint64 OrdersModel::totalCents(int row) const { return QSqlQueryModel::data(index(row, Total)).toLongLong(); }

QDateTime OrdersModel::date(int row) const
{
    return QDateTime::fromString(QSqlQueryModel::data(index(row, Date)).toString(), Qt::ISODate);
}
