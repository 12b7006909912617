// A list of codes pasted or dropped into the list lookup's code box is
// searched and added code by code, with one message at the end; a single
// code goes into the box as before.

#include "PasteWays.h"
#include "QtTestSupport.h"

#include <QMessageBox>

using namespace zev;
using namespace zev::testing;

namespace {

// The host knows codes 1 to 9 (key K1...).
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
};

} // namespace

TEST(CodeListPaste, EveryCodeIsSearchedAndOneMessageSumsUpTheAddedTheNotFoundAndTheRepeated)
{
    const struct {
        const char* before; // a code in the list already
        const char* pasted;
        int count; // items in the list after
        const char* summary;
    } cases[] = {
        {"", "1\r2\t3;4,5", 5, "5 itens adicionados."},
        {"", " 1 ;\t2 ,\n\u00A03\u00A0\r\n\r\n", 3, "3 itens adicionados."},
        {"2", "2;3", 2, "1 item adicionado. Repetido: 2."},
        {"4", "12;3,99\t3\n4", 2, "1 item adicionado. Não encontrados: 12, 99. Repetidos: 3, 4."},
        {"", "99,98", 0, "Nenhum item adicionado. Não encontrados: 99, 98."},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.pasted);
        Products f;
        if (*t.before)
            f.list->AddItem(QStringLiteral("x"), QStringLiteral("K") + QLatin1String(t.before));
        pasteWays().front().second(f.code, QString::fromUtf8(t.pasted));
        EXPECT_EQ(f.list->count(), t.count);
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
        f.list->AddItem(QStringLiteral("Produto 1"), QStringLiteral("K1")); // as typed: refused
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
    EXPECT_EQ(pasted.events, typed.events);
}

TEST(CodeListPaste, APasteBeyondTheLimitIsCutThereAndTheRestReportedAsNotProcessed)
{
    Products f;
    QStringList codes;
    for (int i = 100; i < 1105; ++i)
        codes << QString::number(i); // none known
    pasteWays().front().second(f.code, codes.join(QLatin1Char('\n')));
    EXPECT_EQ(f.shown, QStringList{QStringLiteral("Nenhum item adicionado. Não encontrados: ")
                                   + codes.mid(0, 20).join(QStringLiteral(", "))
                                   + QStringLiteral(" e mais 980. 5 códigos não processados (limite de 1000 por colagem).")});
}
