// A program that links ZEV::qt (the shared libZEVSuiteControls) and loads a
// form through QUiLoader with the Designer plugin gets widgets of its own
// classes: the plugin uses the same library, so there is one copy of each
// class, and qobject_cast and the meta-objects agree.

#include "AllControlsExpectations.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QFile>
#include <QFileInfo>
#include <QUiLoader>
#include <memory>
#include <gtest/gtest.h>

using namespace zev;

namespace {

template <typename W>
void expectOwnClass(QWidget& form, const char* name)
{
    SCOPED_TRACE(name);
    QWidget* made = form.findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(made, nullptr);
    // Made by the plugin, yet of this program's class.
    EXPECT_EQ(made->metaObject(), &W::staticMetaObject);
    EXPECT_NE(qobject_cast<W*>(made), nullptr);
    EXPECT_NE(qobject_cast<ZEVControlWidget*>(made), nullptr);
    EXPECT_NE(dynamic_cast<W*>(made), nullptr);
    EXPECT_EQ(made->metaObject()->superClass(), &ZEVControlWidget::staticMetaObject);
}

} // namespace

TEST(OneCopy, QUiLoaderWithThePluginMakesTheProgramsOwnClasses)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(ZEV_DESIGNER_PLUGIN)).absolutePath());
    ASSERT_TRUE(loader.availableWidgets().contains(QStringLiteral("zev::ZEVNumericWidget")));
    QFile file(QStringLiteral(ZEV_TEST_DATA "/AllControls.ui"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_TRUE(form) << loader.errorString().toStdString();
    zev::testing::expectAllControlsLoaded(*form);

    expectOwnClass<ZEVNumericWidget>(*form, "price");
    expectOwnClass<ZEVNumericWidget>(*form, "quantity");
    const auto controls = form->findChildren<ZEVControlWidget*>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_GE(controls.size(), 5);
    bool seen[5] = {};
    for (ZEVControlWidget* w : controls) {
        seen[0] |= qobject_cast<ZEVNumericWidget*>(w) != nullptr;
        seen[1] |= qobject_cast<ZEVCodeDescriptionWidget*>(w) != nullptr;
        seen[2] |= qobject_cast<ZEVDescriptionOnlyWidget*>(w) != nullptr;
        seen[3] |= qobject_cast<ZEVPersistComboWidget*>(w) != nullptr;
        seen[4] |= qobject_cast<ZEVDateRangeWidget*>(w) != nullptr;
    }
    for (bool s : seen)
        EXPECT_TRUE(s);

    // The program's API works on what the plugin made.
    auto* price = form->findChild<ZEVNumericWidget*>(QStringLiteral("price"));
    ASSERT_NE(price, nullptr);
    price->setText(QStringLiteral("2,5"));
    EXPECT_EQ(price->value(), 2.5);
    QLocale::setDefault(QLocale::c());
}
