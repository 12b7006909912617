#include "migrate/HandlerWriter.h"

#include <gtest/gtest.h>

using namespace zev;

namespace {

LegacyProcedure procedure(const QString& name, const QString& arguments, int line, const QStringList& body = {})
{
    LegacyProcedure p;
    p.name = name;
    const int underscore = name.lastIndexOf(QLatin1Char('_'));
    if (underscore > 0) {
        p.control = name.left(underscore);
        p.event = name.mid(underscore + 1);
    }
    p.arguments = arguments;
    p.header = QStringLiteral("Private Sub %1(%2)").arg(name, arguments);
    p.body = body;
    p.line = line;
    return p;
}

UiWidget widget(const char* className, const QString& legacyName, int index = -1)
{
    UiWidget w;
    w.className = QLatin1String(className);
    w.legacyName = legacyName;
    w.legacyIndex = index;
    w.name = index >= 0 ? QStringLiteral("%1_%2").arg(legacyName).arg(index) : legacyName;
    return w;
}

// frmOrder: one control of each kind the handlers care about, and a menu
// the converter made no widget of.
HandlerWriter::Sources write(const QList<LegacyProcedure>& procedures, MigrationReport& report)
{
    LegacyForm legacy;
    legacy.procedures = procedures;
    LegacyObject menu;
    menu.className = QStringLiteral("Menu");
    menu.name = QStringLiteral("mnuFile");
    legacy.form.children.append(menu);

    UiForm ui;
    ui.className = QStringLiteral("frmOrder");
    ui.root = widget("QWidget", QStringLiteral("frmOrder"));
    ui.root.children = {
        widget("QPushButton", QStringLiteral("cmdOk")),       widget("QLineEdit", QStringLiteral("txtName")),
        widget("QLineEdit", QStringLiteral("txtItem"), 1),    widget("QLineEdit", QStringLiteral("txtItem"), 0),
        widget("QLineEdit", QStringLiteral("txtNote"), 0),    widget("QPlainTextEdit", QStringLiteral("txtNote"), 1),
        widget("QComboBox", QStringLiteral("cboKind"), 0),    widget("QListWidget", QStringLiteral("lstItems")),
        widget("zev::ZEVPersistComboWidget", QStringLiteral("zpcCity")),
        widget("QWidget", QStringLiteral("picLogo")), // a placeholder
        widget("QPushButton", QString::fromUtf8("cmdA\u00e7\u00e3o")), widget("QPushButton", QStringLiteral("cmdAcao")),
    };
    // inside a container
    UiWidget frame = widget("QGroupBox", QStringLiteral("fraCustomer"));
    frame.children.push_back(widget("zev::ZEVCodeDescriptionWidget", QStringLiteral("zcdCustomer")));
    ui.root.children.push_back(frame);
    return HandlerWriter::write(legacy, ui, report);
}

// "line message" a line each
std::string findings(const MigrationReport& report)
{
    QString out;
    for (const MigrationReport::Finding& f : report.findings)
        out += QStringLiteral("%1 %2\n").arg(f.line).arg(f.message);
    return out.toStdString();
}

// One procedure at line 28: its slot (empty: none), the connects, what the report says.
struct Case {
    const char* name;
    const char* arguments;
    const char* slot;
    QStringList connects;
    const char* finding;
};

const Case kCases[] = {
    {"cmdOk_Click", "", "void cmdOk_Click();",
     {QStringLiteral("connect(ui->cmdOk, &QPushButton::clicked, this, &frmOrder::cmdOk_Click);")}, nullptr},
    {"txtName_Change", "", "void txtName_Change(const QString& text);",
     {QStringLiteral("connect(ui->txtName, &QLineEdit::textChanged, this, &frmOrder::txtName_Change);")}, nullptr},
    // Names ignore case; the slot keeps the name as written.
    {"LSTITEMS_dblclick", "", "void LSTITEMS_dblclick(QListWidgetItem* item);",
     {QStringLiteral("connect(ui->lstItems, &QListWidget::itemDoubleClicked, this, &frmOrder::LSTITEMS_dblclick);")},
     nullptr},
    // A control array: each member passes its own index.
    {"txtItem_Change", "Index As Integer", "void txtItem_Change(int index, const QString& text);",
     {QStringLiteral("connect(ui->txtItem_0, &QLineEdit::textChanged, this, "
                     "[this](const QString& text) { txtItem_Change(0, text); });"),
      QStringLiteral("connect(ui->txtItem_1, &QLineEdit::textChanged, this, "
                     "[this](const QString& text) { txtItem_Change(1, text); });")},
     nullptr},
    {"cboKind_Click", "Index As Integer", "void cboKind_Click(int index, int index_);",
     {QStringLiteral("connect(ui->cboKind_0, &QComboBox::activated, this, "
                     "[this](int index_) { cboKind_Click(0, index_); });")},
     nullptr},
    // A multi-line member has another signal: only the members that match are connected.
    {"txtNote_Change", "Index As Integer", "void txtNote_Change(int index, const QString& text);",
     {QStringLiteral("connect(ui->txtNote_0, &QLineEdit::textChanged, this, "
                     "[this](const QString& text) { txtNote_Change(0, text); });")},
     "txtNote_Change: txtNote_1's textChanged does not carry the arguments of textChanged on txtNote_0"},
    // Our widgets: by-reference arguments stay references.
    {"zcdCustomer_Search", "PrimaryKey As String, Success As Boolean, Source As eSource",
     "void zcdCustomer_Search(QString& PrimaryKey, bool& Success, zev::eSource& Source);",
     {QStringLiteral("connect(ui->zcdCustomer, &zev::ZEVCodeDescriptionWidget::Search, this, "
                     "&frmOrder::zcdCustomer_Search);")},
     nullptr},
    // AddItem is also a method: the signal is picked by its arguments.
    {"zpcCity_AddItem", "", "void zpcCity_AddItem();",
     {QStringLiteral("connect(ui->zpcCity, qOverload<>(&zev::ZEVPersistComboWidget::AddItem), this, "
                     "&frmOrder::zpcCity_AddItem);")},
     nullptr},
    {"txtName_GotFocus", "", nullptr, {}, "txtName_GotFocus: no Qt signal for GotFocus on QLineEdit"},
    {"zcdCustomer_Validate", "Cancel As Boolean", nullptr, {},
     "zcdCustomer_Validate: no Qt signal for Validate on zev::ZEVCodeDescriptionWidget"},
    {"picLogo_Click", "", nullptr, {}, "picLogo_Click: no Qt signal for Click on QWidget"},
    {"mnuFile_Click", "", nullptr, {}, "mnuFile_Click: mnuFile has no widget on the converted form"},
    {"cmdGone_Click", "", nullptr, {}, "cmdGone_Click: the form has no control named cmdGone"},
    {"Form_Unload", "Cancel As Integer", nullptr, {}, "Form_Unload: no Qt signal for Unload on the form"},
    // A general procedure, though its name has an underscore.
    {"Calc_Total", "ByVal n As Long", nullptr, {}, nullptr},
};

TEST(HandlerWriter, EachProcedureGetsItsSlotConnectsAndFindings)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        MigrationReport report;
        const HandlerWriter::Sources out =
            write({procedure(QLatin1String(c.name), QLatin1String(c.arguments), 28)}, report);

        EXPECT_EQ(out.header.contains(QLatin1String(c.name)), c.slot != nullptr) << out.header.toStdString();
        if (c.slot) {
            EXPECT_TRUE(out.header.contains(QLatin1String("private Q_SLOTS:\n    ") + QLatin1String(c.slot)))
                << out.header.toStdString();
            QString definition = QLatin1String(c.slot);
            definition.replace(QLatin1String("void "), QLatin1String("void frmOrder::")).chop(1);
            EXPECT_TRUE(out.source.contains(definition + QLatin1String("\n{\n"))) << out.source.toStdString();
        }
        for (const QString& connect : c.connects)
            EXPECT_TRUE(out.source.contains(QLatin1String("    ") + connect + QLatin1Char('\n')))
                << connect.toStdString() << "\n" << out.source.toStdString();
        EXPECT_EQ(out.source.count(QLatin1String("connect(")), c.connects.size());
        EXPECT_EQ(findings(report), c.finding ? "28 " + std::string(c.finding) + "; the legacy code is not connected\n"
                                              : std::string());
    }
}

TEST(HandlerWriter, ConstructorConnectsThenLoadsAndSlotsKeepTheLegacyCode)
{
    MigrationReport report;
    const HandlerWriter::Sources out = write(
        {procedure(QStringLiteral("Form_Load"), QString(), 20,
                   {QStringLiteral("    ' Files under C:\\"), QString(), QStringLiteral("    txtName.Text = \"\"   ")}),
         procedure(QStringLiteral("txtItem_Change"), QStringLiteral("Index As Integer"), 24),
         // accented names are valid legacy names but not portable C++; two may meet in one
         procedure(QString::fromUtf8("cmdA\u00e7\u00e3o_Click"), QString(), 30),
         procedure(QStringLiteral("cmdAcao_Click"), QString(), 34)},
        report);

    EXPECT_EQ(findings(report),
              "34 cmdAcao_Click: a second procedure named cmdAcao_Click; the legacy code is not connected\n");
    EXPECT_TRUE(out.header.contains(QLatin1String("    void cmdAcao_Click();\n"))) << out.header.toStdString();
    EXPECT_TRUE(out.header.contains(QLatin1String("std::unique_ptr<Ui::frmOrder> ui;")));

    // Set up, connect, then Load, as the host loads a form with its controls live.
    const int setup = out.source.indexOf(QLatin1String("    ui->setupUi(this);\n"));
    const int lastConnect = out.source.lastIndexOf(QLatin1String("    connect("));
    ASSERT_GE(setup, 0) << out.source.toStdString();
    EXPECT_LT(setup, lastConnect);
    const int afterConnects = out.source.indexOf(QLatin1Char('\n'), lastConnect) + 1;
    EXPECT_EQ(out.source.indexOf(QLatin1String("    Form_Load();\n}\n")), afterConnects);
    EXPECT_EQ(out.source.count(QLatin1String("&frmOrder::cmdAcao_Click);")), 1);

    const QString expected = QStringLiteral(
        "void frmOrder::Form_Load()\n"
        "{\n"
        "    // Private Sub Form_Load()\n"
        "    //     ' Files under C:\\ // (the line ends here)\n" // a backslash would join the next line
        "    //\n"
        "    //     txtName.Text = \"\"\n"
        "}\n"
        "\n"
        "void frmOrder::txtItem_Change(int index, const QString& text)\n"
        "{\n"
        "    // Private Sub txtItem_Change(Index As Integer)\n"
        "    Q_UNUSED(index);\n"
        "    Q_UNUSED(text);\n"
        "}\n");
    EXPECT_TRUE(out.source.contains(expected)) << out.source.toStdString();
}

} // namespace
