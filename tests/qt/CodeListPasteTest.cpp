// A list of codes pasted or dropped into the list lookup's code box is
// searched and added code by code, with one message at the end; a single
// code goes into the box as before.

#include "PasteWays.h"
#include "QtTestSupport.h"

#include <QMessageBox>

using namespace zev;
using namespace zev::testing;

namespace {

// Codes filled with zeros to three digits; the host knows 001 to 009 (key K001...).
struct Products {
    QWidget window;
    ZEVPersistComboWidget* list = new ZEVPersistComboWidget(&window);
    QLineEdit* code = list->ControlCode();
    QStringList events; // name(arguments), as raised
    QStringList shown;  // the messages
    ModalAnswer answer{[this](QDialog& dialog) {
        shown << static_cast<QMessageBox&>(dialog).text();
        dialog.accept();
    }};

    Products()
    {
        list->setFillZeros(true);
        list->setCodeMaxLength(3);
        QObject::connect(list, &ZEVPersistComboWidget::Search, [this](QString& key, bool& success, eSource&) {
            if (const int n = list->Code().toInt(); n >= 1 && n <= 9) {
                list->setDescription(QStringLiteral("Produto ") + list->Code());
                key = QStringLiteral("K") + list->Code();
                success = true;
            }
        });
        QObject::connect(list, &ZEVControlWidget::eventRaised, [this](const QString& name, QVariantList& arguments) {
            events << name + QVariant(arguments).toStringList().join(QLatin1Char(','));
        });
        showActive(window);
        code->setFocus();
    }
    QString keys() const
    {
        QStringList k;
        for (int i = 0; i < list->count(); ++i)
            k << list->GetPkey(qint16(i));
        return k.join(QLatin1Char(' '));
    }
};

} // namespace

TEST(CodeListPaste, EveryCodeIsSearchedAndOneMessageSumsUpTheAddedTheNotFoundAndTheRepeated)
{
    struct Case {
        const char* before; // a code in the list already
        const char* pasted;
        const char* keys;
        const char* summary;
    };
    const Case cases[] = {
        {"", "1\n2", "K001 K002", "2 itens adicionados."},
        {"", "1\r\n2\r\n", "K001 K002", "2 itens adicionados."},
        {"", "1\r2\t3;4,5", "K001 K002 K003 K004 K005", "5 itens adicionados."},
        {"", " 1 ;\t2 ,\n\u00A03\u00A0\r\n\r\n", "K001 K002 K003", "3 itens adicionados."},
        {"", "1\n99\n2\n98", "K001 K002", "2 itens adicionados. Não encontrados: 99, 98."},
        {"", "1\n1\n001", "K001", "1 item adicionado. Repetidos: 1, 001."}, // 001: the same record
        {"2", "2;3", "K002 K003", "1 item adicionado. Repetido: 2."},
        {"4", "12;3,99\t3\n4", "K004 K003", "1 item adicionado. Não encontrados: 12, 99. Repetidos: 3, 4."},
        {"", "99,98", "", "Nenhum item adicionado. Não encontrados: 99, 98."},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.pasted);
        Products f;
        if (*t.before)
            f.list->AddItem(QStringLiteral("x"), QStringLiteral("K00") + QLatin1String(t.before));
        pasteWays().front().second(f.code, QString::fromUtf8(t.pasted));
        EXPECT_EQ(f.keys(), QLatin1String(t.keys));
        EXPECT_EQ(f.shown, QStringList{QString::fromUtf8(t.summary)});
        EXPECT_EQ(f.list->Code() + f.list->Description(), QString());
    }
}

TEST(CodeListPaste, EachWayInTakesTheListAndTheWarningForATypedRepeatComesBackAfter)
{
    for (const auto& [name, pasteInto] : pasteWays()) {
        SCOPED_TRACE(name);
        Products f;
        pasteInto(f.code, QStringLiteral("1\n99\n"));
        f.list->AddItem(QStringLiteral("Produto 001"), QStringLiteral("K001")); // as typed: refused
        EXPECT_EQ(f.shown, QStringList({QStringLiteral("1 item adicionado. Não encontrado: 99."),
                                        QStringLiteral("ATENÇÃO! Este item já foi adicionado na lista de filtro.")}));
    }
}

TEST(CodeListPaste, ASingleCodeGoesIntoTheBoxAsQtPastesItWithNoSearch)
{
    for (const char* pasted : {"12", "12\n", " 7 ", "5;", "\n,"}) {
        SCOPED_TRACE(pasted);
        QLineEdit plain; // what a paste does in any line edit
        QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted));
        plain.paste();
        Products f;
        QTest::keyClick(f.code, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(f.list->Code(), plain.text());
        EXPECT_EQ(f.events.filter(QStringLiteral("Search")), QStringList());
        EXPECT_EQ(f.shown, QStringList());
    }
}

TEST(CodeListPaste, EachPastedCodeRaisesTheEventsOfATypedCodeSearchedAndConfirmed)
{
    Products typed, pasted;
    for (const char* c : {"7", "8"}) {
        QTest::keyClicks(typed.code, QString::fromLatin1(c));
        QTest::keyClick(typed.code, Qt::Key_Return);
        QTest::keyClick(typed.list->ControlDescription(), Qt::Key_Return);
    }
    pasteWays().front().second(pasted.code, QStringLiteral("7\n8"));
    ASSERT_EQ(typed.keys(), QLatin1String("K007 K008"));
    EXPECT_EQ(pasted.keys(), typed.keys());
    EXPECT_EQ(pasted.events, typed.events);
}

TEST(CodeListPaste, APasteBeyondTheLimitIsCutThereAndTheRestReportedAsNotProcessed)
{
    Products f;
    QStringList codes;
    for (int i = 100; i < 1105; ++i)
        codes << QString::number(i); // none known
    pasteWays().front().second(f.code, codes.join(QLatin1Char('\n')));
    EXPECT_EQ(f.events.filter(QStringLiteral("Search")).size(), 1000);
    EXPECT_EQ(f.shown, QStringList{QStringLiteral("Nenhum item adicionado. Não encontrados: ")
                                   + codes.mid(0, 20).join(QStringLiteral(", "))
                                   + QStringLiteral(" e mais 980. 5 códigos não processados (limite de 1000 por colagem).")});
}
