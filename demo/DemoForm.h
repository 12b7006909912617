#pragma once

#include <QWidget>
#include <memory>

class DemoDatabase;
class EventLog;
class QLabel;
class QPushButton;

namespace zev {
class ZEVCodeDescriptionWidget;
class ZEVDateRangeWidget;
class ZEVDescriptionOnlyWidget;
class ZEVNumericWidget;
class ZEVPersistComboWidget;
} // namespace zev

// An order filter of a business application: customer, salesperson, products,
// a minimum amount and a period, each a control of the library; the host's
// Search handlers look the records up in the demo database.
class DemoForm : public QWidget {
    Q_OBJECT
public:
    DemoForm(DemoDatabase& database, const QString& formFile, QWidget* parent = nullptr);
    ~DemoForm() override;

    zev::ZEVCodeDescriptionWidget& customer() const { return *customer_; }
    zev::ZEVDescriptionOnlyWidget& salesperson() const { return *salesperson_; }
    zev::ZEVPersistComboWidget& products() const { return *products_; }
    zev::ZEVNumericWidget& amount() const { return *amount_; }
    zev::ZEVDateRangeWidget& period() const { return *period_; }
    QWidget& controlsPanel() const { return *controlsPanel_; }
    EventLog& log() const { return *log_; }

    void saveForm();
    void loadForm();
    QString formFile() const { return formFile_; }

private:
    void connectSearches();
    void status(const QString& text);

    DemoDatabase& database_;
    QString formFile_;
    QWidget* controlsPanel_;
    zev::ZEVCodeDescriptionWidget* customer_;
    zev::ZEVDescriptionOnlyWidget* salesperson_;
    zev::ZEVPersistComboWidget* products_;
    zev::ZEVNumericWidget* amount_;
    zev::ZEVDateRangeWidget* period_;
    EventLog* log_;
    QLabel* status_;
};
