// The base widget's contract over a real control (refused writes, failures
// nobody listens to, the form marked modified) and the form file: values
// kept exactly, absent controls reset, malformed files refused whole.

#include "QtTestSupport.h"
#include "qt/QtErrors.h"
#include "qt/QtFormPersistence.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>
#include <limits>

using namespace zev;
using namespace zev::testing;

namespace {

struct TwoFields {
    QWidget window;
    ZEVNumericWidget* a = new ZEVNumericWidget(&window);
    ZEVNumericWidget* b = new ZEVNumericWidget(&window);
    TwoFields()
    {
        window.setWindowTitle(QStringLiteral("Pedido[*]"));
        a->setObjectName(QStringLiteral("priceA"));
        b->setObjectName(QStringLiteral("priceB"));
    }
};

bool sameBits(double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; }

} // namespace

TEST(ZEVControlWidget, RefusedWritesThrowInCodeAreReportedWhereQtCallsAndPrintedWhenNobodyListens)
{
    TwoFields f;
    EXPECT_FALSE(f.window.isWindowModified()); // starting the control changes nothing
    QSignalSpy any(f.a, &ZEVControlWidget::propertyChanged);
    EXPECT_TRUE(f.a->setProperty("CustomFormat", QStringLiteral("0.0")));
    EXPECT_EQ(any.count(), 2);
    EXPECT_EQ(any.last()[0].toString(), QStringLiteral("CustomFormat")); // after Format, which it sets
    EXPECT_TRUE(f.window.isWindowModified());

    EXPECT_EQ(errorOf([&] { f.a->setBackColor(QColor()); }), 380);
    QString printed;
    static QString* sink = nullptr;
    sink = &printed;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
        *sink += m;
    });
    f.a->setReportsFailures(true);
    EXPECT_TRUE(f.a->setProperty("BackColor", QColor()));
    qInstallMessageHandler(previous);
    EXPECT_TRUE(printed.contains(QStringLiteral("priceA: error 380"))) << printed.toStdString();
    QSignalSpy errors(f.a, &ZEVControlWidget::errorRaised);
    EXPECT_TRUE(f.a->setProperty("BackColor", QColor()));
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors[0][0].toInt(), 380);
}

// A form of all five through a file: ControlWidgetsTest.
TEST(QtFormPersistence, ControlsAFileDoesNotNameReadDefaultsAndNumbersKeepTheirBits)
{
    TwoFields f;
    const ZEVNumericWidget fresh;
    f.a->setValue(-1234.5);
    f.a->setProperty("Locked", true);
    // A file that names only priceB: priceA goes back to its defaults.
    QJsonObject partial = QtFormPersistence::toJson(f.window);
    const QJsonArray controls = partial[QStringLiteral("controls")].toArray();
    partial[QStringLiteral("controls")] =
        QJsonArray{controls[1], QJsonObject{{QStringLiteral("name"), QStringLiteral("gone")},
                                            {QStringLiteral("class"), QStringLiteral("ZEVNumeric")},
                                            {QStringLiteral("properties"), QJsonArray()}}};
    const auto result = QtFormPersistence::fromJson(f.window, partial);
    EXPECT_EQ(f.a->Text(), fresh.Text());
    EXPECT_EQ(f.a->property("Locked"), fresh.property("Locked"));
    EXPECT_EQ(result.notInFile, QStringList{"priceA"});
    EXPECT_EQ(result.notOnForm, QStringList{"gone"});

    // Numbers JSON has no text for keep their bits and type.
    const QVariant values[] = {-0.0, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
                               5e-324, QVariant::fromValue(std::numeric_limits<float>::denorm_min())};
    for (const QVariant& v : values) {
        const QJsonObject back =
            QJsonDocument::fromJson(QJsonDocument(QtFormPersistence::encode(v)).toJson()).object();
        const QVariant decoded = QtFormPersistence::decode(back, QStringLiteral("test"));
        EXPECT_EQ(decoded.typeId(), v.typeId());
        EXPECT_TRUE(sameBits(decoded.toDouble(), v.toDouble())) << v.toDouble();
    }
}

TEST(QtFormPersistence, MalformedFormsAreRefusedWholeBeforeAnythingChanges)
{
    QJsonObject good;
    {
        TwoFields f;
        f.a->setValue(7);
        good = QtFormPersistence::toJson(f.window);
    }
    const QJsonArray controls = good[QStringLiteral("controls")].toArray();
    auto with = [&](const QJsonValue& list) {
        QJsonObject d = good;
        d[QStringLiteral("controls")] = list;
        return d;
    };
    auto withProperty = [&](const char* type, const QJsonValue& v) {
        QJsonObject second = controls[1].toObject();
        second[QStringLiteral("properties")] = QJsonArray{QJsonObject{
            {QStringLiteral("key"), QStringLiteral("Appearance")}, {QStringLiteral("type"), QString::fromLatin1(type)},
            {QStringLiteral("value"), v}}};
        return with(QJsonArray{controls[0], second});
    };
    QJsonObject otherClass = controls[0].toObject();
    otherClass[QStringLiteral("class")] = QStringLiteral("ZEVCodeDescription");
    QJsonObject noWeight =
        QtFormPersistence::encode(QVariant::fromValue(FontDesc()))[QStringLiteral("value")].toObject();
    noWeight.remove(QStringLiteral("Weight"));
    const struct {
        QJsonObject document;
        const char* message; // part of the error's description
    } cases[] = {
        {QJsonObject{{QStringLiteral("format"), QStringLiteral("x")}}, "not a saved form"},
        {[&] { QJsonObject d = good; d[QStringLiteral("version")] = 2; return d; }(), "version 2"},
        {with(1), "not a list"},
        {with(QJsonArray{controls[0], controls[0]}), "a second control named priceA"},
        {with(QJsonArray{otherClass}), "priceA is a ZEVNumeric on the form but a ZEVCodeDescription"},
        {withProperty("Currency", 1), "unknown type \"Currency\""},
        {withProperty("Integer", 40000), "from -32768 to 32767"},
        {withProperty("Integer", 1.5), "not a whole number"},
        {withProperty("Boolean", 1), "not true or false"},
        {withProperty("Single", 1e300), "does not fit a Single"},
        {withProperty("Font", noWeight), "the font has no Weight"},
        // Well formed, but a value the control itself refuses (tried off the form first).
        {withProperty("String", QStringLiteral("abc")), "control priceB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        TwoFields f;
        f.a->setValue(5);
        try {
            QtFormPersistence::fromJson(f.window, c.document, QStringLiteral("form.json"));
            ADD_FAILURE() << "accepted";
        } catch (const ControlError& e) {
            EXPECT_EQ(e.Number(), ErrInvalidFileFormat);
            EXPECT_TRUE(e.Description().contains(QString::fromLatin1(c.message))) << e.Description().toStdString();
        }
        EXPECT_EQ(f.a->value(), 5.0);
    }

    QTemporaryDir dir;
    TwoFields f;
    EXPECT_EQ(errorOf([&] { QtFormPersistence::load(f.window, dir.filePath(QStringLiteral("none.json"))); }),
              ErrFileNotFound);
    EXPECT_EQ(errorOf([&] { QtFormPersistence::save(f.window, dir.filePath(QStringLiteral("no/dir/f.json"))); }),
              ErrFileAccess);
    for (const QByteArray& text : {QByteArray(""), QByteArray("[1,2]"), QByteArray("\xff\xfe{}")}) {
        QFile file(dir.filePath(QStringLiteral("bad.json")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        EXPECT_EQ(errorOf([&] { QtFormPersistence::load(f.window, file.fileName()); }), ErrInvalidFileFormat);
    }
    f.b->setObjectName(QStringLiteral("priceA")); // names are what a file finds the controls by
    EXPECT_EQ(errorOf([&] { QtFormPersistence::toJson(f.window); }), ErrInvalidProcedureCall);
    EXPECT_EQ(errorOf([] { QtFormPersistence::encode(QDateTime::currentDateTime()); }), ErrTypeMismatch);
}
