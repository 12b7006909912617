#include "DemoDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>
#include <QVariant>
#include <stdexcept>

namespace {

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
    if (!existed || count(QStringLiteral("clientes")) <= 0) {
        create();
        createdNow_ = true;
    }
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
    const char* ddl[] = {
        "DROP TABLE IF EXISTS clientes",
        "DROP TABLE IF EXISTS vendedores",
        "DROP TABLE IF EXISTS produtos",
        "CREATE TABLE clientes (codigo TEXT PRIMARY KEY, descricao TEXT NOT NULL, chave TEXT NOT NULL)",
        "CREATE TABLE vendedores (descricao TEXT NOT NULL, chave TEXT PRIMARY KEY)",
        "CREATE TABLE produtos (codigo TEXT PRIMARY KEY, descricao TEXT NOT NULL, chave TEXT NOT NULL)",
    };
    for (const char* sql : ddl)
        if (!q.exec(QString::fromLatin1(sql)))
            fail(QStringLiteral("cannot create the tables"), q.lastError());
    db.transaction();
    load(QStringLiteral("clientes"), QStringLiteral(":/demo/data/clientes.csv"), true);
    load(QStringLiteral("vendedores"), QStringLiteral(":/demo/data/vendedores.csv"), false);
    load(QStringLiteral("produtos"), QStringLiteral(":/demo/data/produtos.csv"), true);
    if (!db.commit())
        fail(QStringLiteral("cannot store the demo data"), db.lastError());
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
