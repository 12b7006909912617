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
    QWidget* quantity = control(form, "quantity");
    QWidget* customer = control(form, "customer");
    QWidget* product = control(form, "product");
    QWidget* filter = control(form, "filter");
    QWidget* period = control(form, "period");
    if (!price || !quantity || !customer || !product || !filter || !period)
        return;

    // StartZero false emptied the field before Text, and the pattern came
    // after the text it must show as a number.
    EXPECT_EQ(price->property("Text").toString(), QStringLiteral("1234,5"));
    EXPECT_EQ(price->property("CustomFormat").toString(), QStringLiteral("#,##0.000"));
    EXPECT_EQ(innerText(price, "txtValue"), QStringLiteral("1.234,500"));
    EXPECT_EQ(price->font().family(), QStringLiteral("Courier New")); // QWidget's font is the control's Font
    EXPECT_EQ(innerText(quantity, "txtValue"), QLocale().toCurrencyString(2.0, QString(), 2));
    EXPECT_FALSE(quantity->isEnabled());

    // Code came before Description, whose setter shows it.
    EXPECT_EQ(customer->property("Code").toString(), QStringLiteral("12"));
    EXPECT_EQ(innerText(customer, "panDescription"), QStringLiteral("Acme Ltda"));
    EXPECT_FALSE(customer->findChild<QWidget*>(QStringLiteral("cmdSearch"))->isVisibleTo(customer));
    EXPECT_EQ(innerText(product, "txtDescription"), QStringLiteral("Parafuso"));
    EXPECT_EQ(filter->property("Description").toString(), QStringLiteral("Beta"));
    EXPECT_EQ(period->property("Appearance").toInt(), 1); // an enumeration by its qualified name
    EXPECT_EQ(period->findChild<QComboBox*>(QStringLiteral("cboFiltro"))->currentIndex(), 7); // -30 Dias
}

} // namespace zev::testing
