#include "migrate/FormConverter.h"

#include "framework/Font.h"
#include "framework/MemoryPropertyBag.h"
#include "framework/OleColor.h"
#include "migrate/FormReadError.h"
#include "qt/QtColors.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace zev {

namespace {

// 96 DPI: 15 twips to the pixel.
int px(double twips) { return qRound(twips / 15.0); }

QString quoted(const LegacyValue& v) { return v.kind == LegacyValue::String ? QLatin1Char('"') + v.text + QLatin1Char('"') : v.text; }

// Lines the legacy designer writes for itself, with nothing to carry over.
bool isDesignerOnly(const QString& key)
{
    static const QStringList keys = {
        QStringLiteral("_ExtentX"), QStringLiteral("_ExtentY"), QStringLiteral("_Version"),
        QStringLiteral("_StockProps"), QStringLiteral("ClientLeft"), QStringLiteral("ClientTop"),
        QStringLiteral("ScaleWidth"), QStringLiteral("ScaleHeight"), QStringLiteral("ScaleMode"),
        QStringLiteral("LinkTopic"), QStringLiteral("Appearance"), QStringLiteral("OLEDropMode"),
        QStringLiteral("RightToLeft"), QStringLiteral("StartUpPosition"), QStringLiteral("BackStyle"),
    };
    for (const QString& k : keys) {
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// A palette role as a style sheet names it, for system colours that follow the theme.
QString paletteName(QPalette::ColorRole role)
{
    switch (role) {
    case QPalette::Window: return QStringLiteral("window");
    case QPalette::WindowText: return QStringLiteral("window-text");
    case QPalette::Base: return QStringLiteral("base");
    case QPalette::AlternateBase: return QStringLiteral("alternate-base");
    case QPalette::Text: return QStringLiteral("text");
    case QPalette::Button: return QStringLiteral("button");
    case QPalette::ButtonText: return QStringLiteral("button-text");
    case QPalette::BrightText: return QStringLiteral("bright-text");
    case QPalette::Light: return QStringLiteral("light");
    case QPalette::Midlight: return QStringLiteral("midlight");
    case QPalette::Dark: return QStringLiteral("dark");
    case QPalette::Mid: return QStringLiteral("mid");
    case QPalette::Shadow: return QStringLiteral("shadow");
    case QPalette::Highlight: return QStringLiteral("highlight");
    case QPalette::HighlightedText: return QStringLiteral("highlighted-text");
    case QPalette::Link: return QStringLiteral("link");
    case QPalette::LinkVisited: return QStringLiteral("link-visited");
    default: return QString();
    }
}

// A colour as a style sheet writes it; a system colour a style sheet cannot
// name (grey text) is fixed at today's palette, and *fixed says so.
QString cssColor(OleColor c, bool* fixed)
{
    *fixed = false;
    if (Colors::isSystemColor(c)) {
        const QString role = paletteName(QtColors::systemRole(c));
        if (!role.isEmpty())
            return QStringLiteral("palette(%1)").arg(role);
        *fixed = true;
    }
    return QtColors::toQColor(c).name();
}

// The kinds of the host's own controls.
enum class Kind { Form, Label, TextBox, CommandButton, CheckBox, OptionButton, Frame, PictureBox, ComboBox, ListBox, Image, Line, Shape, Ours, Other };

Kind kindOf(const LegacyObject& o)
{
    if (o.library.compare(QLatin1String("VB"), Qt::CaseInsensitive) != 0)
        return FormConverter::widgetClassOf(o.qualifiedClass()).isEmpty() ? Kind::Other : Kind::Ours;
    static const QList<QPair<QString, Kind>> kinds = {
        {QStringLiteral("Form"), Kind::Form}, {QStringLiteral("Label"), Kind::Label},
        {QStringLiteral("TextBox"), Kind::TextBox}, {QStringLiteral("CommandButton"), Kind::CommandButton},
        {QStringLiteral("CheckBox"), Kind::CheckBox}, {QStringLiteral("OptionButton"), Kind::OptionButton},
        {QStringLiteral("Frame"), Kind::Frame}, {QStringLiteral("PictureBox"), Kind::PictureBox},
        {QStringLiteral("ComboBox"), Kind::ComboBox}, {QStringLiteral("ListBox"), Kind::ListBox},
        {QStringLiteral("Image"), Kind::Image}, {QStringLiteral("Line"), Kind::Line},
        {QStringLiteral("Shape"), Kind::Shape},
    };
    for (const auto& [name, kind] : kinds) {
        if (name.compare(o.className, Qt::CaseInsensitive) == 0)
            return kind;
    }
    return Kind::Other;
}

// The default colours of the host's controls: a line that repeats them changes nothing.
OleColor defaultBack(Kind k)
{
    return k == Kind::TextBox || k == Kind::ComboBox || k == Kind::ListBox ? Colors::WindowBackground : Colors::ButtonFace;
}
OleColor defaultFore(Kind k)
{
    return k == Kind::TextBox || k == Kind::ComboBox || k == Kind::ListBox ? Colors::WindowText : Colors::ButtonText;
}

// Records every key a control saves, with the default it saves it against.
class KeyRecorder : public PropertyBag {
public:
    QVariant ReadProperty(const QString&, const QVariant& defaultValue) const override { return defaultValue; }
    void WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue) override
    {
        keys.append({key, defaultValue.isValid() ? defaultValue : value});
    }
    QList<QPair<QString, QVariant>> keys;
};

std::unique_ptr<ZEVControlWidget> makeWidget(const QString& widgetClass)
{
    if (widgetClass == QLatin1String("zev::ZEVNumericWidget"))
        return std::make_unique<ZEVNumericWidget>();
    if (widgetClass == QLatin1String("zev::ZEVCodeDescriptionWidget"))
        return std::make_unique<ZEVCodeDescriptionWidget>();
    if (widgetClass == QLatin1String("zev::ZEVDescriptionOnlyWidget"))
        return std::make_unique<ZEVDescriptionOnlyWidget>();
    if (widgetClass == QLatin1String("zev::ZEVPersistComboWidget"))
        return std::make_unique<ZEVPersistComboWidget>();
    if (widgetClass == QLatin1String("zev::ZEVDateRangeWidget"))
        return std::make_unique<ZEVDateRangeWidget>();
    return nullptr;
}

// The keys a class saves, in its write order, with their defaults (made once per class).
const QList<QPair<QString, QVariant>>& savedKeys(const QString& widgetClass, ZEVControlWidget& sample)
{
    static QMap<QString, QList<QPair<QString, QVariant>>> cache;
    auto it = cache.find(widgetClass);
    if (it == cache.end()) {
        KeyRecorder recorder;
        sample.writeProperties(recorder);
        it = cache.insert(widgetClass, recorder.keys);
    }
    return *it;
}

class Converter {
public:
    Converter(const LegacyForm& form, const FormConverter::SideFiles& sideFiles,
              const FormConverter::SavePicture& savePicture, MigrationReport& report)
        : form_(form), sideFiles_(sideFiles), savePicture_(savePicture), report_(report)
    {
    }

    UiForm run()
    {
        UiForm ui;
        ui.className = identifier(form_.formName(), form_.form.line);
        ui.root = convert(form_.form, Kind::Form);
        ui.root.name = ui.className;
        ui.customClasses = QStringList(customClasses_.begin(), customClasses_.end());
        std::sort(ui.customClasses.begin(), ui.customClasses.end());
        tabOrder(ui);
        return ui;
    }

private:
    // A name uic and C++ accept; the legacy language's names already are.
    QString identifier(const QString& name, int line)
    {
        QString id = name;
        for (QChar& c : id) {
            if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_'))
                c = QLatin1Char('_');
        }
        if (id.isEmpty() || id.at(0).isDigit())
            id.prepend(QLatin1Char('_'));
        if (id != name)
            report_.add(line, QStringLiteral("%1: renamed %2, a name C++ accepts").arg(name, id));
        return id;
    }

    QString uniqueName(const QString& wanted, int line)
    {
        QString name = wanted;
        for (int n = 2; names_.contains(name); ++n)
            name = wanted + QLatin1Char('_') + QString::number(n);
        if (name != wanted)
            report_.add(line, QStringLiteral("%1: a second control of that name, renamed %2").arg(wanted, name));
        names_.insert(name);
        return name;
    }

    // A value kept in the side file, read by read(frx, offset); nothing when
    // the file or the record cannot be read (reported).
    template <typename T, typename Read>
    std::optional<T> fromSideFile(const LegacyObject& o, const LegacyProperty& p, const char* expected, Read read)
    {
        if (p.value.kind != LegacyValue::SideFile) {
            unreadable(o, p, expected);
            return std::nullopt;
        }
        const FrxFile* frx = sideFiles_(p.value.sideFile, p.line);
        if (!frx) {
            report_.add(p.line, QStringLiteral("%1.%2: its side file %3 cannot be read; left out").arg(o.name, p.name, p.value.sideFile));
            return std::nullopt;
        }
        try {
            return read(*frx, p.value.offset);
        } catch (const FormReadError& e) {
            report_.add(p.line, QStringLiteral("%1.%2: %3: %4; left out").arg(o.name, p.name, e.file(), e.message()));
        }
        return std::nullopt;
    }

    // A string value, from the line or from the side file.
    std::optional<QString> text(const LegacyObject& o, const LegacyProperty& p)
    {
        if (p.value.kind == LegacyValue::String || p.value.kind == LegacyValue::Number || p.value.kind == LegacyValue::Word)
            return p.value.text;
        return fromSideFile<QString>(o, p, "a text", [](const FrxFile& frx, quint32 at) { return frx.text(at); });
    }

    std::optional<QStringList> list(const LegacyObject& o, const LegacyProperty& p)
    {
        return fromSideFile<QStringList>(o, p, "a list in the side file",
                                         [](const FrxFile& frx, quint32 at) { return frx.list(at); });
    }

    std::optional<UiPixmap> picture(const LegacyObject& o, const LegacyProperty& p)
    {
        return fromSideFile<UiPixmap>(o, p, "a picture in the side file", [&](const FrxFile& frx, quint32 at) {
            const QByteArray data = frx.picture(at);
            QString ext = QStringLiteral("bin");
            if (data.startsWith("BM"))
                ext = QStringLiteral("bmp");
            else if (data.startsWith("\x89PNG"))
                ext = QStringLiteral("png");
            else if (data.startsWith("GIF8"))
                ext = QStringLiteral("gif");
            else if (data.startsWith("\xFF\xD8"))
                ext = QStringLiteral("jpg");
            else if (data.startsWith(QByteArray("\0\0\1\0", 4)))
                ext = QStringLiteral("ico");
            return UiPixmap{savePicture_(QStringLiteral("%1_%2.%3").arg(form_.formName(), o.name, ext), data)};
        });
    }

    void unreadable(const LegacyObject& o, const LegacyProperty& p, const char* expected)
    {
        report_.add(p.line, QStringLiteral("%1.%2 = %3: expected %4; left out").arg(o.name, p.name, quoted(p.value), QLatin1String(expected)));
    }

    std::optional<bool> boolean(const LegacyObject& o, const LegacyProperty& p)
    {
        bool b = false;
        if (p.value.asBool(&b))
            return b;
        unreadable(o, p, "True or False");
        return std::nullopt;
    }

    std::optional<double> number(const LegacyObject& o, const LegacyProperty& p)
    {
        if (p.value.kind == LegacyValue::Number || p.value.kind == LegacyValue::Color)
            return p.value.number;
        unreadable(o, p, "a number");
        return std::nullopt;
    }

    std::optional<OleColor> colour(const LegacyObject& o, const LegacyProperty& p)
    {
        quint32 c = 0;
        if (p.value.asColor(&c))
            return c;
        unreadable(o, p, "a colour");
        return std::nullopt;
    }

    QFont font(const LegacyGroup& g)
    {
        QFont f;
        if (const LegacyProperty* p = g.property(QStringLiteral("Name")))
            f.setFamily(p->value.text);
        if (const LegacyProperty* p = g.property(QStringLiteral("Size")); p && p->value.isNumber() && p->value.number > 0
            && p->value.number < 1000)
            f.setPointSizeF(p->value.number);
        if (const LegacyProperty* p = g.property(QStringLiteral("Weight")); p && p->value.isNumber())
            f.setBold(p->value.number >= 600);
        bool b = false;
        if (const LegacyProperty* p = g.property(QStringLiteral("Italic")); p && p->value.asBool(&b))
            f.setItalic(b);
        if (const LegacyProperty* p = g.property(QStringLiteral("Underline")); p && p->value.asBool(&b))
            f.setUnderline(b);
        if (const LegacyProperty* p = g.property(QStringLiteral("Strikethrough")); p && p->value.asBool(&b))
            f.setStrikeOut(b);
        return f;
    }

    FontDesc fontDesc(const LegacyGroup& g)
    {
        FontDesc f;
        if (const LegacyProperty* p = g.property(QStringLiteral("Name")))
            f.name = p->value.text;
        if (const LegacyProperty* p = g.property(QStringLiteral("Size")); p && p->value.isNumber())
            f.size = p->value.number;
        if (const LegacyProperty* p = g.property(QStringLiteral("Charset")); p && p->value.isNumber())
            f.charset = qint16(qBound(-32768.0, p->value.number, 32767.0));
        if (const LegacyProperty* p = g.property(QStringLiteral("Weight")); p && p->value.isNumber()) {
            f.weight = qint16(qBound(0.0, p->value.number, 1000.0));
            f.bold = f.weight >= 600;
        }
        bool b = false;
        if (const LegacyProperty* p = g.property(QStringLiteral("Italic")); p && p->value.asBool(&b))
            f.italic = b;
        if (const LegacyProperty* p = g.property(QStringLiteral("Underline")); p && p->value.asBool(&b))
            f.underline = b;
        if (const LegacyProperty* p = g.property(QStringLiteral("Strikethrough")); p && p->value.asBool(&b))
            f.strikethrough = b;
        return f;
    }

    // Left, Top, Width, Height, TabIndex, TabStop, Visible, Enabled, ToolTipText, Tag, Index.
    void extender(const LegacyObject& o, Kind kind, UiWidget& w, QSet<QString>& used)
    {
        auto take = [&](const char* key) -> const LegacyProperty* {
            const LegacyProperty* p = o.property(QLatin1String(key));
            if (p)
                used.insert(p->name.toLower());
            return p;
        };
        double left = 0, top = 0, width = 0, height = 0;
        if (kind == Kind::Form) {
            if (const auto* p = take("ClientWidth"))
                width = number(o, *p).value_or(0);
            if (const auto* p = take("ClientHeight"))
                height = number(o, *p).value_or(0);
        } else if (kind == Kind::Line) {
            double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            if (const auto* p = take("X1"))
                x1 = number(o, *p).value_or(0);
            if (const auto* p = take("Y1"))
                y1 = number(o, *p).value_or(0);
            if (const auto* p = take("X2"))
                x2 = number(o, *p).value_or(0);
            if (const auto* p = take("Y2"))
                y2 = number(o, *p).value_or(0);
            left = std::min(x1, x2);
            top = std::min(y1, y2);
            width = std::abs(x2 - x1);
            height = std::abs(y2 - y1);
            const bool vertical = height > width;
            if (width > 0 && height > 0)
                report_.add(o.line, QStringLiteral("%1: a slanting line is drawn %2").arg(o.name, vertical ? QStringLiteral("upright") : QStringLiteral("level")));
            if (vertical)
                width = 30;
            else
                height = 30;
            w.setProperty(QStringLiteral("frameShape"), QVariant::fromValue(UiEnum{vertical ? QStringLiteral("QFrame::VLine") : QStringLiteral("QFrame::HLine")}));
            w.setProperty(QStringLiteral("frameShadow"), QVariant::fromValue(UiEnum{QStringLiteral("QFrame::Plain")}));
        } else {
            if (const auto* p = take("Left"))
                left = number(o, *p).value_or(0);
            if (const auto* p = take("Top"))
                top = number(o, *p).value_or(0);
            if (const auto* p = take("Width"))
                width = number(o, *p).value_or(0);
            if (const auto* p = take("Height"))
                height = number(o, *p).value_or(0);
        }
        const auto clampPx = [](double twips) { return px(qBound(-1.0e7, twips, 1.0e7)); };
        w.geometry = QRect(clampPx(left), clampPx(top), std::max(0, clampPx(width)), std::max(0, clampPx(height)));

        if (const auto* p = take("TabIndex"))
            w.tabIndex = int(qBound(-1.0, number(o, *p).value_or(-1), 1.0e6));
        if (const auto* p = take("TabStop"); p && !boolean(o, *p).value_or(true)) {
            w.takesFocus = false;
            w.setProperty(QStringLiteral("focusPolicy"), QVariant::fromValue(UiEnum{QStringLiteral("Qt::ClickFocus")}));
        }
        if (kind != Kind::Ours) {
            if (const auto* p = take("Enabled"); p && !boolean(o, *p).value_or(true))
                w.properties.prepend({QStringLiteral("enabled"), false});
        }
        if (const auto* p = take("Visible"); p && !boolean(o, *p).value_or(true))
            w.setProperty(QStringLiteral("visible"), false);
        if (const auto* p = take("ToolTipText")) {
            if (const auto t = text(o, *p))
                w.setProperty(QStringLiteral("toolTip"), *t);
        }
        if (const auto* p = take("Tag")) {
            if (const auto t = text(o, *p))
                w.properties.append({QStringLiteral("Tag"), *t, false, false});
        }
        if (const auto* p = take("Index")) {
            if (const auto n = number(o, *p)) {
                w.legacyIndex = int(qBound(0.0, *n, 32767.0));
                w.properties.append({QStringLiteral("Index"), w.legacyIndex, false});
            }
        }
    }

    QString css(const LegacyObject& o, const LegacyProperty& p, OleColor c)
    {
        bool fixed = false;
        QString value = cssColor(c, &fixed);
        if (fixed)
            report_.add(p.line, QStringLiteral("%1.%2 = system colour %3: a style sheet cannot follow it; fixed at %4")
                                    .arg(o.name, p.name).arg(Colors::systemColorIndex(c)).arg(value));
        return value;
    }

    // BackColor / ForeColor of the host's controls as a style sheet of the widget alone.
    void colours(const LegacyObject& o, Kind kind, UiWidget& w, QSet<QString>& used)
    {
        QStringList rules;
        if (const LegacyProperty* p = o.property(QStringLiteral("BackColor"))) {
            used.insert(p->name.toLower());
            const LegacyProperty* style = o.property(QStringLiteral("Style"));
            if (kind == Kind::CommandButton && !(style && style->value.number == 1)) {
                // A standard button ignores its BackColor in the legacy host too.
            } else if (const auto c = colour(o, *p); c && *c != defaultBack(kind)) {
                rules << QStringLiteral("background-color: %1;").arg(css(o, *p, *c));
            }
        }
        if (const LegacyProperty* p = o.property(QStringLiteral("ForeColor"))) {
            used.insert(p->name.toLower());
            if (const auto c = colour(o, *p); c && *c != defaultFore(kind))
                rules << QStringLiteral("color: %1;").arg(css(o, *p, *c));
        }
        if (!rules.isEmpty()) {
            w.setProperty(QStringLiteral("styleSheet"),
                          QStringLiteral("#%1 { %2 }").arg(w.name, rules.join(QLatin1Char(' '))));
            w.properties.last().translatable = false;
        }
    }

    UiWidget convert(const LegacyObject& o, Kind kind)
    {
        UiWidget w;
        w.legacyClass = o.qualifiedClass();
        w.legacyName = o.name;
        w.line = o.line;
        QSet<QString> used;
        QSet<QString> usedGroups;
        extender(o, kind, w, used);
        if (kind != Kind::Form) {
            const QString base = identifier(o.name, o.line);
            w.name = uniqueName(w.legacyIndex >= 0 ? base + QLatin1Char('_') + QString::number(w.legacyIndex) : base, o.line);
        }
        if (kind != Kind::Ours && kind != Kind::Other) {
            if (const LegacyGroup* g = o.group(QStringLiteral("Font"))) {
                usedGroups.insert(g->name.toLower());
                w.setProperty(QStringLiteral("font"), font(*g));
            }
        }
        auto take = [&](const char* key) -> const LegacyProperty* {
            const LegacyProperty* p = o.property(QLatin1String(key));
            if (p)
                used.insert(p->name.toLower());
            return p;
        };
        auto setText = [&](const char* key, const QString& property) {
            if (const auto* p = take(key)) {
                if (const auto t = text(o, *p))
                    w.setProperty(property, *t);
            }
        };
        auto alignment = [&](bool vcenter) {
            if (const auto* p = take("Alignment")) {
                const int a = int(number(o, *p).value_or(0));
                const QString h = a == 1 ? QStringLiteral("Qt::AlignRight") : a == 2 ? QStringLiteral("Qt::AlignHCenter") : QStringLiteral("Qt::AlignLeft");
                w.setProperty(QStringLiteral("alignment"),
                              QVariant::fromValue(UiSet{h + (vcenter ? QStringLiteral("|Qt::AlignVCenter") : QStringLiteral("|Qt::AlignTop"))}));
            }
        };

        switch (kind) {
        case Kind::Form:
            w.className = QStringLiteral("QWidget");
            setText("Caption", QStringLiteral("windowTitle"));
            w.name = identifier(form_.formName(), o.line);
            colours(o, kind, w, used);
            break;
        case Kind::Label:
            w.className = QStringLiteral("QLabel");
            w.isLabel = true;
            setText("Caption", QStringLiteral("text"));
            alignment(false);
            if (const auto* p = take("WordWrap"); p && boolean(o, *p).value_or(false))
                w.setProperty(QStringLiteral("wordWrap"), true);
            take("AutoSize"); // a QLabel in a layout takes its text's size anyway
            colours(o, kind, w, used);
            break;
        case Kind::TextBox: {
            bool multiLine = false;
            if (const auto* p = take("MultiLine"))
                multiLine = boolean(o, *p).value_or(false);
            w.className = multiLine ? QStringLiteral("QPlainTextEdit") : QStringLiteral("QLineEdit");
            w.takesFocus = !w.property(QStringLiteral("focusPolicy"));
            if (const auto* p = take("Text")) {
                if (const auto t = text(o, *p))
                    w.properties.append({multiLine ? QStringLiteral("plainText") : QStringLiteral("text"), *t, true, false});
            }
            if (const auto* p = take("MaxLength")) {
                const int n = int(number(o, *p).value_or(0));
                if (n > 0 && !multiLine)
                    w.setProperty(QStringLiteral("maxLength"), n);
                else if (n > 0)
                    report_.add(p->line, QStringLiteral("%1.MaxLength = %2: a multi-line box has no limit in Qt; enforce it in code").arg(o.name).arg(n));
            }
            if (const auto* p = take("Locked"); p && boolean(o, *p).value_or(false))
                w.setProperty(QStringLiteral("readOnly"), true);
            if (const auto* p = take("PasswordChar")) {
                if (const auto t = text(o, *p); t && !t->isEmpty() && !multiLine)
                    w.setProperty(QStringLiteral("echoMode"), QVariant::fromValue(UiEnum{QStringLiteral("QLineEdit::Password")}));
            }
            if (!multiLine)
                alignment(true);
            if (const auto* p = take("ScrollBars"); p && multiLine && number(o, *p).value_or(0) == 0)
                w.setProperty(QStringLiteral("verticalScrollBarPolicy"), QVariant::fromValue(UiEnum{QStringLiteral("Qt::ScrollBarAlwaysOff")}));
            colours(o, kind, w, used);
            break;
        }
        case Kind::CommandButton:
            w.className = QStringLiteral("QPushButton");
            w.takesFocus = !w.property(QStringLiteral("focusPolicy"));
            setText("Caption", QStringLiteral("text"));
            if (const auto* p = take("Default"); p && boolean(o, *p).value_or(false))
                w.setProperty(QStringLiteral("default"), true);
            if (const auto* p = take("Cancel"); p && boolean(o, *p).value_or(false))
                w.setProperty(QStringLiteral("shortcut"), QStringLiteral("Esc")); // Escape presses it, as it did
            take("Style");
            colours(o, kind, w, used);
            break;
        case Kind::CheckBox:
            w.className = QStringLiteral("QCheckBox");
            w.takesFocus = !w.property(QStringLiteral("focusPolicy"));
            setText("Caption", QStringLiteral("text"));
            if (const auto* p = take("Value")) {
                const int v = int(number(o, *p).value_or(0));
                if (v == 2) {
                    w.setProperty(QStringLiteral("tristate"), true);
                    report_.add(p->line, QStringLiteral("%1.Value = 2 (grayed): set Qt::PartiallyChecked in code; the box starts unchecked").arg(o.name));
                } else if (v == 1) {
                    w.setProperty(QStringLiteral("checked"), true);
                }
            }
            colours(o, kind, w, used);
            break;
        case Kind::OptionButton:
            w.className = QStringLiteral("QRadioButton");
            w.takesFocus = !w.property(QStringLiteral("focusPolicy"));
            setText("Caption", QStringLiteral("text"));
            if (const auto* p = take("Value"); p && boolean(o, *p).value_or(false))
                w.setProperty(QStringLiteral("checked"), true);
            colours(o, kind, w, used);
            break;
        case Kind::Frame:
            w.className = QStringLiteral("QGroupBox");
            setText("Caption", QStringLiteral("title"));
            colours(o, kind, w, used);
            break;
        case Kind::PictureBox:
            w.className = QStringLiteral("QFrame");
            if (const auto* p = take("BorderStyle"); !p || number(o, *p).value_or(1) != 0) {
                w.setProperty(QStringLiteral("frameShape"), QVariant::fromValue(UiEnum{QStringLiteral("QFrame::StyledPanel")}));
                w.setProperty(QStringLiteral("frameShadow"), QVariant::fromValue(UiEnum{QStringLiteral("QFrame::Sunken")}));
            }
            if (const auto* p = take("Picture"))
                report_.add(p->line, QStringLiteral("%1.Picture: a container shows no picture in Qt; left out").arg(o.name));
            colours(o, kind, w, used);
            break;
        case Kind::ComboBox: {
            w.className = QStringLiteral("QComboBox");
            w.takesFocus = !w.property(QStringLiteral("focusPolicy"));
            int style = 0;
            if (const auto* p = take("Style"))
                style = int(number(o, *p).value_or(0));
            if (style != 2)
                w.setProperty(QStringLiteral("editable"), true);
            if (const auto* p = take("List")) {
                if (const auto items = list(o, *p))
                    w.items = *items;
            }
            if (const auto* p = take("Text"); p && style != 2) {
                if (const auto t = text(o, *p); t && !t->isEmpty())
                    w.properties.append({QStringLiteral("currentText"), *t, true, false});
            }
            colours(o, kind, w, used);
            break;
        }
        case Kind::ListBox:
            w.className = QStringLiteral("QListWidget");
            w.takesFocus = !w.property(QStringLiteral("focusPolicy"));
            if (const auto* p = take("List")) {
                if (const auto items = list(o, *p))
                    w.items = *items;
            }
            if (const auto* p = take("Sorted"); p && boolean(o, *p).value_or(false))
                w.setProperty(QStringLiteral("sortingEnabled"), true);
            if (const auto* p = take("MultiSelect")) {
                const int m = int(number(o, *p).value_or(0));
                if (m == 1 || m == 2)
                    w.setProperty(QStringLiteral("selectionMode"),
                                  QVariant::fromValue(UiEnum{m == 1 ? QStringLiteral("QAbstractItemView::MultiSelection")
                                                                    : QStringLiteral("QAbstractItemView::ExtendedSelection")}));
            }
            colours(o, kind, w, used);
            break;
        case Kind::Image:
            w.className = QStringLiteral("QLabel");
            if (const auto* p = take("Picture")) {
                if (const auto pix = picture(o, *p))
                    w.setProperty(QStringLiteral("pixmap"), QVariant::fromValue(*pix));
            }
            if (const auto* p = take("Stretch"); p && boolean(o, *p).value_or(false))
                w.setProperty(QStringLiteral("scaledContents"), true);
            break;
        case Kind::Line:
            w.className = QStringLiteral("QFrame");
            take("BorderColor");
            take("BorderWidth");
            break;
        case Kind::Shape: {
            w.className = QStringLiteral("QFrame");
            int shape = 0;
            if (const auto* p = take("Shape"))
                shape = int(number(o, *p).value_or(0));
            if (shape != 0 && shape != 1)
                report_.add(o.line, QStringLiteral("%1: Shape %2 (rounded or oval) is drawn as a rectangle").arg(o.name).arg(shape));
            w.setProperty(QStringLiteral("frameShape"), QVariant::fromValue(UiEnum{QStringLiteral("QFrame::Box")}));
            w.setProperty(QStringLiteral("frameShadow"), QVariant::fromValue(UiEnum{QStringLiteral("QFrame::Plain")}));
            take("BorderColor");
            take("BorderWidth");
            take("FillStyle");
            colours(o, kind, w, used);
            break;
        }
        case Kind::Ours:
            ours(o, w, used, usedGroups);
            break;
        case Kind::Other:
            w.className = QStringLiteral("QWidget");
            w.properties.append({QStringLiteral("legacyClass"), o.qualifiedClass(), false, false});
            report_.add(o.line, QStringLiteral("%1: %2 has no counterpart; a placeholder QWidget keeps its name and place")
                                    .arg(o.name, o.qualifiedClass()));
            ++report_.placeholders;
            // Its own lines are the other library's business: not listed one by one.
            for (const LegacyProperty& p : o.properties)
                used.insert(p.name.toLower());
            for (const LegacyGroup& g : o.groups)
                usedGroups.insert(g.name.toLower());
            break;
        }
        if (kind != Kind::Other && kind != Kind::Form) {
            ++report_.converted;
            if (kind == Kind::Ours)
                ++report_.ours;
        }
        for (const LegacyProperty& p : o.properties) {
            if (!used.contains(p.name.toLower()) && !isDesignerOnly(p.name))
                report_.add(p.line, QStringLiteral("%1.%2 = %3: no counterpart in Qt; left out").arg(o.name, p.name, quoted(p.value)));
        }
        for (const LegacyGroup& g : o.groups) {
            if (!usedGroups.contains(g.name.toLower()))
                report_.add(g.line, QStringLiteral("%1.%2: no counterpart in Qt; left out").arg(o.name, g.name));
        }
        for (const LegacyObject& c : o.children) {
            const Kind ck = kindOf(c);
            if (ck == Kind::Form) {
                report_.add(c.line, QStringLiteral("%1: a form inside a form; a placeholder keeps its place").arg(c.name));
                w.children.push_back(convert(c, Kind::Other));
            } else {
                w.children.push_back(convert(c, ck));
            }
        }
        return w;
    }

    // One of our controls: its lines are the keys its property bag saves.
    void ours(const LegacyObject& o, UiWidget& w, QSet<QString>& used, QSet<QString>& usedGroups)
    {
        w.className = FormConverter::widgetClassOf(o.qualifiedClass());
        customClasses_.insert(w.className);
        w.takesFocus = !w.property(QStringLiteral("focusPolicy"));
        std::unique_ptr<ZEVControlWidget> widget = makeWidget(w.className);
        const auto& keys = savedKeys(w.className, *widget);
        MemoryPropertyBag bag;
        for (const auto& [key, sample] : keys) {
            const int type = sample.userType();
            if (type == qMetaTypeId<FontDesc>()) {
                if (const LegacyGroup* g = o.group(key)) {
                    usedGroups.insert(g->name.toLower());
                    bag.insert(key, QVariant::fromValue(fontDesc(*g)));
                }
                continue;
            }
            const LegacyProperty* p = o.property(key);
            if (!p)
                continue;
            used.insert(p->name.toLower());
            QVariant value;
            switch (type) {
            case QMetaType::Bool:
                if (const auto b = boolean(o, *p))
                    value = *b;
                break;
            case QMetaType::Short:
                if (const auto n = number(o, *p)) {
                    if (*n >= -32768 && *n <= 32767)
                        value = QVariant::fromValue(qint16(*n));
                    else
                        unreadable(o, *p, "an Integer (-32768 to 32767)");
                }
                break;
            case QMetaType::Int:
                if (quint32 c = 0; p->value.asColor(&c) && (p->value.kind == LegacyValue::Color || p->value.number == double(qint64(p->value.number))))
                    value = QVariant::fromValue(qint32(c));
                else
                    unreadable(o, *p, "a Long");
                break;
            case QMetaType::Float:
            case QMetaType::Double:
                if (const auto n = number(o, *p))
                    value = type == QMetaType::Float ? QVariant::fromValue(float(*n)) : QVariant(*n);
                break;
            default:
                if (const auto t = text(o, *p))
                    value = *t;
                break;
            }
            if (value.isValid())
                bag.insert(key, value);
        }

        QStringList refused;
        widget->setReportsFailures(true);
        QObject::connect(widget.get(), &ZEVControlWidget::errorRaised,
                         [&refused](int number, const QString& description) {
                             refused << QStringLiteral("%1 (error %2)").arg(description).arg(number);
                         });
        widget->readProperties(bag);
        for (const QString& r : refused)
            report_.add(o.line, QStringLiteral("%1: the control refused a saved value: %2").arg(o.name, r));

        MemoryPropertyBag saved;
        widget->writeProperties(saved);
        // A value the control keeps otherwise than the file gave it (a Text
        // read in another locale's notation, a length beyond its bound) is
        // named, so nothing changes unseen.
        for (const auto& [key, sample] : keys) {
            if (!bag.contains(key))
                continue;
            const QVariant given = bag.ReadProperty(key);
            const QVariant kept = saved.ReadProperty(key, sample);
            const bool font = given.userType() == qMetaTypeId<FontDesc>();
            if (font ? given.value<FontDesc>().name != kept.value<FontDesc>().name : !samePropertyValue(given, kept)) {
                const auto show = [font](const QVariant& v) {
                    return font ? v.value<FontDesc>().name : v.userType() == QMetaType::QString ? QLatin1Char('"') + v.toString() + QLatin1Char('"') : v.toString();
                };
                report_.add(o.line, QStringLiteral("%1.%2 = %3 loads as %4%5")
                                        .arg(o.name, key, show(given), show(kept),
                                             key == QLatin1String("Text") ? QStringLiteral(" (numbers are read in the locale %1; set LANG to the forms' locale)").arg(QLocale().name()) : QString()));
            }
        }
        if (saved.contains(QStringLiteral("Enabled")) && !saved.ReadProperty(QStringLiteral("Enabled")).toBool())
            w.properties.prepend({QStringLiteral("enabled"), false});
        // Every saved key, defaults too: a setter run from the .ui can change
        // another property (a description marks a lookup loaded), and loading
        // a saved form reads every key in turn to set each one back.
        QMap<QString, QVariant> defaults;
        for (const auto& [key, sample] : keys)
            defaults.insert(key, sample);
        // A control whose saved font is its own ("Font") shows it as QWidget's font, which comes first.
        if (defaults.contains(QStringLiteral("Font")))
            w.properties.append({QStringLiteral("font"), widget->font()});
        const QMetaObject* meta = widget->metaObject();
        for (int i = ZEVControlWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const QMetaProperty mp = meta->property(i);
            const QString name = QString::fromLatin1(mp.name());
            if (!mp.isStored() || !defaults.contains(name))
                continue;
            const QVariant v = mp.read(widget.get());
            if (mp.metaType().id() == QMetaType::QColor) {
                const auto ole = OleColor(saved.ReadProperty(name, defaults.value(name)).toLongLong());
                if (Colors::isSystemColor(ole)) {
                    // A .ui colour is fixed; the dynamic property keeps the system colour, which follows the theme.
                    w.properties.append({QStringLiteral("ole") + name, qint32(ole), false});
                    continue;
                }
            }
            if (mp.isEnumType()) {
                const QMetaEnum e = mp.enumerator();
                w.properties.append({name, QVariant::fromValue(UiEnum{QString::fromLatin1(e.scope()) + QStringLiteral("::")
                                                                      + QString::fromLatin1(e.valueToKey(v.toInt()))})});
            } else {
                w.properties.append({name, v, true, false});
            }
        }
    }

    // Tab order by TabIndex over the whole form; a label's buddy is the next
    // control in that order that takes the focus.
    void tabOrder(UiForm& ui)
    {
        QList<UiWidget*> ordered;
        std::function<void(UiWidget&)> collect = [&](UiWidget& w) {
            for (UiWidget& c : w.children) {
                if (c.tabIndex >= 0)
                    ordered.append(&c);
                collect(c);
            }
        };
        collect(ui.root);
        std::stable_sort(ordered.begin(), ordered.end(), [](const UiWidget* a, const UiWidget* b) { return a->tabIndex < b->tabIndex; });
        for (qsizetype i = 0; i < ordered.size(); ++i) {
            UiWidget* w = ordered.at(i);
            if (w->takesFocus)
                ui.tabOrder.append(w->name);
            const UiProperty* caption = w->property(QStringLiteral("text"));
            if (!w->isLabel || !caption || !hasMnemonic(caption->value.toString()))
                continue;
            for (qsizetype j = i + 1; j < ordered.size(); ++j) {
                if (ordered.at(j)->takesFocus) {
                    w->buddy = ordered.at(j)->name;
                    break;
                }
            }
        }
    }

    static bool hasMnemonic(const QString& text)
    {
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text.at(i) == QLatin1Char('&')) {
                if (text.at(i + 1) != QLatin1Char('&'))
                    return true;
                ++i;
            }
        }
        return false;
    }

    const LegacyForm& form_;
    const FormConverter::SideFiles& sideFiles_;
    const FormConverter::SavePicture& savePicture_;
    MigrationReport& report_;
    QSet<QString> names_;
    QSet<QString> customClasses_;
};

} // namespace

QString FormConverter::widgetClassOf(const QString& legacyClass)
{
    static const QStringList ours = {QStringLiteral("ZEVNumeric"), QStringLiteral("ZEVCodeDescription"),
                                     QStringLiteral("ZEVDescriptionOnly"), QStringLiteral("ZEVPersistCombo"),
                                     QStringLiteral("ZEVDateRange")};
    const QString library = legacyClass.section(QLatin1Char('.'), 0, 0);
    const QString cls = legacyClass.section(QLatin1Char('.'), 1);
    if (library.compare(QLatin1String("ZEVSuiteControls"), Qt::CaseInsensitive) != 0)
        return QString();
    for (const QString& c : ours) {
        if (c.compare(cls, Qt::CaseInsensitive) == 0)
            return QStringLiteral("zev::") + c + QStringLiteral("Widget");
    }
    return QString();
}

UiForm FormConverter::convert(const LegacyForm& form, const SideFiles& sideFiles, const SavePicture& savePicture,
                              MigrationReport& report)
{
    return Converter(form, sideFiles, savePicture, report).run();
}

} // namespace zev
