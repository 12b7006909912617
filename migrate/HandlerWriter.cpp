#include "migrate/HandlerWriter.h"

#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaEnum>
#include <QMetaMethod>
#include <QMetaType>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QPlainTextEdit>
#include <algorithm>
#include <optional>

namespace zev {

namespace {

// The widget classes handlers can be connected to, with the header the
// generated class includes for their signals' argument types.
struct WidgetClass {
    const char* name;
    const QMetaObject* meta;
    const char* header;
    bool ours; // every legacy event is a signal of the same name
};

const WidgetClass kClasses[] = {
    {"QPushButton", &QPushButton::staticMetaObject, "<QPushButton>", false},
    {"QCheckBox", &QCheckBox::staticMetaObject, "<QCheckBox>", false},
    {"QRadioButton", &QRadioButton::staticMetaObject, "<QRadioButton>", false},
    {"QLineEdit", &QLineEdit::staticMetaObject, "<QLineEdit>", false},
    {"QPlainTextEdit", &QPlainTextEdit::staticMetaObject, "<QPlainTextEdit>", false},
    {"QComboBox", &QComboBox::staticMetaObject, "<QComboBox>", false},
    {"QListWidget", &QListWidget::staticMetaObject, "<QListWidget>", false},
    {"zev::ZEVNumericWidget", &ZEVNumericWidget::staticMetaObject, "\"qt/ZEVNumericWidget.h\"", true},
    {"zev::ZEVCodeDescriptionWidget", &ZEVCodeDescriptionWidget::staticMetaObject,
     "\"qt/ZEVCodeDescriptionWidget.h\"", true},
    {"zev::ZEVDescriptionOnlyWidget", &ZEVDescriptionOnlyWidget::staticMetaObject,
     "\"qt/ZEVDescriptionOnlyWidget.h\"", true},
    {"zev::ZEVPersistComboWidget", &ZEVPersistComboWidget::staticMetaObject, "\"qt/ZEVPersistComboWidget.h\"",
     true},
    {"zev::ZEVDateRangeWidget", &ZEVDateRangeWidget::staticMetaObject, "\"qt/ZEVDateRangeWidget.h\"", true},
};

// The host's own controls: which Qt signal stands for a legacy event, by the
// Qt class the converter made of the control. Anything missing here has no
// counterpart and is reported.
struct HostEvent {
    const char* qtClass;
    const char* event;
    const char* signal;   // normalized, as QMetaObject::indexOfSignal takes it
    const char* argument; // the name for the slot's argument: Qt's headers leave some unnamed
};

const HostEvent kHostEvents[] = {
    {"QPushButton", "Click", "clicked()", nullptr},
    {"QCheckBox", "Click", "clicked()", nullptr},
    {"QRadioButton", "Click", "clicked()", nullptr},
    {"QLineEdit", "Change", "textChanged(QString)", "text"},
    {"QPlainTextEdit", "Change", "textChanged()", nullptr}, // a multi-line text box
    {"QComboBox", "Click", "activated(int)", "index"},
    {"QComboBox", "Change", "editTextChanged(QString)", "text"},
    {"QListWidget", "Click", "currentRowChanged(int)", "currentRow"},
    {"QListWidget", "DblClick", "itemDoubleClicked(QListWidgetItem*)", "item"},
};

// Events the host raises on its controls: a procedure named after one of
// them whose control is not on the form is a handler left behind, not a
// general procedure that happens to have an underscore.
const char* const kHostEventNames[] = {
    "Change", "Click", "DblClick", "DragDrop", "DragOver", "GotFocus", "KeyDown", "KeyPress",
    "KeyUp", "LinkClose", "LinkError", "LinkExecute", "LinkNotify", "LinkOpen", "LostFocus",
    "MouseDown", "MouseMove", "MouseUp", "OLECompleteDrag", "OLEDragDrop", "OLEDragOver",
    "OLEGiveFeedback", "OLESetData", "OLEStartDrag", "Paint", "Resize", "Scroll", "Timer",
    "Validate",
};

const WidgetClass* widgetClass(const QString& name)
{
    for (const WidgetClass& c : kClasses) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// One parameter of a slot, as C++ writes it.
struct Parameter {
    QString type;
    QString name;
};

// A signal a handler is connected to.
struct Signal {
    const WidgetClass* cls = nullptr;
    QString name;
    QList<Parameter> parameters;
    bool overloaded = false; // needs qOverload<...> to be named
};

// moc keeps a type as the signal declares it, except that `const T&`
// becomes `T` and an enumeration of the class loses its scope. A class type
// is given back as `const T&` (the usual way, and what qOverload needs to
// name such a signal); an enumeration gets its class.
QString cppType(const QByteArray& normalized, const QMetaObject* meta)
{
    QString type = QString::fromLatin1(normalized);
    QString base = type;
    QString suffix;
    while (base.endsWith(QLatin1Char('&')) || base.endsWith(QLatin1Char('*'))) {
        suffix.prepend(base.back());
        base.chop(1);
    }
    if (!base.contains(QLatin1String("::"))) {
        const int e = meta->indexOfEnumerator(base.toLatin1().constData());
        if (e >= 0)
            return QString::fromLatin1(meta->enumerator(e).scope()) + QLatin1String("::") + base + suffix;
    }
    if (suffix.isEmpty()) {
        const QMetaType t = QMetaType::fromName(normalized);
        if (t.isValid() && (t.flags() & QMetaType::NeedsConstruction))
            return QLatin1String("const ") + type + QLatin1Char('&');
    }
    return type;
}

Signal describe(const WidgetClass* cls, const QMetaMethod& method, const char* argument = nullptr)
{
    Signal s;
    s.cls = cls;
    s.name = QString::fromLatin1(method.name());
    const QList<QByteArray> types = method.parameterTypes();
    const QList<QByteArray> names = method.parameterNames();
    for (int i = 0; i < types.size(); ++i) {
        QString name = i < names.size() ? QString::fromLatin1(names.at(i)) : QString();
        if (name.isEmpty())
            name = argument && i == 0 ? QString::fromLatin1(argument) : QStringLiteral("arg%1").arg(i + 1);
        s.parameters.append({cppType(types.at(i), cls->meta), name});
    }
    // A default argument makes moc add a cloned signal that is the same
    // C++ function; any other method of the name makes `&Class::Name` ambiguous.
    int sameNamed = 0;
    for (int i = 0; i < cls->meta->methodCount(); ++i) {
        const QMetaMethod m = cls->meta->method(i);
        if (m.name() == method.name() && !(m.attributes() & QMetaMethod::Cloned))
            ++sameNamed;
    }
    s.overloaded = sameNamed > 1;
    return s;
}

// The signal of one of our widgets named after the event. QWidget's own
// signals are not legacy events.
std::optional<QMetaMethod> ourSignal(const QMetaObject* meta, const QString& event)
{
    std::optional<QMetaMethod> found;
    for (int i = QWidget::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() != QMetaMethod::Signal || (m.attributes() & QMetaMethod::Cloned))
            continue;
        const QString name = QString::fromLatin1(m.name());
        if (name == event)
            return m;
        if (!found && sameName(name, event))
            found = m;
    }
    return found;
}

std::optional<Signal> signalFor(const UiWidget& widget, const QString& event)
{
    const WidgetClass* cls = widgetClass(widget.className);
    if (!cls)
        return std::nullopt;
    if (cls->ours) {
        if (const auto m = ourSignal(cls->meta, event))
            return describe(cls, *m);
        return std::nullopt;
    }
    for (const HostEvent& e : kHostEvents) {
        if (widget.className == QLatin1String(e.qtClass) && sameName(event, QLatin1String(e.event))) {
            const int index = cls->meta->indexOfSignal(e.signal);
            if (index >= 0)
                return describe(cls, cls->meta->method(index), e.argument);
        }
    }
    return std::nullopt;
}

bool isHostEvent(const QString& event)
{
    for (const char* name : kHostEventNames) {
        if (sameName(event, QLatin1String(name)))
            return true;
    }
    for (const WidgetClass& c : kClasses) {
        if (c.ours && ourSignal(c.meta, event))
            return true;
    }
    return false;
}

bool legacyHas(const LegacyObject& object, const QString& name)
{
    for (const LegacyObject& child : object.children) {
        if (sameName(child.name, name) || legacyHas(child, name))
            return true;
    }
    return false;
}

// The legacy language allows accented letters in names; C++ tools do not
// all agree on them, so the slot's name keeps to ASCII.
QString identifier(const QString& name)
{
    QString out;
    const QString decomposed = name.normalized(QString::NormalizationForm_D);
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        const bool ascii = c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('_'));
        out.append(ascii ? c : QLatin1Char('_'));
    }
    if (out.isEmpty() || out.front().isDigit())
        out.prepend(QLatin1Char('_'));
    return out;
}

QString typesOf(const QList<Parameter>& parameters)
{
    QStringList types;
    for (const Parameter& p : parameters)
        types.append(p.type);
    return types.join(QLatin1String(", "));
}

QString declarationOf(const QList<Parameter>& parameters)
{
    QStringList out;
    for (const Parameter& p : parameters)
        out.append(p.type + QLatin1Char(' ') + p.name);
    return out.join(QLatin1String(", "));
}

QString signalPointer(const Signal& s)
{
    QString pointer = QLatin1Char('&') + QLatin1String(s.cls->name) + QLatin1String("::") + s.name;
    if (!s.overloaded)
        return pointer;
    return QLatin1String("qOverload<") + typesOf(s.parameters) + QLatin1String(">(") + pointer + QLatin1Char(')');
}

// A handler to write: its slot and the widgets whose signal calls it.
struct Handler {
    const LegacyProcedure* procedure = nullptr;
    QString slot;
    QList<Parameter> parameters; // the slot's, `int index` first for a control array
    bool array = false;
    bool formLoad = false;
    QList<QPair<const UiWidget*, Signal>> connections;
};

QString bodyComment(const QString& line)
{
    QString text = line;
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    // A `//` comment ending in a backslash would swallow the next line.
    if (text.endsWith(QLatin1Char('\\')) || text.endsWith(QLatin1String("?\?/")))
        text += QLatin1String(" // (the line ends here)");
    return text.isEmpty() ? QStringLiteral("    //\n") : QLatin1String("    // ") + text + QLatin1Char('\n');
}

QString notConnected(const LegacyProcedure& p, const QString& why)
{
    return p.name + QLatin1String(": ") + why + QLatin1String("; the legacy code is not connected");
}

} // namespace

HandlerWriter::Sources HandlerWriter::write(const LegacyForm& legacy, const UiForm& form, MigrationReport& report)
{
    const QString cls = form.className;

    QList<Handler> handlers;
    QSet<QString> slotNames;
    for (const LegacyProcedure& p : legacy.procedures) {
        if (p.control.isEmpty() || p.event.isEmpty())
            continue;

        Handler h;
        h.procedure = &p;
        h.slot = identifier(p.name);

        if (sameName(p.control, QLatin1String("Form"))) {
            if (!sameName(p.event, QLatin1String("Load"))) {
                report.add(p.line, notConnected(p, QLatin1String("no Qt signal for ") + p.event
                                                       + QLatin1String(" on the form")));
                continue;
            }
            h.formLoad = true;
        } else {
            QList<const UiWidget*> members;
            for (const UiWidget* w : form.all()) {
                if (w != &form.root && !w->legacyName.isEmpty() && sameName(w->legacyName, p.control))
                    members.append(w);
            }
            if (members.isEmpty()) {
                if (legacyHas(legacy.form, p.control))
                    report.add(p.line,
                               notConnected(p, p.control + QLatin1String(" has no widget on the converted form")));
                else if (isHostEvent(p.event))
                    report.add(p.line, notConnected(p, QLatin1String("the form has no control named ") + p.control));
                continue;
            }
            std::stable_sort(members.begin(), members.end(),
                             [](const UiWidget* a, const UiWidget* b) { return a->legacyIndex < b->legacyIndex; });
            h.array = members.front()->legacyIndex >= 0;

            std::optional<Signal> first;
            QList<const UiWidget*> without; // members whose class lacks the event
            for (const UiWidget* w : members) {
                const std::optional<Signal> s = signalFor(*w, p.event);
                if (!s) {
                    without.append(w);
                    continue;
                }
                if (!first) {
                    first = s;
                } else if (typesOf(s->parameters) != typesOf(first->parameters)) {
                    // A control array mixes kinds (a multi-line text box among
                    // single-line ones): one slot cannot take both signals.
                    report.add(p.line, notConnected(p, w->name + QLatin1String("'s ") + s->name
                                                           + QLatin1String(" does not carry the arguments of ")
                                                           + first->name + QLatin1String(" on ")
                                                           + h.connections.front().first->name));
                    continue;
                }
                h.connections.append({w, *s});
            }
            const QString missing = QLatin1String("no Qt signal for ") + p.event + QLatin1String(" on ");
            if (!first) {
                report.add(p.line, notConnected(p, missing + members.front()->className));
                continue;
            }
            for (const UiWidget* w : without)
                report.add(p.line, notConnected(p, missing + w->className + QLatin1String(" (") + w->name
                                                       + QLatin1Char(')')));
            if (h.array)
                h.parameters.append({QStringLiteral("int"), QStringLiteral("index")});
            for (const Parameter& parameter : first->parameters) {
                h.parameters.append(parameter);
                if (h.array && parameter.name == QLatin1String("index"))
                    h.parameters.last().name += QLatin1Char('_');
            }
        }

        if (slotNames.contains(h.slot)) {
            report.add(p.line, notConnected(p, QLatin1String("a second procedure named ") + h.slot));
            continue;
        }
        slotNames.insert(h.slot);
        handlers.append(h);
    }

    // The header: the slots, and what their argument types need.
    QStringList includes{QStringLiteral("<QWidget>")};
    for (const Handler& h : handlers) {
        for (const auto& c : h.connections) {
            const QString header = QLatin1String(c.second.cls->header);
            if (!includes.contains(header))
                includes.append(header);
        }
    }
    includes.append(QStringLiteral("<memory>"));

    const QString origin = legacy.path.isEmpty() ? cls : QFileInfo(legacy.path).fileName();
    QString header;
    header += QLatin1String("// The form ") + cls + QLatin1String(", converted from ") + origin
              + QLatin1String(" by zev-migrate: the legacy event procedures are\n"
                              "// this class's slots, their code kept as comments to be rewritten.\n");
    header += QLatin1String("#pragma once\n\n");
    for (const QString& include : includes)
        header += QLatin1String("#include ") + include + QLatin1Char('\n');
    header += QLatin1String("\nnamespace Ui {\nclass ") + cls + QLatin1String(";\n}\n\n");
    header += QLatin1String("class ") + cls + QLatin1String(" : public QWidget {\n    Q_OBJECT\n\npublic:\n");
    header += QLatin1String("    explicit ") + cls + QLatin1String("(QWidget* parent = nullptr);\n");
    header += QLatin1String("    ~") + cls + QLatin1String("() override;\n");
    if (!handlers.isEmpty()) {
        header += QLatin1String("\nprivate Q_SLOTS:\n");
        for (const Handler& h : handlers)
            header += QLatin1String("    void ") + h.slot + QLatin1Char('(') + declarationOf(h.parameters)
                      + QLatin1String(");\n");
    }
    header += QLatin1String("\nprivate:\n    std::unique_ptr<Ui::") + cls + QLatin1String("> ui;\n};\n");

    // The source: set up, connect, then the form's Load as the host raised it.
    QString source;
    source += QLatin1String("#include \"") + cls + QLatin1String(".h\"\n#include \"ui_") + cls
              + QLatin1String(".h\"\n\n");
    source += cls + QLatin1String("::") + cls + QLatin1String("(QWidget* parent)\n    : QWidget(parent)\n")
              + QLatin1String("    , ui(std::make_unique<Ui::") + cls + QLatin1String(">())\n{\n")
              + QLatin1String("    ui->setupUi(this);\n");
    const Handler* load = nullptr;
    for (const Handler& h : handlers) {
        if (h.formLoad) {
            load = &h;
            continue;
        }
        for (const auto& c : h.connections) {
            const UiWidget* w = c.first;
            const Signal& s = c.second;
            source += QLatin1String("    connect(ui->") + w->name + QLatin1String(", ") + signalPointer(s)
                      + QLatin1String(", this, ");
            if (!h.array) {
                source += QLatin1Char('&') + cls + QLatin1String("::") + h.slot + QLatin1String(");\n");
                continue;
            }
            QStringList arguments{QString::number(w->legacyIndex)};
            for (int i = 1; i < h.parameters.size(); ++i)
                arguments.append(h.parameters.at(i).name);
            source += QLatin1String("[this](") + declarationOf(h.parameters.mid(1)) + QLatin1String(") { ")
                      + h.slot + QLatin1Char('(') + arguments.join(QLatin1String(", ")) + QLatin1String("); });\n");
        }
    }
    if (load)
        source += QLatin1String("    ") + load->slot + QLatin1String("();\n");
    source += QLatin1String("}\n\n");
    source += cls + QLatin1String("::~") + cls + QLatin1String("() = default;\n");

    for (const Handler& h : handlers) {
        source += QLatin1String("\nvoid ") + cls + QLatin1String("::") + h.slot + QLatin1Char('(')
                  + declarationOf(h.parameters) + QLatin1String(")\n{\n");
        source += bodyComment(h.procedure->header.trimmed());
        for (const QString& line : h.procedure->body)
            source += bodyComment(line);
        for (const Parameter& parameter : h.parameters)
            source += QLatin1String("    Q_UNUSED(") + parameter.name + QLatin1String(");\n");
        source += QLatin1String("}\n");
    }

    return {header, source};
}

} // namespace zev
