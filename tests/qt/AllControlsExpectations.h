#pragma once

// What tests/qt/data/AllControls.ui holds, checked through Qt's property
// system and the inner widgets' object names only, so that it serves forms
// made by uic, by QUiLoader with the application's classes and by QUiLoader
// with the Designer plugin alike. The numeric field's text is read in the
// locale pt_BR.

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QWidget>
#include <gtest/gtest.h>

namespace zev::testing {

inline QWidget* control(QWidget& form, const char* name)
{
    auto* w = form.findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline QString innerText(QWidget* control, const char* widget)
{
    if (auto* e = control->findChild<QLineEdit*>(QString::fromLatin1(widget)))
        return e->text();
    if (auto* l = control->findChild<QLabel*>(QString::fromLatin1(widget)))
        return l->text();
    ADD_FAILURE() << "no " << widget;
    return QString();
}

inline void expectAllControlsLoaded(QWidget& form)
{
    QWidget* price = control(form, "price");
    QWidget* customer = control(form, "customer");
    QWidget* product = control(form, "product");
    QWidget* filter = control(form, "filter");
    QWidget* period = control(form, "period");
    if (!price || !customer || !product || !filter || !period)
        return;

    // CustomFormat was listed before Text, and StartZero false left the field
    // empty: in the .ui order the pattern would have been refused.
    EXPECT_EQ(price->property("Text").toString(), QStringLiteral("1234,5"));
    EXPECT_EQ(price->property("CustomFormat").toString(), QStringLiteral("#,##0.000"));
    EXPECT_EQ(price->property("Format").toInt(), 2);
    EXPECT_EQ(innerText(price, "txtValue"), QStringLiteral("1.234,500"));
    EXPECT_FALSE(price->property("StartZero").toBool());
    EXPECT_FALSE(price->property("AllowNegative").toBool());
    EXPECT_EQ(price->property("ForeColorPositive").value<QColor>(), QColor(0, 128, 0));
    const QFont priceFont = price->property("Font").value<QFont>();
    EXPECT_EQ(priceFont.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(priceFont.pointSizeF(), 10.0);

    QWidget* quantity = control(form, "quantity");
    ASSERT_NE(quantity, nullptr);
    EXPECT_EQ(quantity->property("Format").toInt(), 1); // an enumeration value by its qualified name
    EXPECT_EQ(innerText(quantity, "txtValue"), QLocale().toCurrencyString(2.0, QString(), 2));

    // Description was listed before Code, whose change would have emptied it.
    EXPECT_EQ(customer->property("Code").toString(), QStringLiteral("12"));
    EXPECT_EQ(customer->property("Description").toString(), QStringLiteral("Acme Ltda"));
    EXPECT_EQ(innerText(customer, "panDescription"), QStringLiteral("Acme Ltda"));
    EXPECT_FALSE(customer->property("Loaded").toBool()); // "Loaded", read last, was not saved
    EXPECT_EQ(customer->property("CodeMaxLength").toInt(), 6);
    EXPECT_EQ(customer->property("CodeSize").toInt(), 6);
    EXPECT_EQ(customer->property("CodeBackColor").value<QColor>(), QColor(255, 255, 192));
    EXPECT_TRUE(customer->property("FontBold").toBool());
    EXPECT_TRUE(customer->property("FillZeros").toBool());
    EXPECT_FALSE(customer->property("ShowF3").toBool());
    EXPECT_FALSE(customer->findChild<QWidget*>(QStringLiteral("cmdSearch"))->isVisibleTo(customer));

    EXPECT_EQ(product->property("Description").toString(), QStringLiteral("Parafuso"));
    EXPECT_TRUE(product->property("Locked").toBool());
    EXPECT_EQ(product->property("BackColor").value<QColor>(), QColor(Qt::white));
    EXPECT_EQ(product->property("ForeColor").value<QColor>(), QColor(0, 0, 255));
    EXPECT_EQ(product->property("FieldPkey").toString(), QStringLiteral("produto_id"));
    EXPECT_EQ(product->property("FontSize").toInt(), 10);

    EXPECT_EQ(filter->property("Code").toString(), QStringLiteral("5"));
    EXPECT_EQ(filter->property("Description").toString(), QStringLiteral("Beta"));
    EXPECT_TRUE(filter->property("AllowItemDuplication").toBool());
    EXPECT_TRUE(filter->property("ShowCodeInCombo").toBool());
    EXPECT_EQ(filter->property("CodeSize").toInt(), 5);
    EXPECT_TRUE(filter->property("FontItalic").toBool());

    EXPECT_EQ(period->property("Appearance").toInt(), 1);
    EXPECT_EQ(period->property("BackColor").value<QColor>(), QColor(Qt::white));
    EXPECT_EQ(period->findChild<QComboBox*>(QStringLiteral("cboFiltro"))->count(), 18);
}

} // namespace zev::testing
