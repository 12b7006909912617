#include "qt/QtFormPersistence.h"

#include "framework/Control.h"
#include "framework/ControlError.h"
#include "framework/Font.h"
#include "qt/QtErrors.h"
#include "qt/ZEVControlWidget.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <cmath>
#include <limits>
#include <vector>

namespace zev {

namespace {
constexpr QLatin1String FormatName("ZEVSuiteControls form");
constexpr int FormatVersion = 1;

namespace Tag {
constexpr QLatin1String Integer("Integer");
constexpr QLatin1String Long("Long");
constexpr QLatin1String Single("Single");
constexpr QLatin1String Double("Double");
constexpr QLatin1String Boolean("Boolean");
constexpr QLatin1String String("String");
constexpr QLatin1String Font("Font");
} // namespace Tag

[[noreturn]] void malformed(const QString& where, const QString& what)
{
    throw ControlError(ErrInvalidFileFormat, where.isEmpty() ? what : where + QStringLiteral(": ") + what);
}

// A double as JSON: numbers where JSON has them; -0, infinities and NaN as text.
QJsonValue encodeDouble(double d)
{
    if (std::isnan(d))
        return QStringLiteral("NaN");
    if (std::isinf(d))
        return d > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (d == 0 && std::signbit(d))
        return QStringLiteral("-0");
    return d;
}

double decodeDouble(const QJsonValue& v, const QString& where)
{
    if (v.isDouble())
        return v.toDouble();
    if (v.isString()) {
        const QString s = v.toString();
        if (s == QLatin1String("NaN"))
            return std::numeric_limits<double>::quiet_NaN();
        if (s == QLatin1String("Infinity"))
            return std::numeric_limits<double>::infinity();
        if (s == QLatin1String("-Infinity"))
            return -std::numeric_limits<double>::infinity();
        if (s == QLatin1String("-0"))
            return -0.0;
    }
    malformed(where, QStringLiteral("not a number"));
}

qint64 decodeWhole(const QJsonValue& v, qint64 min, qint64 max, const QString& where)
{
    if (!v.isDouble())
        malformed(where, QStringLiteral("not a whole number"));
    const double d = v.toDouble();
    if (d != std::floor(d) || d < double(min) || d > double(max))
        malformed(where, QStringLiteral("%1 is not a whole number from %2 to %3").arg(d).arg(min).arg(max));
    return qint64(d);
}

QJsonObject encodeFont(const FontDesc& f)
{
    return QJsonObject{{QStringLiteral("Name"), f.name},
                       {QStringLiteral("Size"), encodeDouble(f.size)},
                       {QStringLiteral("Bold"), f.bold},
                       {QStringLiteral("Italic"), f.italic},
                       {QStringLiteral("Underline"), f.underline},
                       {QStringLiteral("Strikethrough"), f.strikethrough},
                       {QStringLiteral("Weight"), f.weight},
                       {QStringLiteral("Charset"), f.charset}};
}

FontDesc decodeFont(const QJsonValue& v, const QString& where)
{
    if (!v.isObject())
        malformed(where, QStringLiteral("a font is an object"));
    const QJsonObject o = v.toObject();
    auto field = [&](const char* name) {
        const QString key = QString::fromLatin1(name);
        if (!o.contains(key))
            malformed(where, QStringLiteral("the font has no %1").arg(key));
        return o.value(key);
    };
    auto boolean = [&](const char* name) {
        const QJsonValue b = field(name);
        if (!b.isBool())
            malformed(where, QStringLiteral("font %1 is not true or false").arg(QLatin1String(name)));
        return b.toBool();
    };
    FontDesc f;
    const QJsonValue name = field("Name");
    if (!name.isString())
        malformed(where, QStringLiteral("font Name is not a text"));
    f.name = name.toString();
    f.size = decodeDouble(field("Size"), where + QStringLiteral(" (font Size)"));
    if (!std::isfinite(f.size) || f.size <= 0 || f.size > 2048)
        malformed(where, QStringLiteral("font Size %1 is out of range").arg(f.size));
    f.bold = boolean("Bold");
    f.italic = boolean("Italic");
    f.underline = boolean("Underline");
    f.strikethrough = boolean("Strikethrough");
    f.weight = qint16(decodeWhole(field("Weight"), 0, 1000, where + QStringLiteral(" (font Weight)")));
    f.charset = qint16(decodeWhole(field("Charset"), std::numeric_limits<qint16>::min(),
                                   std::numeric_limits<qint16>::max(), where + QStringLiteral(" (font Charset)")));
    return f;
}

QString nameOf(const QJsonObject& o) { return o.value(QStringLiteral("name")).toString(); }

// A control of a given class off any form, to try saved properties on.
class ScratchControl : public ZEVControlWidget {
public:
    explicit ScratchControl(const ClassDescriptor& descriptor) : ZEVControlWidget(descriptor, nullptr) {}
};

// A file's controls, read and checked in full before any control is touched.
struct SavedControl {
    QString name;
    QString className;
    MemoryPropertyBag bag;
};

std::vector<SavedControl> parse(const QJsonObject& document, const QString& source)
{
    const QString where = source.isEmpty() ? QStringLiteral("form") : source;
    if (document.value(QStringLiteral("format")).toString() != FormatName)
        malformed(where, QStringLiteral("not a saved form (format \"%1\" expected)").arg(FormatName));
    const QJsonValue version = document.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != FormatVersion)
        malformed(where, QStringLiteral("version %1 of the form format is not known").arg(version.toVariant().toString()));
    const QJsonValue controls = document.value(QStringLiteral("controls"));
    if (!controls.isArray())
        malformed(where, QStringLiteral("\"controls\" is not a list"));

    std::vector<SavedControl> result;
    QStringList names;
    const QJsonArray list = controls.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString at = QStringLiteral("%1, control %2").arg(where).arg(i + 1);
        if (!list[i].isObject())
            malformed(at, QStringLiteral("not an object"));
        const QJsonObject c = list[i].toObject();
        SavedControl saved;
        if (!c.value(QStringLiteral("name")).isString() || nameOf(c).isEmpty())
            malformed(at, QStringLiteral("no name"));
        saved.name = nameOf(c);
        if (names.contains(saved.name))
            malformed(at, QStringLiteral("a second control named %1").arg(saved.name));
        names << saved.name;
        const QString controlWhere = QStringLiteral("%1, control %2").arg(where, saved.name);
        if (!c.value(QStringLiteral("class")).isString())
            malformed(controlWhere, QStringLiteral("no class"));
        saved.className = c.value(QStringLiteral("class")).toString();
        const QJsonValue properties = c.value(QStringLiteral("properties"));
        if (!properties.isArray())
            malformed(controlWhere, QStringLiteral("\"properties\" is not a list"));
        const QJsonArray list = properties.toArray();
        for (const auto& p : list) {
            if (!p.isObject() || !p.toObject().value(QStringLiteral("key")).isString())
                malformed(controlWhere, QStringLiteral("a property without a key"));
            const QJsonObject property = p.toObject();
            const QString key = property.value(QStringLiteral("key")).toString();
            const QString propertyWhere = controlWhere + QStringLiteral(", property ") + key;
            if (saved.bag.contains(key))
                malformed(propertyWhere, QStringLiteral("stored twice"));
            saved.bag.insert(key, QtFormPersistence::decode(property, propertyWhere));
        }
        result.push_back(std::move(saved));
    }
    return result;
}
} // namespace

QJsonObject QtFormPersistence::encode(const QVariant& value)
{
    auto tagged = [](const QString& type, const QJsonValue& v) {
        return QJsonObject{{QStringLiteral("type"), type}, {QStringLiteral("value"), v}};
    };
    switch (value.typeId()) {
    case QMetaType::Short: return tagged(Tag::Integer, value.value<qint16>());
    case QMetaType::Int: return tagged(Tag::Long, value.value<qint32>());
    case QMetaType::Float: return tagged(Tag::Single, encodeDouble(double(value.value<float>())));
    case QMetaType::Double: return tagged(Tag::Double, encodeDouble(value.toDouble()));
    case QMetaType::Bool: return tagged(Tag::Boolean, value.toBool());
    case QMetaType::QString: return tagged(Tag::String, value.toString());
    default:
        if (value.typeId() == qMetaTypeId<FontDesc>())
            return tagged(Tag::Font, encodeFont(value.value<FontDesc>()));
        throw ControlError(ErrTypeMismatch,
                           QStringLiteral("a property of type %1 cannot be saved")
                               .arg(QString::fromLatin1(value.metaType().name() ? value.metaType().name() : "none")));
    }
}

QVariant QtFormPersistence::decode(const QJsonValue& value, const QString& where)
{
    if (!value.isObject())
        malformed(where, QStringLiteral("not a tagged value"));
    const QJsonObject o = value.toObject();
    const QJsonValue typeValue = o.value(QStringLiteral("type"));
    if (!typeValue.isString())
        malformed(where, QStringLiteral("no type"));
    const QString type = typeValue.toString();
    if (!o.contains(QStringLiteral("value")))
        malformed(where, QStringLiteral("no value"));
    const QJsonValue v = o.value(QStringLiteral("value"));
    if (type == Tag::Integer)
        return QVariant::fromValue(qint16(decodeWhole(v, std::numeric_limits<qint16>::min(),
                                                      std::numeric_limits<qint16>::max(), where)));
    if (type == Tag::Long)
        return QVariant::fromValue(qint32(decodeWhole(v, std::numeric_limits<qint32>::min(),
                                                      std::numeric_limits<qint32>::max(), where)));
    if (type == Tag::Single) {
        const double d = decodeDouble(v, where);
        if (std::isfinite(d) && std::fabs(d) > double(std::numeric_limits<float>::max()))
            malformed(where, QStringLiteral("%1 does not fit a Single").arg(d));
        return QVariant::fromValue(float(d));
    }
    if (type == Tag::Double)
        return decodeDouble(v, where);
    if (type == Tag::Boolean) {
        if (!v.isBool())
            malformed(where, QStringLiteral("not true or false"));
        return v.toBool();
    }
    if (type == Tag::String) {
        if (!v.isString())
            malformed(where, QStringLiteral("not a text"));
        return v.toString();
    }
    if (type == Tag::Font)
        return QVariant::fromValue(decodeFont(v, where));
    malformed(where, QStringLiteral("unknown type \"%1\"").arg(type));
}

QMap<QString, ZEVControlWidget*> QtFormPersistence::controlsOf(const QWidget& form)
{
    QList<ZEVControlWidget*> all = form.findChildren<ZEVControlWidget*>();
    if (auto* self = qobject_cast<ZEVControlWidget*>(const_cast<QWidget*>(&form)))
        all.prepend(self);
    QMap<QString, ZEVControlWidget*> controls;
    for (ZEVControlWidget* c : all) {
        if (c->objectName().isEmpty())
            throw ControlError(ErrInvalidProcedureCall,
                               QStringLiteral("a %1 on the form has no object name").arg(c->className()));
        if (controls.contains(c->objectName()))
            throw ControlError(ErrInvalidProcedureCall,
                               QStringLiteral("two controls on the form are named %1").arg(c->objectName()));
        controls.insert(c->objectName(), c);
    }
    return controls;
}

QJsonObject QtFormPersistence::toJson(const QWidget& form)
{
    QJsonArray controls;
    // In tab order of the form's children rather than by name: as the form lists them.
    QList<ZEVControlWidget*> ordered = form.findChildren<ZEVControlWidget*>();
    const auto byName = controlsOf(form); // checks the names
    if (auto* self = qobject_cast<ZEVControlWidget*>(const_cast<QWidget*>(&form)))
        ordered.prepend(self);
    for (ZEVControlWidget* c : ordered) {
        Q_ASSERT(byName.value(c->objectName()) == c);
        MemoryPropertyBag bag;
        c->writeProperties(bag);
        QJsonArray properties;
        for (const QString& key : bag.keys()) {
            QJsonObject p{{QStringLiteral("key"), key}};
            QJsonObject tagged;
            try {
                tagged = encode(bag.ReadProperty(key));
            } catch (const ControlError& e) {
                throw ControlError(e.Number(), QStringLiteral("%1, property %2: %3").arg(c->objectName(), key,
                                                                                           e.Description()));
            }
            for (auto it = tagged.begin(); it != tagged.end(); ++it)
                p.insert(it.key(), it.value());
            properties.append(p);
        }
        controls.append(QJsonObject{{QStringLiteral("name"), c->objectName()},
                                    {QStringLiteral("class"), c->className()},
                                    {QStringLiteral("properties"), properties}});
    }
    return QJsonObject{{QStringLiteral("format"), FormatName},
                       {QStringLiteral("version"), FormatVersion},
                       {QStringLiteral("controls"), controls}};
}

QtFormPersistence::LoadResult QtFormPersistence::fromJson(QWidget& form, const QJsonObject& document,
                                                          const QString& source)
{
    std::vector<SavedControl> saved = parse(document, source);
    const auto controls = controlsOf(form);
    const QString where = source.isEmpty() ? QStringLiteral("form") : source;
    for (const SavedControl& s : saved)
        if (ZEVControlWidget* c = controls.value(s.name); c && c->className() != s.className)
            malformed(where, QStringLiteral("%1 is a %2 on the form but a %3 in the file")
                                 .arg(s.name, c->className(), s.className));

    // Each control's saved properties are read first by a scratch control of
    // its class, off the form: a value the control itself refuses (an
    // Appearance of 7, a CodeSize of 0...) refuses the file as a whole too.
    for (SavedControl& s : saved)
        if (ZEVControlWidget* c = controls.value(s.name)) {
            ScratchControl scratch(c->control().Descriptor());
            MemoryPropertyBag copy = s.bag;
            try {
                scratch.readProperties(copy);
            } catch (const ControlError& e) {
                malformed(QStringLiteral("%1, control %2").arg(where, s.name),
                          QStringLiteral("%1 (error %2)").arg(e.Description()).arg(e.Number()));
            }
        }

    // Should a control still fail on the form, the controls read so far go
    // back to what they held: a form is never left half loaded.
    std::vector<std::pair<ZEVControlWidget*, MemoryPropertyBag>> before;
    for (ZEVControlWidget* c : controls) {
        before.emplace_back(c, MemoryPropertyBag());
        c->writeProperties(before.back().second);
    }
    auto restore = [&] {
        for (auto& [c, bag] : before) {
            try {
                c->readProperties(bag);
            } catch (const ControlError&) {
                // What the control wrote itself reads back; nothing more to do.
            }
        }
    };

    LoadResult result;
    QStringList named;
    try {
        for (SavedControl& s : saved) {
            named << s.name;
            ZEVControlWidget* c = controls.value(s.name);
            if (!c) {
                result.notOnForm << s.name;
                continue;
            }
            c->readProperties(s.bag);
            result.loaded << s.name;
        }
        for (auto it = controls.begin(); it != controls.end(); ++it)
            if (!named.contains(it.key())) {
                MemoryPropertyBag defaults;
                it.value()->readProperties(defaults);
                result.notInFile << it.key();
            }
    } catch (const ControlError& e) {
        restore();
        malformed(where, QStringLiteral("%1 (error %2); the form is as it was").arg(e.Description()).arg(e.Number()));
    }
    return result;
}

void QtFormPersistence::save(const QWidget& form, const QString& path)
{
    const QByteArray data = QJsonDocument(toJson(form)).toJson(QJsonDocument::Indented);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw ControlError(ErrFileAccess, QStringLiteral("%1: %2").arg(path, file.errorString()));
}

QtFormPersistence::LoadResult QtFormPersistence::load(QWidget& form, const QString& path)
{
    QFile file(path);
    if (!file.exists())
        throw ControlError(ErrFileNotFound, QStringLiteral("%1: no such file").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw ControlError(ErrFileAccess, QStringLiteral("%1: %2").arg(path, file.errorString()));
    if (file.size() > MaxFileSize)
        malformed(path, QStringLiteral("%1 bytes is too large for a saved form").arg(file.size()));
    const QByteArray data = file.read(MaxFileSize + 1);
    if (data.size() > MaxFileSize)
        malformed(path, QStringLiteral("too large for a saved form"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError)
        malformed(path, QStringLiteral("not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        malformed(path, QStringLiteral("not a saved form (no object at the top)"));
    return fromJson(form, document.object(), path);
}

} // namespace zev
