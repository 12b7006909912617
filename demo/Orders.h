#pragma once

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <cstdint>
#include <vector>

// The demo's orders, generated rather than shipped: the same seed and the same
// day give the same orders on every machine, so the tour can check a search
// against figures it works out itself. Amounts are whole centavos, so sums are
// exact whatever the order they are added in.
namespace orders {

// splitmix64: small, fast and fully specified, so the orders do not depend on
// the standard library's distributions (which differ between implementations).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A whole number from 0 to n - 1 (n > 0).
    int below(int n) { return int((next() >> 11) % std::uint64_t(n)); }

private:
    std::uint64_t state_;
};

struct Line {
    int product;          // index into the product keys
    int quantity;
    qint64 unitCents;
};

struct Order {
    int number;
    QDateTime when;       // local time
    int customer;         // index into the customer keys
    int salesperson;      // index into the salesperson keys
    std::vector<Line> lines;
    qint64 totalCents;
};

struct Book {
    std::vector<qint64> priceCents; // per product
    std::vector<Order> orders;      // by date, numbered in that order
};

constexpr std::uint64_t Seed = 0x5EED'0F'0DE5'2026ULL;
constexpr int OrderCount = 20000;
constexpr int FirstNumber = 100001;
// About 18 months around the day the database is made: a year back, half a year ahead.
constexpr int DaysBack = 365;
constexpr int DaysAhead = 182;

// The orders of a database made on `day`, for catalogues of the given sizes.
Book generate(const QDate& day, int customers, int salespeople, int products);

} // namespace orders
