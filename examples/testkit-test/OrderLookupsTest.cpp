// Tests of the order filter's lookups (OrderLookups.cpp) with the test kit:
// each control runs over a zev::TestHost, an in-memory container that acts as
// the user would (types, presses keys) and records every event and message.
// No display, no Qt Widgets: QtTest's GUI-less main.

#include "OrderLookups.h"

#include "framework/KeyCodes.h"
#include "testkit/TestHost.h"
#include "testkit/TestPropertyBag.h"

#include <QTest>

namespace {

// Answers the control's Search with one of the form's functions.
template <typename Control>
void answer(zev::TestHost& host, Control& control, bool (*search)(Control&, QString&))
{
    host.on("Search", [&control, search](QVariantList& args) { // PrimaryKey, Success, Source
        QString key;
        args[1] = search(control, key);
        args[0] = key;
    });
}

// The customer lookup as the form places it: zero-filled codes of 6 digits.
struct CustomerField {
    zev::TestHost host;
    zev::ZEVCodeDescription lookup{host};

    CustomerField()
    {
        lookup.Initialize();
        lookup.InitProperties();
        lookup.setFillZeros(true);
        lookup.setCodeMaxLength(6);
        answer(host, lookup, &searchCustomer);
    }
    zev::TestFlatEdit& codeBox() const { return host.edit("txtCode"); }
};

} // namespace

class OrderLookupsTest : public QObject {
    Q_OBJECT

private slots:
    void customerSearch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("code"); // as the box shows it after the search
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("primaryKey");
        QTest::newRow("F3") << "42" << int(zev::KeyCodes::F3) << "000042" << "Comércio Silva Ltda." << "CLI-42";
        QTest::newRow("Enter") << "7" << int(zev::KeyCodes::Return) << "000007" << "Auto Peças Rodrigues" << "CLI-7";
        QTest::newRow("unknown") << "5" << int(zev::KeyCodes::F3) << "000005" << "" << "";
        QTest::newRow("on hold") << "50" << int(zev::KeyCodes::F3) << "000050" << "" << "";
    }

    void customerSearch()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, code);
        QFETCH(QString, description);
        QFETCH(QString, primaryKey);
        CustomerField f;
        f.host.type(f.codeBox(), typed);
        f.host.pressKey(f.codeBox(), qint16(key));
        QCOMPARE(f.codeBox().Text(), code);
        QCOMPARE(f.lookup.Description(), description);
        QCOMPARE(f.lookup.PrimaryKey(), primaryKey);
        QCOMPARE(f.lookup.Loaded(), !primaryKey.isEmpty());
        if (primaryKey.isEmpty()) // not found: the code is selected for the user to type again
            QCOMPARE(f.codeBox().selectedText(), code);
    }

    // The form keeps the customer's key from Load to Unload: an edit of a found code must unload it.
    void editingAFoundCodeUnloadsIt()
    {
        CustomerField f;
        f.host.type(f.codeBox(), "42");
        f.host.pressKey(f.codeBox(), zev::KeyCodes::F3);
        QVERIFY(f.host.eventNames().endsWith("Load"));
        f.host.clearLog();
        f.host.pressKey(f.codeBox(), zev::KeyCodes::Delete); // "000042" becomes "00042"
        QVERIFY(f.host.eventNames().contains("Unload"));
        QVERIFY(!f.lookup.Loaded());
    }

    void aRepeatedProductIsRefusedWithTheWarning()
    {
        zev::TestHost host;
        zev::ZEVPersistCombo list(host);
        list.Initialize();
        list.InitProperties();
        list.setFillZeros(true);
        list.setCodeMaxLength(5);
        answer(host, list, &searchProduct);
        for (const char* code : {"4", "9", "4"}) {
            host.type(host.edit("txtCode"), code);
            host.pressKey(host.edit("txtCode"), zev::KeyCodes::F3);
            host.pressKey(host.edit("txtDescription"), zev::KeyCodes::Return); // adds the record found
        }
        QCOMPARE(host.combo("cboListing").ListCount(), 2);
        QCOMPARE(list.GetPkey(1), QString("PRD-9"));
        QCOMPARE(host.messages.size(), size_t(1));
        QCOMPARE(host.messages[0].prompt, QString("ATENÇÃO! Este item já foi adicionado na lista de filtro."));
    }

    // The form saves its controls' settings and opens with them again.
    void settingsComeBackFromTheSavedBag()
    {
        CustomerField saved;
        zev::TestPropertyBag bag;
        saved.lookup.WriteProperties(bag);
        zev::TestHost host;
        zev::ZEVCodeDescription opened(host);
        opened.Initialize();
        opened.ReadProperties(bag);
        QVERIFY(opened.FillZeros());
        QCOMPARE(opened.CodeMaxLength(), qint16(6));
        QVERIFY(!bag.contains("Appearance")); // a default is not stored
    }
};

QTEST_GUILESS_MAIN(OrderLookupsTest)
#include "OrderLookupsTest.moc"
