#include "AllControlsExpectations.h"

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QColor>
#include <QDir>
#include <QUiLoader>
#include <QXmlStreamReader>
#include <cstring>
#include <memory>
#include <gtest/gtest.h>

using namespace zev::testing;

namespace {

struct Expected {
    const char* name;
    const char* control;
    const char* header;
    int image;
};

const Expected expected[] = {
    {"zev::ZEVNumericWidget", "ZEVNumeric", "qt/ZEVNumericWidget.h", 30004},
    {"zev::ZEVCodeDescriptionWidget", "ZEVCodeDescription", "qt/ZEVCodeDescriptionWidget.h", 30003},
    {"zev::ZEVDescriptionOnlyWidget", "ZEVDescriptionOnly", "qt/ZEVDescriptionOnlyWidget.h", 30002},
    {"zev::ZEVPersistComboWidget", "ZEVPersistCombo", "qt/ZEVPersistComboWidget.h", 30001},
    {"zev::ZEVDateRangeWidget", "ZEVDateRange", "qt/ZEVDateRangeWidget.h", 30000},
};

QList<QDesignerCustomWidgetInterface*> pluginWidgets()
{
    static QPluginLoader loader(QStringLiteral(ZEV_DESIGNER_PLUGIN));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    EXPECT_NE(collection, nullptr) << loader.errorString().toStdString();
    return collection ? collection->customWidgets() : QList<QDesignerCustomWidgetInterface*>();
}

quint32 le(const QByteArray& b, int at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

} // namespace

TEST(DesignerPlugin, PublishesTheFiveControlsInTheirGroup)
{
    const auto widgets = pluginWidgets();
    ASSERT_EQ(widgets.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const Expected& e = expected[i];
        QDesignerCustomWidgetInterface* w = widgets[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(w->name(), QLatin1String(e.name));
        EXPECT_EQ(w->group(), QStringLiteral("ZEV Suite Controls"));
        EXPECT_EQ(w->includeFile(), QLatin1String(e.header));
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(ZEV_SOURCE_DIR "/") + w->includeFile()));
        EXPECT_FALSE(w->toolTip().isEmpty());
        EXPECT_GT(w->whatsThis().size(), w->toolTip().size());
        EXPECT_FALSE(w->isContainer());
        EXPECT_EQ(w->icon().availableSizes(), QList<QSize>{QSize(16, 15)});

        // The default placement: the design size.
        QXmlStreamReader xml(w->domXml());
        QString displayName, widgetClass;
        QSize placed;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("ui"))
                displayName = xml.attributes().value(QLatin1String("displayname")).toString();
            else if (xml.name() == QLatin1String("widget"))
                widgetClass = xml.attributes().value(QLatin1String("class")).toString();
            else if (xml.name() == QLatin1String("width"))
                placed.setWidth(xml.readElementText().toInt());
            else if (xml.name() == QLatin1String("height"))
                placed.setHeight(xml.readElementText().toInt());
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(displayName, QLatin1String(e.control));
        EXPECT_EQ(widgetClass, QLatin1String(e.name));
        // No placement of its own: Designer places a new control at its size hint.
        EXPECT_FALSE(placed.isValid());

        // Made as Designer makes it: a new control at once, of the class
        // whose size hint, user property and focus the Qt suite checks.
        QWidget form;
        QWidget* made = w->createWidget(&form);
        ASSERT_NE(made, nullptr);
        EXPECT_STREQ(made->metaObject()->className(), e.name);
        form.show();
        EXPECT_TRUE(made->isEnabled());
        // A value the control refuses, written from the property sheet, is reported, not thrown.
        QSignalSpy errors(made, SIGNAL(errorRaised(int,QString)));
        EXPECT_TRUE(made->setProperty("Appearance", 100000));
        EXPECT_NE(made->property("Appearance").toInt(), 100000);
        ASSERT_EQ(errors.count(), 1);
        EXPECT_EQ(errors[0][0].toInt(), 6);
    }
}

TEST(DesignerPlugin, ToolboxImagesAre16By15TrueColourUncompressedBitmaps)
{
    ASSERT_EQ(pluginWidgets().size(), 5); // loads the plugin and its resources
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.image);
        QFile embedded(QStringLiteral(":/zev/designer/%1.bmp").arg(e.image));
        ASSERT_TRUE(embedded.open(QIODevice::ReadOnly));
        const QByteArray bmp = embedded.readAll();
        ASSERT_GE(bmp.size(), 54);
        EXPECT_EQ(bmp.left(2), QByteArray("BM"));
        EXPECT_EQ(le(bmp, 2, 4), quint32(bmp.size()));
        EXPECT_EQ(le(bmp, 18, 4), 16u);  // width
        EXPECT_EQ(le(bmp, 22, 4), 15u);  // height
        EXPECT_EQ(le(bmp, 28, 2), 24u);  // bits per pixel
        EXPECT_EQ(le(bmp, 30, 4), 0u);   // no compression
        EXPECT_EQ(bmp.size(), 54 + 16 * 3 * 15);
        const QImage image = QImage::fromData(bmp, "BMP");
        EXPECT_EQ(image.size(), QSize(16, 15));
        int drawn = 0;
        const QRgb background = image.pixel(0, 14);
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x)
                drawn += image.pixel(x, y) != background;
        EXPECT_GT(drawn, 20);
        // What the plugin embeds is what the repository holds.
        QFile committed(QStringLiteral(ZEV_SOURCE_DIR "/designer/images/%1.bmp").arg(e.image));
        ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
        EXPECT_EQ(committed.readAll(), bmp);
    }
}

TEST(DesignerPlugin, QUiLoaderMakesTheFormWithThePluginAndLoadsItInTheControlsReadingOrder)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(ZEV_DESIGNER_PLUGIN)).absolutePath());
    for (const Expected& e : expected)
        EXPECT_TRUE(loader.availableWidgets().contains(QLatin1String(e.name))) << e.name;
    QFile file(QStringLiteral(ZEV_TEST_DATA "/AllControls.ui"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_TRUE(form) << loader.errorString().toStdString();
    expectAllControlsLoaded(*form);
    QLocale::setDefault(QLocale::c());
}

#ifdef ZEV_MIGRATED_DIR
// Forms brought across by zev-migrate: the plugin makes each of our controls
// with the properties the form file gave it (a system colour included).
TEST(DesignerPlugin, QUiLoaderLoadsFormsBroughtAcrossByZevMigrate)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(ZEV_DESIGNER_PLUGIN)).absolutePath());
    loader.setWorkingDirectory(QDir(QStringLiteral(ZEV_MIGRATED_DIR)));
    for (const char* name : {"frmPedido", "frmFiltro"}) {
        SCOPED_TRACE(name);
        QFile file(QStringLiteral(ZEV_MIGRATED_DIR "/%1.ui").arg(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        std::unique_ptr<QWidget> form(loader.load(&file));
        ASSERT_TRUE(form) << loader.errorString().toStdString();
        int ours = 0;
        for (QWidget* w : form->findChildren<QWidget*>())
            ours += QByteArray(w->metaObject()->className()).startsWith("zev::ZEV");
        EXPECT_GE(ours, 5);
    }
    QFile file(QStringLiteral(ZEV_MIGRATED_DIR "/frmPedido.ui"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_TRUE(form);
    QWidget* customer = form->findChild<QWidget*>(QStringLiteral("cdCliente"));
    ASSERT_NE(customer, nullptr);
    EXPECT_EQ(customer->property("Code").toString(), QStringLiteral("42"));
    EXPECT_EQ(customer->property("DescriptionBackColor").value<QColor>(), QApplication::palette().color(QPalette::Base));
    QLocale::setDefault(QLocale::c());
}
#endif
