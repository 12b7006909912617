#include "QtTestSupport.h"
#include "TinyControl.h"
#include "qt/QtErrors.h"
#include "qt/QtFormPersistence.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <limits>

using namespace zev;
using namespace zev::testing;

namespace {

// A form of two controls, made new or for loading, as an application's form code makes it.
struct TwoControls {
    QWidget window;
    TinyWidget* a;
    TinyWidget* b;
    TwoControls() : a(new TinyWidget(&window)), b(new TinyWidget(&window))
    {
        a->setObjectName(QStringLiteral("tinyA"));
        b->setObjectName(QStringLiteral("tinyB"));
    }
};

bool sameBits(double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; }

int errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const ControlError& e) {
        return e.Number();
    }
    return 0;
}

QJsonObject savedForm()
{
    TwoControls f;
    f.a->setText(QStringLiteral("Mês"));
    return QtFormPersistence::toJson(f.window);
}

} // namespace

TEST(QtFormPersistence, AFormRoundTripsEveryValueTypeExactly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("form.json"));
    const FontDesc font{QStringLiteral("Courier New"), 12.75, true, true, false, true, 700, 2};
    const double ratios[] = {0.1, 1e-310, -1.7976931348623157e308, 123456789.123456789};
    for (double ratio : ratios) {
        SCOPED_TRACE(ratio);
        {
            TwoControls f;
            TinyControl& t = f.a->tiny();
            t.setText(QStringLiteral("Olá \"mundo\"\n"));
            t.setCount(-32768);
            t.setTotal(std::numeric_limits<qint32>::min());
            t.setRatio(ratio);
            t.setSpacing(45.5f);
            t.setFlag(true);
            t.setNameFont(font);
            t.setBackColor(0x80000012);
            QtFormPersistence::save(f.window, path);
        }
        TwoControls g;
        TinyControl::journal().clear();
        const auto result = QtFormPersistence::load(g.window, path);
        EXPECT_EQ(result.loaded, (QStringList{"tinyA", "tinyB"}));
        const TinyControl& t = g.a->tiny();
        EXPECT_EQ(t.Text(), QStringLiteral("Olá \"mundo\"\n"));
        EXPECT_EQ(t.Count(), -32768);
        EXPECT_EQ(t.Total(), std::numeric_limits<qint32>::min());
        EXPECT_TRUE(sameBits(t.Ratio(), ratio));
        EXPECT_EQ(t.Spacing(), 45.5f);
        EXPECT_TRUE(t.Flag());
        EXPECT_EQ(g.a->tiny().NameFont().value(), font);
        EXPECT_EQ(t.BackColor(), 0x80000012u);
        EXPECT_EQ(g.b->tiny().Text(), QString());
    }
}

TEST(QtFormPersistence, ValuesJsonHasNoNumberForKeepTheirBitsAndType)
{
    const QVariant values[] = {-0.0, std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN(), 5e-324, QVariant::fromValue(-0.0f),
                               QVariant::fromValue(std::numeric_limits<float>::denorm_min())};
    for (const QVariant& v : values) {
        const QJsonObject tagged = QtFormPersistence::encode(v);
        // Through the file's text, as a save and a load take it.
        const QJsonObject back = QJsonDocument::fromJson(QJsonDocument(tagged).toJson()).object();
        const QVariant decoded = QtFormPersistence::decode(back, QStringLiteral("test"));
        EXPECT_EQ(decoded.typeId(), v.typeId());
        EXPECT_TRUE(sameBits(decoded.toDouble(), v.toDouble())) << v.toDouble();
    }
}

TEST(QtFormPersistence, DefaultsAreNotStoredAndAbsentControlsReadDefaults)
{
    TwoControls f;
    f.a->setCount(3);
    const QJsonObject doc = QtFormPersistence::toJson(f.window);
    const QJsonArray controls = doc[QStringLiteral("controls")].toArray();
    ASSERT_EQ(controls.size(), 2);
    auto keysOf = [](const QJsonValue& c) {
        QStringList keys;
        for (const QJsonValue& p : c[QStringLiteral("properties")].toArray())
            keys << p[QStringLiteral("key")].toString() + ":" + p[QStringLiteral("type")].toString();
        return keys;
    };
    EXPECT_EQ(keysOf(controls[0]), (QStringList{"Count:Integer", "NameFont:Font"}));
    EXPECT_EQ(keysOf(controls[1]), QStringList{"NameFont:Font"}); // the font has no default: always written
    EXPECT_EQ(controls[0][QStringLiteral("class")].toString(), QStringLiteral("TinyControl"));

    // A file that names only tinyB (as tinyC's form would): tinyA reads all defaults.
    QJsonObject partial = doc;
    partial[QStringLiteral("controls")] =
        QJsonArray{controls[1], QJsonObject{{QStringLiteral("name"), QStringLiteral("gone")},
                                            {QStringLiteral("class"), QStringLiteral("TinyControl")},
                                            {QStringLiteral("properties"), QJsonArray()}}};
    const auto result = QtFormPersistence::fromJson(f.window, partial);
    EXPECT_EQ(f.a->Count(), 0);
    EXPECT_EQ(result.loaded, QStringList{"tinyB"});
    EXPECT_EQ(result.notInFile, QStringList{"tinyA"});
    EXPECT_EQ(result.notOnForm, QStringList{"gone"});
}

TEST(QtFormPersistence, MalformedFormsAreRefusedWholeBeforeAnythingChanges)
{
    const QJsonObject good = savedForm();
    auto withProperty = [&](const QJsonObject& property) {
        QJsonObject d = good;
        QJsonArray controls = d[QStringLiteral("controls")].toArray();
        QJsonObject second = controls[1].toObject();
        second[QStringLiteral("properties")] = QJsonArray{property};
        controls[1] = second;
        d[QStringLiteral("controls")] = controls;
        return d;
    };
    auto tagged = [](const char* type, const QJsonValue& v) {
        return QJsonObject{{QStringLiteral("key"), QStringLiteral("Count")},
                           {QStringLiteral("type"), QString::fromLatin1(type)},
                           {QStringLiteral("value"), v}};
    };
    QJsonObject font = QtFormPersistence::encode(QVariant::fromValue(FontDesc()))[QStringLiteral("value")].toObject();
    QJsonObject noWeight = font;
    noWeight.remove(QStringLiteral("Weight"));
    QJsonObject zeroSize = font;
    zeroSize[QStringLiteral("Size")] = 0;
    QJsonObject otherClass = good;
    QJsonArray renamed = good[QStringLiteral("controls")].toArray();
    QJsonObject first = renamed[0].toObject();
    first[QStringLiteral("class")] = QStringLiteral("ZEVNumeric");
    renamed[0] = first;
    otherClass[QStringLiteral("controls")] = renamed;
    QJsonObject twice = good;
    twice[QStringLiteral("controls")] = QJsonArray{good[QStringLiteral("controls")][0], good[QStringLiteral("controls")][0]};

    struct Case {
        const char* what;
        QJsonObject document;
        const char* message; // part of the error's description
    };
    const Case cases[] = {
        {"another format", QJsonObject{{QStringLiteral("format"), QStringLiteral("x")}}, "not a saved form"},
        {"a later version", [&] { QJsonObject d = good; d[QStringLiteral("version")] = 2; return d; }(), "version 2"},
        {"controls not a list", [&] { QJsonObject d = good; d[QStringLiteral("controls")] = 1; return d; }(), "not a list"},
        {"two controls of one name", twice, "a second control named tinyA"},
        {"another class", otherClass, "tinyA is a TinyControl on the form but a ZEVNumeric"},
        {"an unknown type", withProperty(tagged("Currency", 1)), "unknown type \"Currency\""},
        {"an Integer out of range", withProperty(tagged("Integer", 40000)), "from -32768 to 32767"},
        {"a fractional Integer", withProperty(tagged("Integer", 1.5)), "not a whole number"},
        {"a Long as text", withProperty(tagged("Long", QStringLiteral("12"))), "not a whole number"},
        {"a Boolean as a number", withProperty(tagged("Boolean", 1)), "not true or false"},
        {"a Single too large", withProperty(tagged("Single", 1e300)), "does not fit a Single"},
        {"a font without Weight", withProperty(tagged("Font", noWeight)), "the font has no Weight"},
        {"a font of size 0", withProperty(tagged("Font", zeroSize)), "font Size 0 is out of range"},
        {"a value without a type", withProperty(QJsonObject{{QStringLiteral("key"), QStringLiteral("Count")}}), "no type"},
        // Well formed, but a value the control itself refuses (tried off the form first).
        {"a value the control refuses", withProperty(tagged("String", QStringLiteral("abc"))), "control tinyB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TwoControls f;
        f.a->setText(QStringLiteral("kept"));
        try {
            QtFormPersistence::fromJson(f.window, c.document, QStringLiteral("form.json"));
            ADD_FAILURE() << "accepted";
        } catch (const ControlError& e) {
            EXPECT_EQ(e.Number(), ErrInvalidFileFormat);
            EXPECT_TRUE(e.Description().contains(QString::fromLatin1(c.message))) << e.Description().toStdString();
        }
        EXPECT_EQ(f.a->Text(), QStringLiteral("kept"));
    }
}

TEST(QtFormPersistence, FilesThatCannotBeReadOrWrittenFailClearly)
{
    QTemporaryDir dir;
    TwoControls f;
    EXPECT_EQ(errorOf([&] { QtFormPersistence::load(f.window, dir.filePath(QStringLiteral("none.json"))); }),
              ErrFileNotFound);
    EXPECT_EQ(errorOf([&] { QtFormPersistence::save(f.window, dir.filePath(QStringLiteral("no/dir/f.json"))); }),
              ErrFileAccess);
    const QByteArray bad[] = {"", "{", "[1,2]", "\xff\xfe{}", "{\"format\": \"ZEVSuiteControls form\"}"};
    for (const QByteArray& text : bad) {
        QFile file(dir.filePath(QStringLiteral("bad.json")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        EXPECT_EQ(errorOf([&] { QtFormPersistence::load(f.window, file.fileName()); }), ErrInvalidFileFormat)
            << text.toStdString();
    }
    // Names are what a file finds the controls by.
    f.b->setObjectName(QStringLiteral("tinyA"));
    EXPECT_EQ(errorOf([&] { QtFormPersistence::toJson(f.window); }), ErrInvalidProcedureCall);
    f.b->setObjectName(QString());
    EXPECT_EQ(errorOf([&] { QtFormPersistence::toJson(f.window); }), ErrInvalidProcedureCall);
    EXPECT_EQ(errorOf([] { QtFormPersistence::encode(QDateTime::currentDateTime()); }), ErrTypeMismatch);
}
