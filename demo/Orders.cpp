#include "Orders.h"

#include <algorithm>

namespace orders {

Book generate(const QDate& day, int customers, int salespeople, int products)
{
    Book book;
    if (customers <= 0 || salespeople <= 0 || products <= 0)
        return book;
    Random random(Seed);
    book.priceCents.reserve(std::size_t(products));
    for (int p = 0; p < products; ++p)
        book.priceCents.push_back(250 + random.below(49751)); // R$ 2,50 to R$ 500,00

    book.orders.reserve(OrderCount);
    for (int i = 0; i < OrderCount; ++i) {
        Order order;
        const QDate date = day.addDays(random.below(DaysBack + DaysAhead + 1) - DaysBack);
        // Office hours only: every such time exists, whatever the clocks do that day.
        order.when = QDateTime(date, QTime(8, 0).addSecs(random.below(10 * 3600)));
        order.customer = random.below(customers);
        // Most orders go through the customer's own account manager.
        order.salesperson = random.below(4) == 0 ? random.below(salespeople) : order.customer % salespeople;
        const int lineCount = 1 + random.below(std::min(5, products));
        order.totalCents = 0;
        while (int(order.lines.size()) < lineCount) {
            const int product = random.below(products);
            if (std::any_of(order.lines.begin(), order.lines.end(), [&](const Line& l) { return l.product == product; }))
                continue;
            const Line line{product, 1 + random.below(24), book.priceCents[std::size_t(product)]};
            order.totalCents += line.quantity * line.unitCents;
            order.lines.push_back(line);
        }
        book.orders.push_back(std::move(order));
    }
    // By the wall-clock key: comparing local QDateTimes would ask the time zone each time.
    auto key = [](const Order& o) { return o.when.date().toJulianDay() * 86400 + o.when.time().msecsSinceStartOfDay() / 1000; };
    std::stable_sort(book.orders.begin(), book.orders.end(),
                     [&](const Order& a, const Order& b) { return key(a) < key(b); });
    for (std::size_t i = 0; i < book.orders.size(); ++i)
        book.orders[i].number = FirstNumber + int(i);
    return book;
}

} // namespace orders
