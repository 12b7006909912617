#pragma once

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The demo host's own data: customers, salespeople and products in an
// embedded SQLite file, created on first run from the CSV files shipped with
// the demo, and some 20,000 orders generated around the day the file is made.
// Every Search handler of the demo form asks it, and so does the order search.
class DemoDatabase {
public:
    struct Record {
        QString code;
        QString description;
        QString primaryKey;
    };

    // Opens (creating and filling on first run) the database file at path.
    // Throws std::runtime_error with the reason when it cannot.
    explicit DemoDatabase(const QString& path);
    ~DemoDatabase();
    DemoDatabase(const DemoDatabase&) = delete;
    DemoDatabase& operator=(const DemoDatabase&) = delete;

    std::optional<Record> customerByCode(const QString& code) const;
    // The first salesperson whose name starts with the text (case-insensitive).
    std::optional<Record> salespersonByName(const QString& name) const;
    std::optional<Record> salespersonByKey(const QString& key) const;
    // The salespeople whose name, or a word of it, starts with the text
    // (SQLite's LIKE: ASCII letters in either case), by name; at most `limit`.
    std::vector<Record> salespeopleLike(const QString& text, int limit = 50) const;
    std::optional<Record> productByCode(const QString& code) const;

    // What the order search filters by; an empty or invalid member does not filter.
    struct OrderFilter {
        QString customer;        // primary keys
        QString salesperson;
        QStringList products;    // orders holding any of them
        qint64 minimumCents = 0; // total at least this
        QDateTime from;          // inclusive bounds, local time
        QDateTime to;
    };
    // The matching orders, newest first: number, date (ISO text), customer,
    // salesperson, item count, total in centavos. Throws std::runtime_error.
    QSqlQuery findOrders(const OrderFilter& filter) const;

    struct OrderLine {
        QString code;
        QString description;
        int quantity;
        qint64 unitCents;
    };
    std::vector<OrderLine> orderLines(int number) const;

    int count(const QString& table) const;
    // Primary keys in the order of the shipped files: the orders refer to them by position.
    QStringList keys(const QString& table) const;
    bool createdNow() const { return createdNow_; }
    // The day the orders were generated around, and how long making the file took.
    QDate createdOn() const { return createdOn_; }
    qint64 creationMilliseconds() const { return creationMilliseconds_; }
    QSqlDatabase database() const { return QSqlDatabase::database(connection_); }

private:
    void create();
    void createOrders(const QDate& day);
    void load(const QString& table, const QString& resource, bool withCode);
    std::optional<Record> one(const QString& sql, const QString& value) const;

    QString connection_;
    bool createdNow_ = false;
    QDate createdOn_;
    qint64 creationMilliseconds_ = 0;
};
