// A form designed in Qt Designer (tests/qt/data/AllControls.ui) loads, through
// uic's code and through QUiLoader, as the same controls loaded from their
// saved property bags. (The Designer plugin's QUiLoader path runs in tests/designer.)

#include "AllControlsExpectations.h"
#include "QtTestSupport.h"
#include "framework/MemoryPropertyBag.h"
#include "ui_AllControls.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <map>

using namespace zev;
using namespace zev::testing;

namespace {

// The bags a container saves for the same controls (colours 0x00BBGGRR).
struct Saved {
    const char* name;
    const char* className;
    std::map<QString, QVariant> bag;
};
const Saved saved[] = {
    {"price", "zev::ZEVNumericWidget",
     {{"Appearance", 1}, {"AllowNegative", false}, {"BackColor", 0xE0FFFF}, {"ForeColorPositive", 0x008000},
      {"ForeColorNegative", 0x000080}, {"ForeColorZero", 0x808080}, {"Format", 2}, {"StartZero", false},
      {"Text", "1234,5"}, {"CustomFormat", "#,##0.000"}}},
    {"quantity", "zev::ZEVNumericWidget", {{"Enabled", false}, {"Format", 1}, {"Locked", true}, {"Text", "2"}}},
    {"customer", "zev::ZEVCodeDescriptionWidget",
     {{"Appearance", 1}, {"Code", "12"}, {"CodeBackColor", 0xC0FFFF}, {"CodeForeColor", 0x800000},
      {"CodeMaxLength", 6}, {"CodeSize", 6}, {"Description", " Acme Ltda "}, {"DescriptionBackColor", 0xFFFFFF},
      {"DescriptionForeColor", 0x000080}, {"FieldPkey", "cliente_id"}, {"FillZeros", true}, {"FontBold", true},
      {"FontItalic", true}, {"FontSize", 9}, {"FontUnderline", true}, {"Loaded", true}, {"ShowF3", false}}},
    {"product", "zev::ZEVDescriptionOnlyWidget",
     {{"Appearance", 1}, {"BackColor", 0xE0FFFF}, {"Description", "Parafuso"}, {"FieldPkey", "produto_id"},
      {"FontBold", true}, {"FontSize", 10}, {"ForeColor", 0xFF0000}, {"Loaded", true}, {"Locked", true},
      {"ShowF3", false}}},
    {"filter", "zev::ZEVPersistComboWidget",
     {{"AllowItemDuplication", true}, {"Appearance", 1}, {"Code", "5"}, {"CodeBackColor", 0xC0FFFF},
      {"CodeForeColor", 0x800000}, {"CodeMaxLength", 5}, {"CodeSize", 5}, {"Description", "Beta"},
      {"DescriptionBackColor", 0xF0F0F0}, {"DescriptionForeColor", 0x008000}, {"FieldPkey", "filtro_id"},
      {"FillZeros", true}, {"FontItalic", true}, {"FontSize", 10}, {"Loaded", true}, {"ShowF3", false},
      {"ShowCodeInCombo", true}}},
    {"period", "zev::ZEVDateRangeWidget", {{"Appearance", 1}, {"BackColor", 0xFFFFFF}}},
};

QStringList texts(QWidget* w)
{
    QStringList all;
    for (auto* e : w->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        all << e->objectName() + "=" + e->text();
    for (auto* l : w->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        all << l->objectName() + "=" + l->text();
    return all;
}

// Each control of the form as its twin loaded from the saved bag: the same
// properties, enabled state, texts shown and saved bag. The date range's
// preset (`period`) is kept by the .ui file only.
void expectAsSaved(QWidget& form)
{
    for (const Saved& s : saved) {
        SCOPED_TRACE(s.name);
        auto* loaded = form.findChild<ZEVControlWidget*>(QString::fromLatin1(s.name));
        ASSERT_NE(loaded, nullptr);
        std::unique_ptr<ZEVControlWidget> twin(makeControlWidget(QString::fromLatin1(s.className), nullptr));
        MemoryPropertyBag bag;
        for (const auto& [key, value] : s.bag)
            bag.insert(key, value);
        twin->readProperties(bag);
        const QMetaObject* meta = twin->metaObject();
        for (int i = ZEVControlWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const QMetaProperty p = meta->property(i);
            if (p.isStored() && qstrcmp(p.name(), "period") != 0) {
                EXPECT_EQ(loaded->property(p.name()), twin->property(p.name())) << p.name();
            }
        }
        EXPECT_EQ(loaded->isEnabled(), twin->isEnabled());
        EXPECT_EQ(texts(loaded), texts(twin.get()));
        MemoryPropertyBag a, b;
        loaded->writeProperties(a);
        twin->writeProperties(b);
        EXPECT_EQ(a.keys(), b.keys());
        for (const QString& key : a.keys()) {
            EXPECT_EQ(a.ReadProperty(key), b.ReadProperty(key)) << key.toStdString();
        }
    }
}

} // namespace

using UiLoading = PtBr;

TEST_F(UiLoading, UicAndQUiLoaderGiveTheControlsAsLoadedFromTheirSavedBags)
{
    QWidget uicForm;
    Ui::AllControls ui;
    ui.setupUi(&uicForm);
    expectAllControlsLoaded(uicForm);
    expectAsSaved(uicForm);

    ControlUiLoader loader;
    QFile file(QStringLiteral(ZEV_TEST_DATA "/AllControls.ui"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_TRUE(form) << loader.errorString().toStdString();
    expectAllControlsLoaded(*form);
    expectAsSaved(*form);
}
