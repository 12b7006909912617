#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

// The demo host's own data: customers, salespeople and products in an
// embedded SQLite file, created on first run from the CSV files shipped with
// the demo. Every Search handler of the demo form asks it.
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
    std::optional<Record> productByCode(const QString& code) const;

    int count(const QString& table) const;
    bool createdNow() const { return createdNow_; }

private:
    void create();
    void load(const QString& table, const QString& resource, bool withCode);
    std::optional<Record> one(const QString& sql, const QString& value) const;

    QString connection_;
    bool createdNow_ = false;
};
