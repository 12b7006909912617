// A form designed in Qt Designer (tests/qt/data/AllControls.ui), made by the
// code uic generates and by QUiLoader, comes up with the designed values in
// effect, whatever order the file lists them in.

#include "AllControlsExpectations.h"
#include "QtTestSupport.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"
#include "ui_AllControls.h"

#include <QFile>
#include <QUiLoader>

using namespace zev;
using namespace zev::testing;

namespace {

class PtBr : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

// QUiLoader making the library's widgets from the application's own classes.
class ApplicationLoader : public QUiLoader {
public:
    ApplicationLoader() { clearPluginPaths(); }
    QStringList made;

    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override
    {
        QWidget* w = nullptr;
        if (className == QLatin1String("zev::ZEVNumericWidget"))
            w = new ZEVNumericWidget(parent);
        else if (className == QLatin1String("zev::ZEVCodeDescriptionWidget"))
            w = new ZEVCodeDescriptionWidget(parent);
        else if (className == QLatin1String("zev::ZEVDescriptionOnlyWidget"))
            w = new ZEVDescriptionOnlyWidget(parent);
        else if (className == QLatin1String("zev::ZEVPersistComboWidget"))
            w = new ZEVPersistComboWidget(parent);
        else if (className == QLatin1String("zev::ZEVDateRangeWidget"))
            w = new ZEVDateRangeWidget(parent);
        if (!w)
            return QUiLoader::createWidget(className, parent, name);
        w->setObjectName(name);
        made << className;
        return w;
    }
};

} // namespace

using UiLoading = PtBr;

TEST_F(UiLoading, UicGeneratedCodeAppliesTheDesignInTheControlsReadingOrder)
{
    QWidget form;
    Ui::AllControls ui;
    ui.setupUi(&form);
    EXPECT_FALSE(ui.price->isStarted()); // nothing has used it yet
    expectAllControlsLoaded(form);
    showActive(form);
    // After the start every write applies at once.
    ui.price->setStartZero(true);
    EXPECT_EQ(ui.price->Text(), QStringLiteral("0"));
}

TEST_F(UiLoading, QUiLoaderAppliesTheDesignInTheControlsReadingOrder)
{
    QFile file(QStringLiteral(ZEV_TEST_DATA "/AllControls.ui"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ApplicationLoader loader;
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_TRUE(form) << loader.errorString().toStdString();
    EXPECT_EQ(loader.made.size(), 6);
    expectAllControlsLoaded(*form);
}

TEST_F(UiLoading, AWidgetPlacedWithoutPropertiesStartsNew)
{
    ZEVCodeDescriptionWidget fresh;
    EXPECT_EQ(fresh.CodeSize(), 10);
    EXPECT_EQ(fresh.CodeFont().pointSizeF(), 8.25); // InitProperties leaves the designed fonts
    ZEVCodeDescriptionWidget loaded;
    loaded.setShowF3(false);
    EXPECT_EQ(loaded.CodeFont().pointSizeF(), 8.0); // read as a saved form: FontSize 8
}
