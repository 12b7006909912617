// A column of codes pasted or dropped into the list lookup's code box is
// searched and added code by code, with one message at the end; a single
// code goes into the box as before.

#include "PasteWays.h"
#include "QtTestSupport.h"

#include <QMessageBox>
#include <QVBoxLayout>

using namespace zev;
using namespace zev::testing;

namespace {

// Codes filled with zeros to three digits; the host knows 001 to 009 (key K001...).
struct Products {
    QWidget window;
    ZEVPersistComboWidget* list = new ZEVPersistComboWidget;
    QLineEdit* code = list->ControlCode();
    QStringList events; // name(arguments), as raised
    QStringList shown;  // the messages
    ModalAnswer answer{[this](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            shown << box->text();
        dialog.accept();
    }};

    Products()
    {
        (new QVBoxLayout(&window))->addWidget(list);
        list->setFillZeros(true);
        list->setCodeMaxLength(3);
        list->setShowCodeInCombo(true);
        QObject::connect(list, &ZEVPersistComboWidget::Search, [this](QString& key, bool& success, eSource&) {
            const int n = list->Code().toInt();
            if (n < 1 || n > 9)
                return;
            list->setDescription(QStringLiteral("Produto ") + list->Code());
            key = QStringLiteral("K") + list->Code();
            success = true;
        });
        QObject::connect(list, &ZEVControlWidget::eventRaised, [this](const QString& name, QVariantList& arguments) {
            QStringList values;
            for (const QVariant& v : arguments)
                values << v.toString();
            events << name + QLatin1Char('(') + values.join(QLatin1Char(',')) + QLatin1Char(')');
        });
        showActive(window);
        code->setFocus();
    }
    QStringList keys() const
    {
        QStringList k;
        for (int i = 0; i < list->count(); ++i)
            k << list->GetPkey(qint16(i));
        return k;
    }
};

} // namespace

TEST(CodeListPaste, EachWayInSearchesEveryCodeAndShowsOneSummary)
{
    for (const auto& [name, pasteInto] : pasteWays()) {
        SCOPED_TRACE(name);
        Products f;
        pasteInto(f.code, QStringLiteral("1\n99\r\n001\n"));
        EXPECT_EQ(f.keys(), QStringList{QStringLiteral("K001")});
        EXPECT_EQ(f.shown, QStringList{QStringLiteral("1 item adicionado. Não encontrado: 99. Repetido: 001.")});
        EXPECT_EQ(f.code->text(), QString());
    }
}

TEST(CodeListPaste, ASingleCodeGoesIntoTheBoxAsQtPutsItThereWithNoSearch)
{
    for (const char* pasted : {"12", "12\n", " 7 ", "5;", "\n,"}) {
        SCOPED_TRACE(pasted);
        const QString text = QString::fromLatin1(pasted);
        QLineEdit plain; // what a paste does in any line edit
        QGuiApplication::clipboard()->setText(text);
        plain.paste();
        Products f;
        QTest::keyClick(f.code, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(f.code->text(), plain.text());
        EXPECT_EQ(f.list->Code(), plain.text());
        EXPECT_FALSE(f.events.join(QLatin1Char(' ')).contains(QLatin1String("Search"))) << f.events.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(f.shown, QStringList());
    }
}

TEST(CodeListPaste, EachPastedCodeRaisesTheEventsOfATypedCodeSearchedAndConfirmed)
{
    Products typed;
    for (const char* c : {"7", "8"}) {
        QTest::keyClicks(typed.code, QString::fromLatin1(c));
        QTest::keyClick(typed.code, Qt::Key_Return);
        QTest::keyClick(typed.list->ControlDescription(), Qt::Key_Return);
    }
    Products pasted;
    pasteWays().front().second(pasted.code, QStringLiteral("7\n8"));
    ASSERT_EQ(typed.keys(), QStringList({QStringLiteral("K007"), QStringLiteral("K008")}));
    EXPECT_EQ(pasted.keys(), typed.keys());
    EXPECT_EQ(pasted.events, typed.events);
    EXPECT_EQ(pasted.shown, QStringList{QStringLiteral("2 itens adicionados.")});
}
