// A form designed in Qt Designer (tests/qt/data/AllControls.ui), made by the
// code uic generates, comes up with the designed values in effect, whatever
// order the file lists them in. (QUiLoader's way, setProperty on the same
// widgets, runs with the Designer plugin in tests/designer.)

#include "AllControlsExpectations.h"
#include "QtTestSupport.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"
#include "ui_AllControls.h"

using namespace zev;
using namespace zev::testing;

namespace {

class PtBr : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
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

TEST_F(UiLoading, AWidgetPlacedWithoutPropertiesStartsNew)
{
    ZEVCodeDescriptionWidget fresh;
    EXPECT_EQ(fresh.CodeSize(), 10);
    EXPECT_EQ(fresh.CodeFont().pointSizeF(), 8.25); // InitProperties leaves the designed fonts
    ZEVCodeDescriptionWidget loaded;
    loaded.setShowF3(false);
    EXPECT_EQ(loaded.CodeFont().pointSizeF(), 8.0); // read as a saved form: FontSize 8
}
