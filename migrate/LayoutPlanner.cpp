#include "migrate/LayoutPlanner.h"

#include <QSet>
#include <QSize>
#include <algorithm>
#include <cstdlib>

namespace zev {
namespace {

// A widget joins a row when its vertical extent overlaps the row's band by
// more than half the smaller of the two heights. A 13 px label beside a 21 px
// text box joins it wherever the label sits within the box's height, while
// two fields one below the other that touch by a pixel or two (twips rounded
// to pixels) stay in separate rows.
bool joinsBand(const QRect& r, int bandTop, int bandBottom)
{
    const int overlap = std::min(r.y() + r.height(), bandBottom) - std::max(r.y(), bandTop);
    const int smaller = std::min(r.height(), bandBottom - bandTop);
    return 2 * overlap > smaller;
}

// Buttons whose gaps to the container's two sides differ by at most a tenth
// of its width are centred (a lone OK under a message); otherwise they keep to
// the side they are nearer.
constexpr int centredGapDivisor = 10;

struct Row {
    std::vector<const UiWidget*> widgets; // x order
    int top = 0;
    int bottom = 0;
};

enum class RowKind { Pair, Single, Buttons, Several };

struct Counts {
    int formLayouts = 0;
    int formRows = 0;
    int buttonRows = 0;
    int severalRows = 0;
    int singles = 0;
};

struct Plan {
    std::shared_ptr<UiLayout> layout; // null when refused
    QString refusal;
    Counts counts;
};

bool isPictureBox(const UiWidget& w) { return w.legacyClass.compare(QLatin1String("VB.PictureBox"), Qt::CaseInsensitive) == 0; }

// A line or a shape: a QFrame drawn where it stands (a picture box is a QFrame that holds controls).
bool isDecoration(const UiWidget& w) { return w.className == QLatin1String("QFrame") && !isPictureBox(w); }

bool isContainer(const UiWidget& w)
{
    return w.className == QLatin1String("QGroupBox") || w.className == QLatin1String("QWidget") || isPictureBox(w);
}

QString describe(const UiWidget& container, const QString& formName, bool isRoot)
{
    if (isRoot)
        return QStringLiteral("form %1").arg(formName);
    if (container.className == QLatin1String("QGroupBox"))
        return QStringLiteral("frame %1").arg(container.name);
    if (isPictureBox(container))
        return QStringLiteral("picture box %1").arg(container.name);
    return QStringLiteral("container %1").arg(container.name);
}

UiLayoutItem widgetItem(const UiWidget& w, int row = -1, int column = -1, int columnSpan = 1)
{
    UiLayoutItem item;
    item.kind = UiLayoutItem::Widget;
    item.widget = w.name;
    item.row = row;
    item.column = column;
    item.columnSpan = columnSpan;
    return item;
}

UiLayoutItem spacerItem(Qt::Orientation orientation)
{
    UiLayoutItem item;
    item.kind = UiLayoutItem::Spacer;
    item.spacerOrientation = orientation;
    return item;
}

UiLayoutItem layoutItem(std::shared_ptr<UiLayout> layout)
{
    UiLayoutItem item;
    item.kind = UiLayoutItem::Layout;
    item.layout = std::move(layout);
    return item;
}

// The base name only: names are made unique over the whole form at the end.
std::shared_ptr<UiLayout> newLayout(const char* className, const char* baseName)
{
    auto layout = std::make_shared<UiLayout>();
    layout->className = QLatin1String(className);
    layout->name = QLatin1String(baseName);
    return layout;
}

// Why the children cannot be laid out as they stand, or an empty string.
QString checkChildren(const UiWidget& container)
{
    const int width = container.geometry.width();
    const int height = container.geometry.height();
    for (const UiWidget& c : container.children) {
        if (isDecoration(c))
            return QStringLiteral("%1 is a line or shape, drawn where it stands").arg(c.name);
    }
    for (const UiWidget& c : container.children) {
        const QRect& g = c.geometry;
        if (g.x() < 0 || g.y() < 0 || g.x() + g.width() > width || g.y() + g.height() > height) {
            const bool partly = g.intersects(QRect(0, 0, width, height));
            return QStringLiteral("%1 lies %2outside it").arg(c.name, partly ? QStringLiteral("partly ") : QString());
        }
    }
    for (size_t i = 0; i < container.children.size(); ++i) {
        for (size_t j = i + 1; j < container.children.size(); ++j) {
            const UiWidget& a = container.children[i];
            const UiWidget& b = container.children[j];
            if (a.geometry.intersects(b.geometry))
                return QStringLiteral("%1 and %2 overlap").arg(a.name, b.name);
        }
    }
    return {};
}

std::vector<Row> rowsOf(const UiWidget& container)
{
    std::vector<const UiWidget*> byTop;
    for (const UiWidget& c : container.children)
        byTop.push_back(&c);
    std::stable_sort(byTop.begin(), byTop.end(), [](const UiWidget* a, const UiWidget* b) {
        if (a->geometry.y() != b->geometry.y())
            return a->geometry.y() < b->geometry.y();
        return a->geometry.x() < b->geometry.x();
    });

    std::vector<Row> rows;
    for (const UiWidget* w : byTop) {
        const QRect& g = w->geometry;
        if (!rows.empty() && joinsBand(g, rows.back().top, rows.back().bottom)) {
            Row& row = rows.back();
            row.widgets.push_back(w);
            row.bottom = std::max(row.bottom, g.y() + g.height());
        } else {
            rows.push_back({{w}, g.y(), g.y() + g.height()});
        }
    }
    for (Row& row : rows) {
        std::stable_sort(row.widgets.begin(), row.widgets.end(),
                         [](const UiWidget* a, const UiWidget* b) { return a->geometry.x() < b->geometry.x(); });
    }
    return rows;
}

// Why a row cannot become a line of a layout, or an empty string.
QString checkRow(const Row& row)
{
    // The rects do not intersect, so members that share columns stand one
    // above the other beside a taller one: a line cannot hold them.
    const UiWidget* reach = nullptr;
    for (const UiWidget* w : row.widgets) {
        if (reach && w->geometry.x() < reach->geometry.x() + reach->geometry.width())
            return QStringLiteral("%1 and %2 are stacked beside a taller control").arg(reach->name, w->name);
        if (!reach || w->geometry.x() + w->geometry.width() > reach->geometry.x() + reach->geometry.width())
            reach = w;
    }

    // With several labels among fields, each label must be directly followed
    // by the field it names; otherwise which label names which is a guess.
    int labels = 0;
    for (const UiWidget* w : row.widgets)
        labels += w->isLabel ? 1 : 0;
    if (labels < 2 || labels == int(row.widgets.size()))
        return {};
    for (size_t i = 0; i < row.widgets.size(); ++i) {
        if (row.widgets[i]->isLabel && (i + 1 == row.widgets.size() || row.widgets[i + 1]->isLabel))
            return QStringLiteral("%1 has no field beside it to pair with").arg(row.widgets[i]->name);
    }
    return {};
}

RowKind kindOf(const Row& row)
{
    const bool allButtons = std::all_of(row.widgets.begin(), row.widgets.end(), [](const UiWidget* w) {
        return w->className == QLatin1String("QPushButton");
    });
    if (allButtons)
        return RowKind::Buttons;
    if (row.widgets.size() == 1)
        return RowKind::Single;
    if (row.widgets.size() == 2 && row.widgets[0]->isLabel && !row.widgets[1]->isLabel)
        return RowKind::Pair;
    return RowKind::Several;
}

std::shared_ptr<UiLayout> buttonRow(const Row& row, int containerWidth)
{
    auto layout = newLayout("QHBoxLayout", "buttonRow");
    const QRect& first = row.widgets.front()->geometry;
    const QRect& last = row.widgets.back()->geometry;
    const int leftGap = first.x();
    const int rightGap = containerWidth - (last.x() + last.width());
    const bool centred = std::abs(leftGap - rightGap) <= containerWidth / centredGapDivisor;
    if (centred || rightGap < leftGap)
        layout->items.append(spacerItem(Qt::Horizontal));
    for (const UiWidget* w : row.widgets)
        layout->items.append(widgetItem(*w));
    if (centred || rightGap >= leftGap)
        layout->items.append(spacerItem(Qt::Horizontal));
    return layout;
}

Plan plan(const UiWidget& container)
{
    Plan result;
    result.refusal = checkChildren(container);
    if (!result.refusal.isEmpty())
        return result;

    const std::vector<Row> rows = rowsOf(container);
    std::vector<RowKind> kinds;
    for (const Row& row : rows) {
        result.refusal = checkRow(row);
        if (!result.refusal.isEmpty())
            return result;
        kinds.push_back(kindOf(row));
    }

    auto vbox = newLayout("QVBoxLayout", "verticalLayout");
    Counts& counts = result.counts;
    for (size_t i = 0; i < rows.size();) {
        switch (kinds[i]) {
        case RowKind::Pair: {
            // Label rows, with single widgets between them spanning both
            // columns; single widgets after the last label row stand alone.
            size_t lastPair = i;
            for (size_t k = i + 1; k < rows.size() && (kinds[k] == RowKind::Pair || kinds[k] == RowKind::Single); ++k) {
                if (kinds[k] == RowKind::Pair)
                    lastPair = k;
            }
            auto form = newLayout("QFormLayout", "formLayout");
            for (size_t k = i; k <= lastPair; ++k) {
                const int formRow = int(k - i);
                if (kinds[k] == RowKind::Pair) {
                    form->items.append(widgetItem(*rows[k].widgets[0], formRow, 0));
                    form->items.append(widgetItem(*rows[k].widgets[1], formRow, 1));
                } else {
                    form->items.append(widgetItem(*rows[k].widgets[0], formRow, 0, 2));
                }
            }
            vbox->items.append(layoutItem(form));
            ++counts.formLayouts;
            counts.formRows += int(lastPair - i + 1);
            i = lastPair + 1;
            continue;
        }
        case RowKind::Single:
            vbox->items.append(widgetItem(*rows[i].widgets[0]));
            ++counts.singles;
            break;
        case RowKind::Buttons:
            vbox->items.append(layoutItem(buttonRow(rows[i], container.geometry.width())));
            ++counts.buttonRows;
            break;
        case RowKind::Several: {
            auto hbox = newLayout("QHBoxLayout", "rowLayout");
            for (const UiWidget* w : rows[i].widgets)
                hbox->items.append(widgetItem(*w));
            vbox->items.append(layoutItem(hbox));
            ++counts.severalRows;
            break;
        }
        }
        ++i;
    }
    // Extra height goes below the fields; a button row that closes the
    // container (a dialog's OK and Cancel) stays at its foot.
    if (kinds.size() > 1 && kinds.back() == RowKind::Buttons)
        vbox->items.insert(vbox->items.size() - 1, spacerItem(Qt::Vertical));
    else
        vbox->items.append(spacerItem(Qt::Vertical));
    result.layout = vbox;
    return result;
}

struct Tally {
    int innerPlanned = 0;
    int innerLaidOut = 0;
};

// Innermost first: a container's plan does not depend on its parent's.
void planTree(UiWidget& w, const QString& formName, bool isRoot, MigrationReport& report, Tally& tally,
              Plan* rootPlan)
{
    for (UiWidget& c : w.children)
        planTree(c, formName, false, report, tally, nullptr);
    if (w.children.empty() || (!isRoot && !isContainer(w)))
        return;

    Plan p = plan(w);
    if (p.layout) {
        w.layout = p.layout;
        // A container left with absolute children (or none) has no size hint
        // to offer its new layout, which would squeeze it to nothing.
        for (UiWidget& c : w.children) {
            if (isContainer(c) && !c.layout)
                c.setProperty(QStringLiteral("minimumSize"), c.geometry.size());
        }
    } else {
        report.add(w.line, QStringLiteral("layouts: %1 keeps absolute positions: %2").arg(describe(w, formName, isRoot), p.refusal));
    }
    if (isRoot) {
        *rootPlan = p;
    } else {
        ++tally.innerPlanned;
        tally.innerLaidOut += p.layout ? 1 : 0;
    }
}

QString countOf(int n, const QString& singular, const QString& plural)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? singular : plural);
}

QString joinPhrases(const QStringList& phrases)
{
    if (phrases.size() < 2)
        return phrases.join(QString());
    return phrases.mid(0, phrases.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + phrases.last();
}

QString summary(const QString& formName, const Plan& rootPlan, const Tally& tally)
{
    QString text;
    if (rootPlan.layout) {
        const Counts& c = rootPlan.counts;
        QStringList parts;
        if (c.formLayouts > 0) {
            parts << QStringLiteral("%1 of %2")
                         .arg(countOf(c.formLayouts, QStringLiteral("QFormLayout"), QStringLiteral("QFormLayouts")),
                              countOf(c.formRows, QStringLiteral("row"), QStringLiteral("rows")));
        }
        if (c.buttonRows > 0)
            parts << countOf(c.buttonRows, QStringLiteral("button row"), QStringLiteral("button rows"));
        if (c.severalRows > 0)
            parts << countOf(c.severalRows, QStringLiteral("row of several controls"), QStringLiteral("rows of several controls"));
        if (c.singles > 0)
            parts << countOf(c.singles, QStringLiteral("control on its own"), QStringLiteral("controls on their own"));
        text = QStringLiteral("layouts: form %1 in %2").arg(formName, joinPhrases(parts));
    } else {
        text = QStringLiteral("layouts: form %1 keeps absolute positions").arg(formName);
    }
    if (tally.innerPlanned > 0) {
        text += QStringLiteral("; %1 of %2 laid out")
                    .arg(tally.innerLaidOut)
                    .arg(countOf(tally.innerPlanned, QStringLiteral("frame or picture box"),
                                 QStringLiteral("frames and picture boxes")));
    }
    return text;
}

void nameLayouts(UiLayout& layout, QSet<QString>& used)
{
    const QString base = layout.name;
    QString name = base;
    for (int n = 2; used.contains(name); ++n)
        name = QStringLiteral("%1_%2").arg(base).arg(n);
    used.insert(name);
    layout.name = name;
    for (UiLayoutItem& item : layout.items) {
        if (item.kind == UiLayoutItem::Layout && item.layout)
            nameLayouts(*item.layout, used);
    }
}

// Depth first from the root, so the names read in the order of the form.
void nameTree(UiWidget& w, QSet<QString>& used)
{
    if (w.layout)
        nameLayouts(*w.layout, used);
    for (UiWidget& c : w.children)
        nameTree(c, used);
}

} // namespace

void LayoutPlanner::apply(UiForm& form, MigrationReport& report)
{
    if (form.root.children.empty())
        return;

    const QString formName = form.root.name.isEmpty() ? form.className : form.root.name;
    Tally tally;
    Plan rootPlan;
    planTree(form.root, formName, true, report, tally, &rootPlan);

    // Layouts share the .ui's name space with the widgets.
    QSet<QString> used;
    for (const UiWidget* w : form.all())
        used.insert(w->name);
    nameTree(form.root, used);

    // A refused root has said why already; the line adds only the inner counts.
    if (rootPlan.layout || tally.innerPlanned > 0)
        report.add(form.root.line, summary(formName, rootPlan, tally));
}

} // namespace zev
