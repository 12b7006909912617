#pragma once

#include <QMainWindow>
#include <QJsonObject>
#include <functional>

class DemoDatabase;
class EventLog;
class OrdersModel;
class QAction;
class QDockWidget;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class TotalsChart;

namespace zev {
class ZEVCodeDescriptionWidget;
class ZEVDateRangeWidget;
class ZEVDescriptionOnlyWidget;
class ZEVNumericWidget;
class ZEVPersistComboWidget;
} // namespace zev

// An order search of a business application: customer, salesperson, products,
// a minimum amount and a period, each a control of the library, whose Search
// handlers look the records up in the demo database; "Pesquisar" (F5) finds
// the orders that match, lists them with their count and sum, and charts
// their totals over the period.
class DemoForm : public QMainWindow {
    Q_OBJECT
public:
    DemoForm(DemoDatabase& database, const QString& formFile, QWidget* parent = nullptr);
    ~DemoForm() override;

    DemoDatabase& database() const { return database_; }
    zev::ZEVCodeDescriptionWidget& customer() const { return *customer_; }
    zev::ZEVDescriptionOnlyWidget& salesperson() const { return *salesperson_; }
    zev::ZEVPersistComboWidget& products() const { return *products_; }
    zev::ZEVNumericWidget& amount() const { return *amount_; }
    zev::ZEVDateRangeWidget& period() const { return *period_; }
    QWidget& controlsPanel() const { return *controlsPanel_; }
    EventLog& log() const { return *log_; }
    QDockWidget& logDock() const { return *logDock_; }
    QPushButton& searchButton() const { return *searchButton_; }
    QTableView& results() const { return *table_; }
    TotalsChart& chart() const { return *chart_; }
    QLabel& summary() const { return *summary_; }
    QString statusText() const;

    // Runs the search from the controls; false when the filter cannot run
    // (the reason is in the status line).
    bool search();
    // Empties every control of the filter, the period included.
    void clearFilter();
    int resultCount() const { return resultCount_; }
    qint64 resultCents() const { return resultCents_; }
    qint64 lastQueryMilliseconds() const { return lastQueryMilliseconds_; }

    // Writes the results as the table shows them (its order, its texts).
    bool exportCsv(const QString& path);
    void showOrderLines(int row);

    bool saveForm();
    bool loadForm();
    QString formFile() const { return formFile_; }

private:
    void buildMenus();
    void connectSearches();
    // The salesperson's type-ahead: the salespeople whose name starts with what is typed.
    void connectSuggestions();
    void exportCsvAs();
    void status(const QString& text, bool problem = false);
    QJsonObject listsAndPeriods() const;
    // Checks the saved lists and periods; the function returned puts them on the form.
    std::function<void()> readListsAndPeriods(const QJsonObject& lists, const QJsonObject& periods);

    DemoDatabase& database_;
    QString formFile_;
    QWidget* controlsPanel_;
    zev::ZEVCodeDescriptionWidget* customer_;
    zev::ZEVDescriptionOnlyWidget* salesperson_;
    QStandardItemModel* salespersonSuggestions_;
    zev::ZEVPersistComboWidget* products_;
    zev::ZEVNumericWidget* amount_;
    zev::ZEVDateRangeWidget* period_;
    QPushButton* searchButton_;
    QPushButton* exportButton_;
    OrdersModel* model_;
    QSortFilterProxyModel* proxy_;
    QTableView* table_;
    QLabel* summary_;
    TotalsChart* chart_;
    EventLog* log_;
    QDockWidget* logDock_;
    QLabel* status_;
    int resultCount_ = 0;
    qint64 resultCents_ = 0;
    qint64 lastQueryMilliseconds_ = 0;
};
