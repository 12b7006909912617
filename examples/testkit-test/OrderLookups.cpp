#include "OrderLookups.h"

#include <QList>

namespace {

// The host's records. A real form asks its database here.
struct Record {
    QString code;
    QString key;
    QString name;
    bool onHold = false;
};
const QList<Record> customers{{"000007", "CLI-7", "Auto Peças Rodrigues"},
                              {"000042", "CLI-42", "Comércio Silva Ltda."},
                              {"000050", "CLI-50", "Distribuidora Norte", true}};
const QList<Record> products{{"00004", "PRD-4", "Parafuso M8"}, {"00009", "PRD-9", "Porca M8"}};

const Record* byCode(const QList<Record>& table, const QString& code)
{
    for (const Record& r : table)
        if (r.code == code && !r.onHold)
            return &r;
    return nullptr;
}

} // namespace

bool searchCustomer(zev::ZEVCodeDescription& lookup, QString& primaryKey)
{
    const Record* r = byCode(customers, lookup.Code());
    if (!r)
        return false;
    lookup.setDescription(r->name);
    primaryKey = r->key;
    return true;
}

bool searchProduct(zev::ZEVPersistCombo& list, QString& primaryKey)
{
    const Record* r = byCode(products, list.Code());
    if (!r)
        return false;
    list.setDescription(r->name);
    primaryKey = r->key;
    return true;
}
