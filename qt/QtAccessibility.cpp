#include "qt/QtAccessibility.h"

#include "qt/QtControlHost.h"
#include "qt/ZEVControlWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QTextDocumentFragment>
#include <QTimer>

namespace zev::QtAccessibility {

namespace {
#define ZEV_A11Y(text) QT_TRANSLATE_NOOP("zev::QtAccessibility", text)

QString tr(const char* text) { return QCoreApplication::translate("zev::QtAccessibility", text); }

struct PartText {
    const char* part;
    const char* name;        // nullptr: the control's own name (a one-part control)
    const char* description; // nullptr: none
};

struct ControlText {
    const char* className;
    const char* name; // without a label
    std::initializer_list<PartText> parts;
};

const PartText searchButton{"cmdSearch", ZEV_A11Y("Pesquisar (F3)"), ZEV_A11Y("Procura o que foi digitado")};
const char* const calendarHint = ZEV_A11Y("Alt+Seta para baixo abre o calendário");

const ControlText controlTexts[] = {
    {"ZEVNumeric", ZEV_A11Y("Valor"), {{"txtValue", nullptr, nullptr}}},
    {"ZEVCodeDescription",
     ZEV_A11Y("Código e descrição"),
     {{"txtCode", ZEV_A11Y("Código"), nullptr}, searchButton, {"panDescription", ZEV_A11Y("Descrição"), nullptr}}},
    {"ZEVDescriptionOnly", ZEV_A11Y("Descrição"), {{"txtDescription", ZEV_A11Y("Descrição"), nullptr}, searchButton}},
    {"ZEVPersistCombo",
     ZEV_A11Y("Lista de filtro"),
     {{"txtCode", ZEV_A11Y("Código"), nullptr},
      searchButton,
      {"txtDescription", ZEV_A11Y("Descrição"), nullptr},
      {"cboListing", ZEV_A11Y("Itens adicionados"), nullptr},
      {"cmdRemoveItem", ZEV_A11Y("Remover item"), ZEV_A11Y("Remove da lista o item escolhido")}}},
    {"ZEVDateRange",
     ZEV_A11Y("Período"),
     {{"cboFiltro", ZEV_A11Y("Predefinição"), ZEV_A11Y("Alt+Seta para baixo abre a lista")},
      {"dtpInicio", ZEV_A11Y("Data inicial"), calendarHint},
      {"dtpFim", ZEV_A11Y("Data final"), calendarHint}}},
};

// A text the application set (not the one written here last) is left alone.
void setName(QWidget& w, QString& written, const QString& name)
{
    const QString current = w.accessibleName();
    if (!current.isEmpty() && current != written)
        return;
    written = name;
    if (current != name)
        w.setAccessibleName(name); // raises NameChanged
}

void setDescription(QWidget& w, QString& written, const QString& description)
{
    const QString current = w.accessibleDescription();
    if (!current.isEmpty() && current != written)
        return;
    written = description;
    if (current != description)
        w.setAccessibleDescription(description); // raises DescriptionChanged
}

QString labelText(const QLabel& label)
{
    QString text = label.text();
    if (label.textFormat() == Qt::RichText || (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
                plain += text[++i];
            continue;
        }
        plain += text[i];
    }
    plain = plain.simplified();
    while (plain.endsWith(QLatin1Char(':')) || plain.endsWith(QChar(0xFF1A)))
        plain.chop(1);
    return plain.trimmed();
}

QString lowerFirst(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

// How many of something there are: none, one or `many` (with %1 for the number).
QString countOf(int count, const char* none, const char* one, const char* many)
{
    if (count == 0)
        return tr(none);
    if (count == 1)
        return tr(one);
    return tr(many).arg(count);
}

QString itemCount(int count) { return countOf(count, ZEV_A11Y("Nenhum item"), ZEV_A11Y("1 item"), ZEV_A11Y("%1 itens")); }

// A list part: Qt's own combo box interface on Linux answers its name with
// the current item (a screen reader is meant to find the name through a
// label's relation, which a part inside a control has not). This one answers
// with the part's name and gives the current item as the value.
class AccessibleListPart : public QAccessibleWidget {
public:
    explicit AccessibleListPart(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox* combo() const { return static_cast<QComboBox*>(object()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || (t == QAccessible::Name && combo()->accessibleName().isEmpty()))
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == combo()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }
};

QAccessibleInterface* controlInterface(const QString&, QObject* object)
{
    if (auto* control = qobject_cast<ZEVControlWidget*>(object))
        return new QAccessibleWidget(control, QAccessible::Grouping);
    if (auto* combo = qobject_cast<QComboBox*>(object);
        combo && qobject_cast<ZEVControlWidget*>(combo->parentWidget()) && !combo->isEditable())
        return new AccessibleListPart(combo);
    return nullptr;
}
} // namespace

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

namespace {
// The text of the first label among labels that names widget.
QString buddyTextAmong(const QWidget& widget, const QList<QLabel*>& labels)
{
    const QWidget* proxy = widget.focusProxy();
    for (const QLabel* label : labels) {
        const QWidget* buddy = label ? label->buddy() : nullptr;
        if (!buddy || widget.isAncestorOf(label))
            continue;
        if (buddy == &widget || buddy == proxy || widget.isAncestorOf(buddy))
            if (QString text = labelText(*label); !text.isEmpty())
                return text;
    }
    return QString();
}

// The labels of the container that have a buddy, gathered for the controls
// shown with it; forgotten when the event loop next runs, or as soon as the
// container has other children.
struct ShownLabels {
    QPointer<const QWidget> container;
    qsizetype children = -1;
    QList<QPointer<QLabel>> labels;
    bool forgetting = false;
};

ShownLabels& shownLabels()
{
    static ShownLabels s;
    return s;
}

QString shownBuddyText(const QWidget& widget)
{
    const QWidget* container = widget.parentWidget();
    if (!container)
        return QString();
    ShownLabels& shown = shownLabels();
    if (shown.container != container || shown.children != container->children().size()) {
        shown.container = container;
        shown.children = container->children().size();
        shown.labels.clear();
        for (QLabel* label : container->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (label->buddy())
                shown.labels.append(label);
        if (!shown.forgetting) {
            shown.forgetting = true;
            // It clears a global cache: no object whose end should cancel it.
            QTimer::singleShot(0, [] { // clazy:exclude=connect-3arg-lambda
                ShownLabels& s = shownLabels();
                s = ShownLabels();
            });
        }
    }
    QList<QLabel*> labels;
    labels.reserve(shown.labels.size());
    for (const QPointer<QLabel>& label : shown.labels)
        labels.append(label.data());
    return buddyTextAmong(widget, labels);
}
} // namespace

QString buddyText(const QWidget& widget)
{
    // A form's label sits beside its field, in the same container (a form or
    // grid layout, a Designer form): the whole window would make every control
    // on a large form scan every label of it.
    const QWidget* container = widget.parentWidget();
    if (!container)
        return QString();
    return buddyTextAmong(widget, container->findChildren<QLabel*>(Qt::FindDirectChildrenOnly));
}

namespace {
void describeWith(QWidget& control, const QString& className, const QtControlHost& host,
                  QString (*lookForLabel)(const QWidget&))
{
    const ControlText* texts = nullptr;
    for (const ControlText& t : controlTexts)
        if (className == QLatin1String(t.className))
            texts = &t;
    if (!texts)
        return;

    QtControlHost::AccessibleTexts& own = host.accessibleTexts(&control);
    QString base = control.accessibleName();
    if (base == own.name) {
        // The search goes through every label of the window: not at every keystroke.
        if (lookForLabel)
            own.label = lookForLabel(control);
        base = own.label;
    }
    const bool labelled = !base.isEmpty();
    if (!labelled)
        base = tr(texts->name);
    setName(control, own.name, base);

    const auto* panel = qobject_cast<const QLabel*>(host.qwidget(QStringLiteral("panDescription")));
    const QString found = panel ? panel->text().trimmed() : QString();
    for (const PartText& p : texts->parts) {
        QWidget* part = host.qwidget(QLatin1String(p.part));
        if (!part)
            continue;
        QString name = !p.name ? base : labelled ? base + QLatin1String(", ") + lowerFirst(tr(p.name)) : tr(p.name);
        QString description = p.description ? tr(p.description) : QString();
        if (part == panel && !found.isEmpty())
            name += QLatin1String(": ") + found; // the description found is what the panel says
        else if (panel && p.part == QLatin1String("txtCode"))
            description = found; // heard with the code, where the user is
        else if (auto* list = qobject_cast<QComboBox*>(part); list && p.part == QLatin1String("cboListing"))
            description = itemCount(list->count());
        QtControlHost::AccessibleTexts& written = host.accessibleTexts(part);
        setName(*part, written.name, name);
        setDescription(*part, written.description, description);
    }
    // Looked up again: the parts' entries may have moved the control's.
    host.accessibleTexts(&control).described = true;
}

} // namespace

void describe(QWidget& control, const QString& className, const QtControlHost& host, bool lookForLabel)
{
    describeWith(control, className, host, lookForLabel ? &buddyText : nullptr);
}

void describeShown(QWidget& control, const QString& className, const QtControlHost& host)
{
    // Shown with the same label (or none) and its own name: what a change of
    // content would say is written already, so the texts stand.
    const QtControlHost::AccessibleTexts& own = host.accessibleTexts(&control);
    if (own.described && control.accessibleName() == own.name && shownBuddyText(control) == own.label)
        return;
    describeWith(control, className, host, &shownBuddyText);
}

QString suggestionsName() { return tr(ZEV_A11Y("Sugestões")); }

QString suggestionCount(int count)
{
    return countOf(count, ZEV_A11Y("Nenhuma sugestão"), ZEV_A11Y("1 sugestão"), ZEV_A11Y("%1 sugestões"));
}

} // namespace zev::QtAccessibility
