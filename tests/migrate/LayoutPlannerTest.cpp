#include "migrate/LayoutPlanner.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>

using zev::LayoutPlanner;
using zev::MigrationReport;
using zev::UiForm;
using zev::UiLayout;
using zev::UiLayoutItem;
using zev::UiWidget;

namespace {

UiWidget make(const char* className, const char* name, QRect geometry, bool isLabel = false)
{
    UiWidget w;
    w.className = QLatin1String(className);
    w.name = QLatin1String(name);
    w.geometry = geometry;
    w.isLabel = isLabel;
    return w;
}
UiWidget label(const char* name, QRect g) { return make("QLabel", name, g, true); }
UiWidget edit(const char* name, QRect g) { return make("QLineEdit", name, g); }
UiWidget button(const char* name, QRect g) { return make("QPushButton", name, g); }
UiWidget frame(const char* name, QRect g, std::vector<UiWidget> children, int line)
{
    UiWidget w = make("QGroupBox", name, g);
    w.children = std::move(children);
    w.line = line;
    return w;
}

UiForm formOf(std::vector<UiWidget> children, QSize size = {400, 200})
{
    UiForm form;
    form.className = QStringLiteral("frmTest");
    form.root = make("QWidget", "frmTest", QRect(QPoint(0, 0), size));
    form.root.line = 3;
    form.root.children = std::move(children);
    return form;
}

// A layout in one line: V/H/F(...) for the box and form layouts, a widget by
// name with @row.column (*span) when it has a cell, ~h / ~v for spacers.
std::string shape(const UiLayout& l)
{
    const QString kind = l.className == QLatin1String("QVBoxLayout")   ? QStringLiteral("V")
                         : l.className == QLatin1String("QHBoxLayout") ? QStringLiteral("H")
                         : l.className == QLatin1String("QFormLayout") ? QStringLiteral("F")
                                                                       : l.className;
    QStringList parts;
    for (const UiLayoutItem& item : l.items) {
        if (item.kind == UiLayoutItem::Spacer) {
            parts << (item.spacerOrientation == Qt::Horizontal ? QStringLiteral("~h") : QStringLiteral("~v"));
        } else if (item.kind == UiLayoutItem::Layout) {
            parts << QString::fromStdString(shape(*item.layout));
        } else {
            QString text = item.widget;
            if (item.row >= 0 || item.column >= 0)
                text += QStringLiteral("@%1.%2").arg(item.row).arg(item.column);
            if (item.columnSpan != 1)
                text += QStringLiteral("*%1").arg(item.columnSpan);
            parts << text;
        }
    }
    return (kind + QLatin1Char('(') + parts.join(QLatin1Char(' ')) + QLatin1Char(')')).toStdString();
}
std::string shape(const UiWidget& w) { return w.layout ? shape(*w.layout) : std::string("absolute"); }

void collect(const UiLayout& l, QStringList& widgets, QStringList& layouts)
{
    layouts << l.name;
    for (const UiLayoutItem& item : l.items) {
        if (item.kind == UiLayoutItem::Widget)
            widgets << item.widget;
        else if (item.kind == UiLayoutItem::Layout)
            collect(*item.layout, widgets, layouts);
    }
}

// What the writer relies on: every child of a laid-out container in its
// layout exactly once, and layout names unique among all names of the form.
void expectWritable(const UiForm& form)
{
    QSet<QString> names;
    for (const UiWidget* w : form.all())
        names.insert(w->name);
    for (const UiWidget* w : form.all()) {
        if (!w->layout)
            continue;
        QStringList placed, layouts, children;
        collect(*w->layout, placed, layouts);
        for (const UiWidget& c : w->children)
            children << c.name;
        placed.sort();
        children.sort();
        EXPECT_EQ(placed.join(QLatin1Char(' ')).toStdString(), children.join(QLatin1Char(' ')).toStdString())
            << w->name.toStdString();
        for (const QString& name : layouts) {
            EXPECT_FALSE(names.contains(name)) << name.toStdString();
            names.insert(name);
        }
    }
}

struct ShapeCase {
    const char* what;
    std::vector<UiWidget> children;
    std::string expected;
};

TEST(LayoutPlanner, RowsBecomeFormButtonAndBoxLayouts)
{
    const ShapeCase cases[] = {
        {"dialog, children out of order",
         {button("cmdCancel", {312, 160, 75, 25}), edit("txtCity", {96, 60, 290, 21}), label("lblName", {8, 12, 80, 13}),
          make("QCheckBox", "chkActive", {8, 36, 200, 17}), button("cmdOK", {232, 160, 75, 25}),
          edit("txtName", {96, 8, 290, 21}), label("lblCity", {8, 64, 80, 13})},
         "V(F(lblName@0.0 txtName@0.1 chkActive@1.0*2 lblCity@2.0 txtCity@2.1) ~v H(~h cmdOK cmdCancel))"},
        {"buttons at the left",
         {button("cmdNew", {8, 8, 75, 25}), button("cmdDelete", {88, 8, 75, 25})},
         "V(H(cmdNew cmdDelete ~h) ~v)"},
        {"one centred button", {button("cmdOK", {162, 8, 75, 25})}, "V(H(~h cmdOK ~h) ~v)"},
        {"button row splits two forms",
         {label("lblA", {8, 12, 80, 13}), edit("txtA", {96, 8, 200, 21}), button("cmdFind", {316, 40, 75, 25}),
          label("lblB", {8, 84, 80, 13}), edit("txtB", {96, 80, 200, 21})},
         "V(F(lblA@0.0 txtA@0.1) H(~h cmdFind) F(lblB@0.0 txtB@0.1) ~v)"},
        {"a single control after the last label row stands alone",
         {label("lblName", {8, 12, 80, 13}), edit("txtName", {96, 8, 290, 21}),
          make("QCheckBox", "chkActive", {96, 36, 200, 17})},
         "V(F(lblName@0.0 txtName@0.1) chkActive ~v)"},
        {"two fields, edges touching", {edit("txtFirst", {8, 8, 150, 21}), edit("txtLast", {158, 8, 150, 21})},
         "V(H(txtFirst txtLast) ~v)"},
        {"a label with two fields",
         {label("lblName", {8, 12, 60, 13}), edit("txtFirst", {72, 8, 100, 21}), edit("txtLast", {180, 8, 100, 21})},
         "V(H(lblName txtFirst txtLast) ~v)"},
        {"two label pairs side by side",
         {label("lblFrom", {8, 12, 40, 13}), edit("txtFrom", {52, 8, 100, 21}), label("lblTo", {160, 12, 30, 13}),
          edit("txtTo", {194, 8, 100, 21})},
         "V(H(lblFrom txtFrom lblTo txtTo) ~v)"},
        {"a unit caption after its field",
         {label("lblAmount", {8, 12, 60, 13}), edit("txtAmount", {72, 8, 100, 21}),
          make("QLabel", "lblEuro", {176, 12, 30, 13})},
         "V(H(lblAmount txtAmount lblEuro) ~v)"},
        {"flush with the bottom right corner", {edit("txtNote", {300, 179, 100, 21})}, "V(txtNote ~v)"},
    };
    for (const ShapeCase& c : cases) {
        UiForm form = formOf(c.children);
        MigrationReport report;
        LayoutPlanner::apply(form, report);
        EXPECT_EQ(shape(form.root), c.expected) << c.what;
        expectWritable(form);
    }
}

// A label of height h at top y beside a 20 px field at top 20: it joins the
// field's row only when they overlap by more than half the smaller height.
TEST(LayoutPlanner, RowToleranceIsHalfTheSmallerHeight)
{
    const struct {
        int top, height;
        std::string expected;
    } cases[] = {
        {29, 20, "V(F(lbl@0.0 txt@0.1) ~v)"}, // overlap 11 of 20
        {30, 20, "V(txt lbl ~v)"},            // overlap 10 of 20
        {11, 20, "V(F(lbl@0.0 txt@0.1) ~v)"}, // from above, 11 of 20
        {10, 20, "V(lbl txt ~v)"},
        {33, 13, "V(F(lbl@0.0 txt@0.1) ~v)"}, // overlap 7 of 13
        {34, 13, "V(txt lbl ~v)"},            // overlap 6 of 13
    };
    for (const auto& c : cases) {
        UiForm form = formOf({edit("txt", {100, 20, 100, 20}), label("lbl", {0, c.top, 90, c.height})});
        MigrationReport report;
        LayoutPlanner::apply(form, report);
        EXPECT_EQ(shape(form.root), c.expected) << "label at " << c.top << " height " << c.height;
    }
}

TEST(LayoutPlanner, RefusesWhatRowsCannotHold)
{
    const struct {
        const char* what;
        std::vector<UiWidget> children;
        const char* reason;
    } cases[] = {
        {"overlap", {edit("txtA", {8, 8, 100, 21}), edit("txtB", {107, 8, 100, 21})}, "txtA and txtB overlap"},
        {"a line", {edit("txtA", {8, 8, 100, 21}), make("QFrame", "linTop", {0, 40, 400, 2})},
         "linTop is a line or shape, drawn where it stands"},
        {"past the right edge", {edit("txtWide", {300, 8, 101, 21})}, "txtWide lies partly outside it"},
        {"hidden far off", {edit("txtHidden", {-10000, 8, 100, 21})}, "txtHidden lies outside it"},
        {"stacked beside a list",
         {make("QListWidget", "lstItems", {8, 8, 200, 150}), button("cmdAdd", {216, 8, 75, 25}),
          button("cmdRemove", {216, 40, 75, 25})},
         "cmdAdd and cmdRemove are stacked beside a taller control"},
        {"stacked beside a list starting lower",
         {button("cmdAdd", {216, 8, 75, 25}), make("QListWidget", "lstItems", {8, 10, 200, 150}),
          button("cmdRemove", {216, 40, 75, 25})},
         "cmdAdd and cmdRemove are stacked beside a taller control"},
        {"two labels before one field",
         {label("lblA", {8, 12, 40, 13}), label("lblB", {52, 12, 40, 13}), edit("txt", {96, 8, 100, 21})},
         "lblA has no field beside it to pair with"},
        {"a label last in its row",
         {label("lblA", {8, 12, 40, 13}), edit("txtA", {52, 8, 100, 21}), label("lblB", {160, 12, 40, 13})},
         "lblB has no field beside it to pair with"},
    };
    for (const auto& c : cases) {
        UiForm form = formOf(c.children);
        MigrationReport report;
        LayoutPlanner::apply(form, report);
        EXPECT_EQ(form.root.layout, nullptr) << c.what;
        ASSERT_EQ(report.findings.size(), 1) << c.what;
        EXPECT_EQ(report.findings[0].line, 3) << c.what;
        EXPECT_EQ(report.findings[0].message.toStdString(),
                  std::string("layouts: form frmTest keeps absolute positions: ") + c.reason)
            << c.what;
    }
}

TEST(LayoutPlanner, PlansFramesOnTheirOwn)
{
    const std::vector<UiWidget> address = {label("lblStreet", {8, 20, 80, 13}), edit("txtStreet", {96, 16, 280, 21}),
                                           label("lblCity", {8, 48, 80, 13}), edit("txtCity", {96, 44, 280, 21})};
    const std::vector<UiWidget> broken = {edit("txtStreet", {8, 16, 280, 21}), make("QFrame", "linSep", {8, 44, 368, 2})};
    const struct {
        const char* what;
        std::vector<UiWidget> frameChildren;
        std::string frameShape;
        QStringList findings;
    } cases[] = {
        {"laid out", address, "V(F(lblStreet@0.0 txtStreet@0.1 lblCity@1.0 txtCity@1.1) ~v)",
         {"layouts: form frmTest in 1 QFormLayout of 1 row, 1 button row and 2 controls on their own; "
          "1 of 1 frame or picture box laid out"}},
        {"refused", broken, "absolute",
         {"layouts: frame fraAddress keeps absolute positions: linSep is a line or shape, drawn where it stands",
          "layouts: form frmTest in 1 QFormLayout of 1 row, 1 button row and 2 controls on their own; "
          "0 of 1 frame or picture box laid out"}},
    };
    for (const auto& c : cases) {
        // An empty frame is left alone, not counted, and keeps its size.
        UiForm form = formOf({label("lblCustomer", {8, 12, 80, 13}), edit("txtCustomer", {96, 8, 290, 21}),
                              frame("fraAddress", {8, 40, 384, 80}, c.frameChildren, 10),
                              frame("fraEmpty", {8, 124, 384, 30}, {}, 20), button("cmdOK", {316, 170, 75, 25})},
                             {400, 200});
        MigrationReport report;
        LayoutPlanner::apply(form, report);
        EXPECT_EQ(shape(form.root), "V(F(lblCustomer@0.0 txtCustomer@0.1) fraAddress fraEmpty ~v H(~h cmdOK))") << c.what;
        const UiWidget& fra = form.root.children[2];
        EXPECT_EQ(shape(fra), c.frameShape) << c.what;
        QStringList messages;
        for (const auto& f : report.findings)
            messages << QStringLiteral("%1: %2").arg(f.line).arg(f.message);
        QStringList expected;
        for (const QString& m : c.findings)
            expected << QStringLiteral("%1: %2").arg(m.startsWith(QLatin1String("layouts: frame")) ? 10 : 3).arg(m);
        EXPECT_EQ(messages.join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString())
            << c.what;
        // A laid-out frame sizes itself; the others would be squeezed to nothing without a minimum.
        const auto* minimum = fra.property(QStringLiteral("minimumSize"));
        EXPECT_EQ(minimum ? minimum->value.toSize() : QSize(), fra.layout ? QSize() : QSize(384, 80)) << c.what;
        const auto* emptyMinimum = form.root.children[3].property(QStringLiteral("minimumSize"));
        EXPECT_EQ(emptyMinimum ? emptyMinimum->value.toSize() : QSize(), QSize(384, 30)) << c.what;
        expectWritable(form);
    }
}

TEST(LayoutPlanner, LayoutNamesAreUniqueOnTheForm)
{
    UiForm form = formOf({label("lblA", {8, 12, 80, 13}), edit("formLayout", {96, 8, 200, 21}),
                          frame("fraB", {8, 40, 384, 60}, {label("lblB", {8, 20, 80, 13}), edit("txtB", {96, 16, 200, 21})}, 10),
                          edit("txtC", {8, 110, 100, 21}), edit("txtD", {116, 110, 100, 21})});
    MigrationReport report;
    LayoutPlanner::apply(form, report);
    QStringList placed, layouts;
    collect(*form.root.layout, placed, layouts);
    collect(*form.root.children[2].layout, placed, layouts);
    EXPECT_EQ(layouts.join(QLatin1Char(' ')).toStdString(),
              "verticalLayout formLayout_2 rowLayout verticalLayout_2 formLayout_3");
}

// The plan put into real widgets: the form grows its fields with its width
// and keeps the dialog buttons at its right.
TEST(LayoutPlanner, PlannedFormResizesItsFields)
{
    UiForm form = formOf({label("lblName", {8, 12, 80, 13}), edit("txtName", {96, 8, 290, 21}),
                          button("cmdOK", {232, 60, 75, 25}), button("cmdCancel", {312, 60, 75, 25})});
    MigrationReport report;
    LayoutPlanner::apply(form, report);
    ASSERT_NE(form.root.layout, nullptr);

    QWidget top;
    auto* name = new QLineEdit(&top);
    auto* cancel = new QPushButton(&top);
    const QHash<QString, QWidget*> widgets = {{"lblName", new QLabel(&top)}, {"txtName", name},
                                              {"cmdOK", new QPushButton(&top)}, {"cmdCancel", cancel}};
    std::function<QLayout*(const UiLayout&)> build = [&](const UiLayout& l) -> QLayout* {
        if (l.className == QLatin1String("QFormLayout")) {
            auto* f = new QFormLayout;
            for (const UiLayoutItem& item : l.items)
                f->setWidget(item.row, item.column == 0 ? QFormLayout::LabelRole : QFormLayout::FieldRole,
                             widgets.value(item.widget));
            return f;
        }
        QBoxLayout* box = l.className == QLatin1String("QVBoxLayout") ? static_cast<QBoxLayout*>(new QVBoxLayout)
                                                                       : new QHBoxLayout;
        for (const UiLayoutItem& item : l.items) {
            if (item.kind == UiLayoutItem::Widget)
                box->addWidget(widgets.value(item.widget));
            else if (item.kind == UiLayoutItem::Layout)
                box->addLayout(build(*item.layout));
            else
                box->addStretch();
        }
        return box;
    };
    top.setLayout(build(*form.root.layout));

    int nameWidth = 0;
    for (int width : {400, 700}) {
        top.layout()->setGeometry(QRect(0, 0, width, 300));
        EXPECT_EQ(width - (cancel->x() + cancel->width()), top.layout()->contentsMargins().right()) << width;
        if (nameWidth) {
            EXPECT_EQ(name->width() - nameWidth, 300);
        }
        nameWidth = name->width();
    }
}

} // namespace
