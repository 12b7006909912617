#include "DemoDatabase.h"

#include "Orders.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>
#include <QVariant>
#include <stdexcept>

namespace {

// Raised whenever the tables change: an older file is made again.
constexpr int SchemaVersion = 2;
constexpr QLatin1String DateFormat("yyyy-MM-ddTHH:mm:ss");

[[noreturn]] void fail(const QString& what, const QSqlError& error)
{
    throw std::runtime_error((what + QStringLiteral(": ") + error.text()).toStdString());
}

// One line of the shipped CSV files: plain comma-separated fields, quotes
// around a field that holds a comma.
QStringList splitCsv(const QString& line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

} // namespace

DemoDatabase::DemoDatabase(const QString& path)
    : connection_(QStringLiteral("zev-demo-%1").arg(quintptr(this)))
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool existed = QFileInfo::exists(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path);
    if (!db.open())
        fail(QStringLiteral("cannot open %1").arg(path), db.lastError());
    QSqlQuery version(db);
    const bool current = existed && version.exec(QStringLiteral("PRAGMA user_version")) && version.next()
        && version.value(0).toInt() == SchemaVersion;
    version.finish();
    if (!current || count(QStringLiteral("clientes")) <= 0 || count(QStringLiteral("pedidos")) <= 0) {
        QElapsedTimer timer;
        timer.start();
        create();
        creationMilliseconds_ = timer.elapsed();
        createdNow_ = true;
    }
    QSqlQuery info(db);
    if (!info.exec(QStringLiteral("SELECT valor FROM demo_info WHERE chave = 'criado_em'")) || !info.next())
        fail(QStringLiteral("the demo database has no creation day"), info.lastError());
    createdOn_ = QDate::fromString(info.value(0).toString(), Qt::ISODate);
    if (!createdOn_.isValid())
        throw std::runtime_error("the demo database has no valid creation day");
}

DemoDatabase::~DemoDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

void DemoDatabase::create()
{
    QSqlDatabase db = QSqlDatabase::database(connection_);
    QSqlQuery q(db);
    // NOLINTBEGIN(bugprone-suspicious-missing-comma): the long statements are split over two lines
    const char* ddl[] = {
        "DROP TABLE IF EXISTS itens",
        "DROP TABLE IF EXISTS pedidos",
        "DROP TABLE IF EXISTS demo_info",
        "DROP TABLE IF EXISTS clientes",
        "DROP TABLE IF EXISTS vendedores",
        "DROP TABLE IF EXISTS produtos",
        "CREATE TABLE clientes (codigo TEXT PRIMARY KEY, descricao TEXT NOT NULL, chave TEXT NOT NULL UNIQUE)",
        "CREATE TABLE vendedores (descricao TEXT NOT NULL, chave TEXT PRIMARY KEY)",
        "CREATE TABLE produtos (codigo TEXT PRIMARY KEY, descricao TEXT NOT NULL, chave TEXT NOT NULL UNIQUE)",
        "CREATE TABLE demo_info (chave TEXT PRIMARY KEY, valor TEXT NOT NULL)",
        // Dates as local ISO text: they sort and compare as the dates do.
        "CREATE TABLE pedidos (numero INTEGER PRIMARY KEY, data TEXT NOT NULL, cliente TEXT NOT NULL,"
        " vendedor TEXT NOT NULL, itens INTEGER NOT NULL, total_centavos INTEGER NOT NULL)",
        "CREATE TABLE itens (pedido INTEGER NOT NULL, linha INTEGER NOT NULL, produto TEXT NOT NULL,"
        " quantidade INTEGER NOT NULL, preco_centavos INTEGER NOT NULL, PRIMARY KEY (pedido, linha))",
    };
    // NOLINTEND(bugprone-suspicious-missing-comma)
    // One transaction: tables, data and indexes appear together or not at all.
    if (!db.transaction())
        fail(QStringLiteral("cannot start storing the demo data"), db.lastError());
    try {
        for (const char* sql : ddl)
            if (!q.exec(QString::fromLatin1(sql)))
                fail(QStringLiteral("cannot create the tables"), q.lastError());
        load(QStringLiteral("clientes"), QStringLiteral(":/demo/data/clientes.csv"), true);
        load(QStringLiteral("vendedores"), QStringLiteral(":/demo/data/vendedores.csv"), false);
        load(QStringLiteral("produtos"), QStringLiteral(":/demo/data/produtos.csv"), true);
        createOrders(QDate::currentDate());
        // The filter's columns; indexes made after the rows are filled are made faster.
        const char* indexes[] = {
            "CREATE INDEX pedidos_data ON pedidos (data)",
            "CREATE INDEX pedidos_cliente ON pedidos (cliente, data)",
            "CREATE INDEX pedidos_vendedor ON pedidos (vendedor, data)",
            "CREATE INDEX itens_produto ON itens (produto, pedido)",
        };
        for (const char* sql : indexes)
            if (!q.exec(QString::fromLatin1(sql)))
                fail(QStringLiteral("cannot index the orders"), q.lastError());
        if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion)))
            fail(QStringLiteral("cannot mark the database"), q.lastError());
        if (!db.commit())
            fail(QStringLiteral("cannot store the demo data"), db.lastError());
    } catch (...) {
        q.finish();
        db.rollback();
        throw;
    }
}

void DemoDatabase::createOrders(const QDate& day)
{
    const QStringList customers = keys(QStringLiteral("clientes"));
    const QStringList salespeople = keys(QStringLiteral("vendedores"));
    const QStringList products = keys(QStringLiteral("produtos"));
    const orders::Book book = orders::generate(day, int(customers.size()), int(salespeople.size()), int(products.size()));

    QSqlDatabase db = database();
    QSqlQuery info(db);
    info.prepare(QStringLiteral("INSERT INTO demo_info (chave, valor) VALUES ('criado_em', ?)"));
    info.addBindValue(day.toString(Qt::ISODate));
    if (!info.exec())
        fail(QStringLiteral("cannot store the creation day"), info.lastError());

    QSqlQuery order(db), line(db);
    order.prepare(QStringLiteral("INSERT INTO pedidos (numero, data, cliente, vendedor, itens, total_centavos)"
                                 " VALUES (?, ?, ?, ?, ?, ?)"));
    line.prepare(QStringLiteral("INSERT INTO itens (pedido, linha, produto, quantidade, preco_centavos)"
                                " VALUES (?, ?, ?, ?, ?)"));
    for (const orders::Order& o : book.orders) {
        order.bindValue(0, o.number);
        order.bindValue(1, o.when.toString(DateFormat));
        order.bindValue(2, customers.at(o.customer));
        order.bindValue(3, salespeople.at(o.salesperson));
        order.bindValue(4, int(o.lines.size()));
        order.bindValue(5, o.totalCents);
        if (!order.exec())
            fail(QStringLiteral("cannot store the orders"), order.lastError());
        for (std::size_t i = 0; i < o.lines.size(); ++i) {
            line.bindValue(0, o.number);
            line.bindValue(1, int(i) + 1);
            line.bindValue(2, products.at(o.lines[i].product));
            line.bindValue(3, o.lines[i].quantity);
            line.bindValue(4, o.lines[i].unitCents);
            if (!line.exec())
                fail(QStringLiteral("cannot store the order lines"), line.lastError());
        }
    }
}

QStringList DemoDatabase::keys(const QString& table) const
{
    QSqlQuery q(database());
    if (!q.exec(QStringLiteral("SELECT chave FROM %1 ORDER BY rowid").arg(table)))
        fail(QStringLiteral("cannot read %1").arg(table), q.lastError());
    QStringList result;
    while (q.next())
        result << q.value(0).toString();
    return result;
}

QSqlQuery DemoDatabase::findOrders(const OrderFilter& filter) const
{
    QStringList where;
    QVariantList values;
    if (!filter.customer.isEmpty()) {
        where << QStringLiteral("p.cliente = ?");
        values << filter.customer;
    }
    if (!filter.salesperson.isEmpty()) {
        where << QStringLiteral("p.vendedor = ?");
        values << filter.salesperson;
    }
    if (!filter.products.isEmpty()) {
        QStringList marks;
        for (const QString& key : filter.products) {
            marks << QStringLiteral("?");
            values << key;
        }
        where << QStringLiteral("EXISTS (SELECT 1 FROM itens i WHERE i.pedido = p.numero AND i.produto IN (%1))")
                     .arg(marks.join(QLatin1Char(',')));
    }
    if (filter.minimumCents > 0) {
        where << QStringLiteral("p.total_centavos >= ?");
        values << filter.minimumCents;
    }
    if (filter.from.isValid()) {
        where << QStringLiteral("p.data >= ?");
        values << filter.from.toString(DateFormat);
    }
    if (filter.to.isValid()) {
        where << QStringLiteral("p.data <= ?");
        values << filter.to.toString(DateFormat);
    }
    QString sql = QStringLiteral("SELECT p.numero, p.data, c.descricao, v.descricao, p.itens, p.total_centavos"
                                 " FROM pedidos p JOIN clientes c ON c.chave = p.cliente"
                                 " JOIN vendedores v ON v.chave = p.vendedor");
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY p.data DESC, p.numero DESC");
    QSqlQuery q(database());
    if (!q.prepare(sql))
        fail(QStringLiteral("cannot prepare the order search"), q.lastError());
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        fail(QStringLiteral("the order search failed"), q.lastError());
    return q;
}

std::vector<DemoDatabase::OrderLine> DemoDatabase::orderLines(int number) const
{
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT pr.codigo, pr.descricao, i.quantidade, i.preco_centavos FROM itens i"
                             " JOIN produtos pr ON pr.chave = i.produto WHERE i.pedido = ? ORDER BY i.linha"));
    q.addBindValue(number);
    if (!q.exec())
        fail(QStringLiteral("cannot read the order's lines"), q.lastError());
    std::vector<OrderLine> lines;
    while (q.next())
        lines.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toLongLong()});
    return lines;
}

void DemoDatabase::load(const QString& table, const QString& resource, bool withCode)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error(("missing data file " + resource).toStdString());
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    in.readLine(); // header
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(withCode ? QStringLiteral("INSERT INTO %1 (codigo, descricao, chave) VALUES (?, ?, ?)").arg(table)
                       : QStringLiteral("INSERT INTO %1 (descricao, chave) VALUES (?, ?)").arg(table));
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty())
            continue;
        const QStringList f = splitCsv(line);
        if (f.size() != (withCode ? 3 : 2))
            throw std::runtime_error(("bad line in " + resource + ": " + line).toStdString());
        for (int i = 0; i < f.size(); ++i)
            q.bindValue(i, f.at(i));
        if (!q.exec())
            fail(QStringLiteral("cannot load %1").arg(table), q.lastError());
    }
}

std::optional<DemoDatabase::Record> DemoDatabase::one(const QString& sql, const QString& value) const
{
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(sql);
    q.addBindValue(value);
    if (!q.exec())
        fail(QStringLiteral("query failed"), q.lastError());
    if (!q.next())
        return std::nullopt;
    return Record{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
}

std::optional<DemoDatabase::Record> DemoDatabase::customerByCode(const QString& code) const
{
    return one(QStringLiteral("SELECT codigo, descricao, chave FROM clientes WHERE codigo = ?"), code.trimmed());
}

std::optional<DemoDatabase::Record> DemoDatabase::salespersonByName(const QString& name) const
{
    if (name.trimmed().isEmpty())
        return std::nullopt;
    // SQLite's LIKE folds ASCII case only: compare lower-cased in Qt's terms.
    QSqlQuery q(QSqlDatabase::database(connection_));
    if (!q.exec(QStringLiteral("SELECT '', descricao, chave FROM vendedores ORDER BY descricao")))
        fail(QStringLiteral("query failed"), q.lastError());
    const QString wanted = name.trimmed().toLower();
    while (q.next())
        if (q.value(1).toString().toLower().startsWith(wanted))
            return Record{QString(), q.value(1).toString(), q.value(2).toString()};
    return std::nullopt;
}

std::optional<DemoDatabase::Record> DemoDatabase::salespersonByKey(const QString& key) const
{
    return one(QStringLiteral("SELECT '', descricao, chave FROM vendedores WHERE chave = ?"), key);
}

std::vector<DemoDatabase::Record> DemoDatabase::salespeopleLike(const QString& text, int limit) const
{
    // The user's % and _ are letters here, not wildcards.
    QString pattern = text;
    pattern.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    pattern.replace(QLatin1String("%"), QLatin1String("\\%"));
    pattern.replace(QLatin1String("_"), QLatin1String("\\_"));
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral("SELECT descricao, chave FROM vendedores"
                             " WHERE descricao LIKE ? || '%' ESCAPE '\\' OR descricao LIKE '% ' || ? || '%' ESCAPE '\\'"
                             " ORDER BY descricao LIMIT ?"));
    q.addBindValue(pattern);
    q.addBindValue(pattern);
    q.addBindValue(limit);
    if (!q.exec())
        fail(QStringLiteral("query failed"), q.lastError());
    std::vector<Record> found;
    while (q.next())
        found.push_back(Record{QString(), q.value(0).toString(), q.value(1).toString()});
    return found;
}

std::optional<DemoDatabase::Record> DemoDatabase::productByCode(const QString& code) const
{
    return one(QStringLiteral("SELECT codigo, descricao, chave FROM produtos WHERE codigo = ?"), code.trimmed());
}

int DemoDatabase::count(const QString& table) const
{
    QSqlQuery q(QSqlDatabase::database(connection_));
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) || !q.next())
        return -1;
    return q.value(0).toInt();
}
