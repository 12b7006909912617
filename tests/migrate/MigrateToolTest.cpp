// zev-migrate over sample forms of our own: the .ui it writes loads back to
// the same controls (our controls' saved bags equal the form file's lines),
// the host's controls keep what they showed, and bad input stops only its form.

#include "QtTestSupport.h"
#include "framework/Font.h"
#include "framework/MemoryPropertyBag.h"
#include "migrate/Migration.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zev;

namespace {

const QString data = QStringLiteral(ZEV_MIGRATE_DATA);

// The numeric Text of a form is in the saving machine's notation: Brazil's.
class Migrate : public zev::testing::PtBr {
protected:
    void SetUp() override
    {
        PtBr::SetUp();
        ASSERT_TRUE(out.isValid());
    }

    // The sample form converted in-process and loaded back.
    std::unique_ptr<QWidget> convertPedido(Migration::Result* result)
    {
        Migration migration({out.path()});
        *result = migration.run(data + QStringLiteral("/frmPedido.frm"));
        return result->ok ? load(QStringLiteral("frmPedido.ui")) : nullptr;
    }

    std::unique_ptr<QWidget> load(const QString& ui)
    {
        zev::testing::ControlUiLoader loader;
        loader.setWorkingDirectory(QDir(out.path()));
        QFile file(out.filePath(ui));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << ui.toStdString();
        std::unique_ptr<QWidget> form(loader.load(&file));
        EXPECT_TRUE(form) << loader.errorString().toStdString();
        return form;
    }

    QTemporaryDir out;
};

QVariant font(const char* name, bool bold = false)
{
    FontDesc f;
    f.name = QString::fromLatin1(name);
    f.bold = bold;
    f.weight = bold ? 700 : 400;
    return QVariant::fromValue(f);
}

} // namespace

TEST_F(Migrate, OurControlsSaveWhatTheFormFileHeld)
{
    Migration::Result r;
    const auto form = convertPedido(&r);
    ASSERT_TRUE(form) << r.error.toStdString();

    // The lines of each block, as the control's bag holds them (fonts by name: the control reads only that).
    const std::map<QString, std::map<QString, QVariant>> saved = {
        {"cdCliente",
         {{"Appearance", 1}, {"Code", "42"}, {"CodeBackColor", 12648447}, {"CodeFont", font("Courier New", true)},
          {"CodeMaxLength", 6}, {"CodeSize", 6}, {"Description", QString::fromUtf8("Comércio Silva Ltda.")},
          {"DescriptionBackColor", qint32(0x80000005)}, {"DescriptionFont", font("Tahoma", true)},
          {"DescriptionForeColor", 0x800000}, {"FieldPkey", "cliente_id"}, {"FillZeros", true}, {"FontBold", true},
          {"Loaded", true}, {"PrimaryKey", "CLI-42"}}},
        {"doVendedor",
         {{"BackColor", 0xE0FFFF}, {"Description", "Ana"}, {"Font", font("Arial")}, {"FieldPkey", "vendedor_id"},
          {"FontItalic", true}, {"FontSize", 10}, {"ShowF3", false}}},
        {"pcProdutos",
         {{"AllowItemDuplication", true}, {"Code", "7"}, {"CodeFont", font("Tahoma")}, {"CodeMaxLength", 5},
          {"DescriptionFont", font("Tahoma")}, {"DescriptionBackColor", 15790320}, {"FillZeros", true},
          {"ShowCodeInCombo", true}}},
        {"nmValor", {{"AllowNegative", false}, {"ForeColorZero", 8421504}, {"Format", 1}, {"Text", "1234,5"}}},
        {"nmDesconto", {{"Enabled", false}, {"Format", 2}, {"Locked", true}, {"Text", "12,5"}, {"CustomFormat", "#,##0.000"}}},
        {"drPeriodo", {{"Appearance", 1}, {"BackColor", qint32(0x80000005)}}},
    };
    for (const auto& [name, expected] : saved) {
        SCOPED_TRACE(name.toStdString());
        auto* control = form->findChild<ZEVControlWidget*>(name);
        ASSERT_NE(control, nullptr);
        MemoryPropertyBag bag;
        control->writeProperties(bag);
        QStringList keys;
        for (const auto& [key, value] : expected) {
            keys << key;
            const QVariant got = bag.ReadProperty(key);
            if (value.userType() == qMetaTypeId<FontDesc>())
                EXPECT_EQ(got.value<FontDesc>().name, value.value<FontDesc>().name) << key.toStdString();
            else
                EXPECT_TRUE(samePropertyValue(got, value)) << key.toStdString() << ": " << got.toString().toStdString();
        }
        QStringList savedKeys = bag.keys();
        savedKeys.sort();
        keys.sort();
        EXPECT_EQ(savedKeys.join(QLatin1Char(' ')), keys.join(QLatin1Char(' ')));
    }
}

TEST_F(Migrate, TheHostsControlsKeepWhatTheyShowed)
{
    Migration::Result r;
    const auto form = convertPedido(&r);
    ASSERT_TRUE(form) << r.error.toStdString();
    auto w = [&](const char* name) {
        QWidget* found = form->findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    };
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pedido de \"venda\""));
    EXPECT_EQ(form->size(), QSize(600, 400));
    EXPECT_EQ(w("cdCliente")->geometry().topLeft(), QPoint(80, 8)); // 1200 and 120 twips
    EXPECT_EQ(qobject_cast<QLabel*>(w("lblCliente"))->buddy(), w("cdCliente"));
    EXPECT_EQ(qobject_cast<QLabel*>(w("lblVendedor"))->buddy(), w("doVendedor"));
    EXPECT_EQ(qobject_cast<QLabel*>(w("lblVendedor"))->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    const QString aviso = qobject_cast<QLabel*>(w("lblAviso"))->text();
    EXPECT_TRUE(aviso.startsWith(QStringLiteral("Atenção: pedidos acima de R$ 10.000,00 passam pela gerência €")));
    EXPECT_EQ(aviso.size(), 62 + 300);
    EXPECT_TRUE(qobject_cast<QLabel*>(w("lblAviso"))->wordWrap());
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(w("txtObs"))->toPlainText(),
              QStringLiteral("Entregar pela manhã.\nPortão lateral, \"bloco B\"."));
    EXPECT_EQ(w("txtObs")->parentWidget(), w("fraEntrega"));
    EXPECT_EQ(qobject_cast<QGroupBox*>(w("fraEntrega"))->title(), QStringLiteral("&Entrega"));
    EXPECT_TRUE(qobject_cast<QRadioButton*>(w("optEntrega_0"))->isChecked());
    EXPECT_FALSE(qobject_cast<QRadioButton*>(w("optEntrega_1"))->isChecked());
    EXPECT_EQ(w("optEntrega_1")->property("Index"), QVariant(1));
    EXPECT_TRUE(qobject_cast<QCheckBox*>(w("chkUrgente"))->isChecked());
    EXPECT_EQ(w("chkUrgente")->property("Tag"), QVariant(QStringLiteral("prioridade")));
    auto* item0 = qobject_cast<QLineEdit*>(w("txtItem_0"));
    EXPECT_EQ(item0->text(), QStringLiteral("A-1"));
    EXPECT_EQ(item0->maxLength(), 10);
    EXPECT_TRUE(qobject_cast<QLineEdit*>(w("txtItem_1"))->isReadOnly());
    EXPECT_EQ(qobject_cast<QLineEdit*>(w("txtSenha"))->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(w("txtSenha")->isHidden());
    EXPECT_FALSE(w("nmDesconto")->isEnabled());
    auto* uf = qobject_cast<QComboBox*>(w("cboUF"));
    EXPECT_EQ(uf->count(), 4);
    EXPECT_EQ(uf->itemText(3), QStringLiteral("São João"));
    EXPECT_FALSE(uf->isEditable());
    auto* formas = qobject_cast<QListWidget*>(w("lstFormas"));
    EXPECT_EQ(formas->count(), 3);
    EXPECT_EQ(formas->selectionMode(), QAbstractItemView::ExtendedSelection);
    auto* ok = qobject_cast<QPushButton*>(w("cmdOk"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->toolTip(), QStringLiteral("Grava o pedido"));
    EXPECT_EQ(qobject_cast<QPushButton*>(w("cmdCancelar"))->shortcut(), QKeySequence(Qt::Key_Escape));
    EXPECT_EQ(qobject_cast<QLabel*>(w("imgLogo"))->pixmap().size(), QSize(2, 2));
    EXPECT_EQ(w("lvHistorico")->metaObject()->className(), QByteArray("QWidget"));
    EXPECT_EQ(w("lvHistorico")->property("legacyClass"), QVariant(QStringLiteral("MSComctlLib.ListView")));
    EXPECT_EQ(w("lvHistorico")->geometry(), QRect(424, 152, 168, 67));

    // Tab order by TabIndex across containers; labels and the frame take no focus.
    const QStringList named = {"cdCliente", "doVendedor", "pcProdutos", "nmValor", "optEntrega_0",
                               "txtObs", "txtItem_0", "cmdOk", "cmdCancelar"};
    QStringList order;
    for (QWidget* at = form->nextInFocusChain(); at != form.get(); at = at->nextInFocusChain()) {
        if (named.contains(at->objectName()))
            order << at->objectName();
    }
    EXPECT_EQ(order, named);

    // What has no counterpart is named in the report, with its line.
    const QStringList expected = {
        QStringLiteral("frmPedido.frm:5: frmPedido.BorderStyle = 3: no counterpart"),
        QStringLiteral("frmPedido.frm:295: cboUF.ItemData"),
        QStringLiteral("frmPedido.frm:328: shpMoldura: Shape 4"),
        QStringLiteral("frmPedido.frm:335: lvHistorico: MSComctlLib.ListView has no counterpart"),
    };
    ASSERT_EQ(r.findings.size(), expected.size()) << r.findings.join(QLatin1Char('\n')).toStdString();
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(r.findings[i].contains(expected[i])) << r.findings[i].toStdString();
}

TEST_F(Migrate, TheCommandLineAndBadInput)
{
    QFile::copy(data + QStringLiteral("/frmPedido.frm"), out.filePath(QStringLiteral("semfrx.frm")));
    QFile bad(out.filePath(QStringLiteral("bad.frm")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("VERSION 5.00\r\nBegin VB.Form frmRuim\r\n   Caption = \"x\r\nEnd\r\n");
    bad.close();
    const QString dir = out.filePath(QStringLiteral("ui"));
    QDir().mkpath(dir);

    struct Case {
        QStringList args;
        int status;
        const char* stdoutHas;
        const char* stderrHas;
        QStringList files; // in dir afterwards
        const char* lang = "pt_BR.UTF-8";
    };
    const Case cases[] = {
        {{}, 2, "", "no form file given", {}},
        {{"--bogus", "x.frm"}, 2, "", "unknown option --bogus", {}},
        {{"--encoding", "no-such-code-page", "x.frm"}, 2, "", "unknown encoding", {}},
        {{"-o"}, 2, "", "-o needs a value", {}},
        {{"-o", dir, out.filePath("bad.frm")}, 1, "", "bad.frm:3: a string without its closing quote", {}},
        {{"-o", dir, out.filePath("nothere.frm")}, 1, "", "nothere.frm:0: cannot read", {}},
        // A missing side file never stops the form: the values it held are named.
        {{"-o", dir, out.filePath("bad.frm"), out.filePath("semfrx.frm")}, 1,
         "side file frmPedido.frx not found", "bad.frm:3:", {"frmPedido.ui"}},
        // Saved numbers read in another notation are named, not changed unseen.
        {{"-o", dir, data + "/frmPedido.frm"}, 0, "nmValor.Text = \"1234,5\" loads as \"12345\"", "",
         {"frmPedido.ui", "frmPedido_imgLogo.bmp"}, "C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        for (const QString& f : QDir(dir).entryList(QDir::Files))
            QFile::remove(QDir(dir).filePath(f));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(c.lang));
        env.remove(QStringLiteral("LC_ALL"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZEV_MIGRATE_EXE), c.args);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), c.status);
        EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains(QLatin1String(c.stdoutHas)));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_TRUE(err.contains(QLatin1String(c.stderrHas))) << err.toStdString();
        EXPECT_EQ(QDir(dir).entryList(QDir::Files), c.files);
    }
}
