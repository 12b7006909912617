// A pasted list of codes goes into the list lookup code by code, as typed
// codes do, and one message sums it up instead of a warning per code.

#include "framework/KeyCodes.h"
#include "persistcombo/CodeBatch.h"
#include "persistcombo/PastedCodes.h"
#include "persistcombo/ZEVPersistCombo.h"
#include "testkit/TestHost.h"
#include "tests/LookupTriggers.h"

#include <gtest/gtest.h>

using namespace zev;

namespace {

const QString Warning = QString::fromUtf8("ATENÇÃO! Este item já foi adicionado na lista de filtro.");

// Codes filled with zeros to three digits; the host knows 001 to 009 (key K001...).
struct Products : zev::testing::Placed<ZEVPersistCombo> {
    int searches = 0;
    Products() : Placed(4275, 720, true, QStringLiteral("lstProdutos"))
    {
        c.setFillZeros(true);
        c.setCodeMaxLength(3);
        c.setShowCodeInCombo(true);
        host.on("Search", [this](QVariantList& a) {
            ++searches;
            const int n = c.Code().toInt();
            if (n < 1 || n > 9)
                return;
            c.setDescription(QStringLiteral("Produto ") + c.Code());
            a[0] = QStringLiteral("K") + c.Code();
            a[1] = true;
        });
    }
    QStringList keys() const
    {
        QStringList k;
        for (qint16 i = 0; i < host.combo("cboListing").ListCount(); ++i)
            k << c.GetPkey(i);
        return k;
    }
};

} // namespace

TEST(PastedCodes, EntriesAreSplitAtLineBreaksTabsSemicolonsAndCommasTrimmedAndEmptyOnesSkipped)
{
    struct Case {
        const char* pasted;
        QStringList codes;
    };
    const Case cases[] = {
        {"1\n2", {"1", "2"}},
        {"1\r\n2\r\n", {"1", "2"}},
        {"1\r2", {"1", "2"}},
        {"1\t2", {"1", "2"}},
        {"1;2", {"1", "2"}},
        {"1,2", {"1", "2"}},
        {" 1 ;\t2 ,\n 3\r\n\r\n", {"1", "2", "3"}},
        {"A 1\n\u00A0B\u00A0\n", {"A 1", "B"}}, // blanks inside stay; a spreadsheet's no-break spaces go
        {"12\n", {"12"}},                        // a trailing line break is no entry
        {"12", {"12"}},
        {"\n;,\t ", {}},
    };
    for (const Case& t : cases) {
        const PastedCodes pasted(QString::fromUtf8(t.pasted));
        EXPECT_EQ(pasted.codes(), t.codes) << t.pasted;
        EXPECT_EQ(pasted.isList(), t.codes.size() > 1) << t.pasted;
        EXPECT_EQ(pasted.beyondLimit(), 0) << t.pasted;
    }
    const PastedCodes capped(u"1;2;;3;4", 2);
    EXPECT_EQ(capped.codes(), QStringList({"1", "2"}));
    EXPECT_EQ(capped.beyondLimit(), 2);
    EXPECT_TRUE(PastedCodes(u"1\n2", 1).isList()); // one kept, one beyond: still a list
}

TEST(CodeBatch, FoundCodesAreAddedAndOneMessageNamesTheCodesNotFoundAndTheRepeatedOnes)
{
    struct Case {
        const char* before; // codes added by hand first
        const char* pasted;
        QStringList keys;   // the list afterwards
        const char* summary;
        int buttons;
    };
    const Case cases[] = {
        {"", "1\n2\n3", {"K001", "K002", "K003"}, "3 itens adicionados.", 64},
        {"", "1\n99\n2\n98", {"K001", "K002"}, "2 itens adicionados. Não encontrados: 99, 98.", 48},
        {"", "1\n1\n2", {"K001", "K002"}, "2 itens adicionados. Repetido: 1.", 48},
        {"", "1\n001", {"K001"}, "1 item adicionado. Repetido: 001.", 48}, // the same record, filled with zeros
        {"2", "2\n3", {"K002", "K003"}, "1 item adicionado. Repetido: 2.", 48},
        {"", "99\n98", {}, "Nenhum item adicionado. Não encontrados: 99, 98.", 48},
        {"4", "12;3,99\t3\r\n4\r\n", {"K004", "K003"}, "1 item adicionado. Não encontrados: 12, 99. Repetidos: 3, 4.", 48},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.pasted);
        Products f;
        for (const QString& code : QString::fromLatin1(t.before).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            f.host.type(f.host.edit("txtCode"), code);
            f.host.pressKey(f.host.edit("txtCode"), KeyCodes::Return);
            f.host.pressKey(f.host.edit("txtDescription"), KeyCodes::Return);
        }
        f.host.clearLog();
        CodeBatch(f.c).add(PastedCodes(QString::fromLatin1(t.pasted)));
        EXPECT_EQ(f.keys(), t.keys);
        ASSERT_EQ(f.host.messages.size(), 1u);
        EXPECT_EQ(f.host.messages[0].prompt, QString::fromUtf8(t.summary));
        EXPECT_EQ(f.host.messages[0].buttons, t.buttons);
        EXPECT_EQ(f.host.messages[0].title, QStringLiteral("lstProdutos"));
        EXPECT_EQ(f.c.Code() + f.c.Description(), QString()); // the row is left empty
        EXPECT_EQ(f.host.ActiveControl(), &f.host.edit("txtCode"));
        // The warning for a duplicate the user adds is the control's again.
        f.c.AddItem(QStringLiteral("Produto 001"), QStringLiteral("K001"), QStringLiteral("001"));
        if (t.keys.contains(QStringLiteral("K001"))) {
            EXPECT_EQ(f.host.messages.back().prompt, Warning);
        }
    }
}

TEST(CodeBatch, APasteBeyondTheLimitIsCutThereAndTheRestReportedAsNotProcessed)
{
    Products f;
    QStringList codes;
    for (int i = 0; i < PastedCodes::Limit + 5; ++i)
        codes << QString::number(100 + i); // none known
    CodeBatch(f.c).add(PastedCodes(codes.join(QLatin1Char('\n'))));
    EXPECT_EQ(f.searches, PastedCodes::Limit);
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0].prompt,
              QStringLiteral("Nenhum item adicionado. Não encontrados: ") + codes.mid(0, 20).join(QStringLiteral(", "))
                  + QStringLiteral(" e mais 980. 5 códigos não processados (limite de 1000 por colagem)."));
}
