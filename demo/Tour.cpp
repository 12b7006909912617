#include "Tour.h"

#include "DemoForm.h"
#include "EventLog.h"

#include "framework/ComboBox.h"
#include "framework/DateTimePicker.h"
#include "qt/QtAdapter.h"
#include "qt/ZEVDialogs.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <cstdio>

using namespace zev;

namespace {

QWidget& real(QWidget* w)
{
    if (!w)
        throw std::runtime_error("a control's part is missing");
    return *w;
}

void expect(QStringList& problems, bool ok, const QString& what)
{
    if (!ok)
        problems << what;
}

QString show(const QDateTime& d) { return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QStringLiteral("Null"); }

} // namespace

Tour::Tour(DemoForm& form, QString directory) : form_(form), directory_(std::move(directory)) {}

void Tour::screenshot(const QString& name)
{
    QApplication::processEvents();
    const QString file = QDir(directory_).filePath(QStringLiteral("%1-%2.png").arg(number_, 2, 10, QLatin1Char('0')).arg(name));
    if (!form_.grab().save(file)) {
        std::printf("  ! could not write %s\n", qPrintable(file));
        ++failures_;
    }
}

void Tour::typeCode(QWidget& edit, const QString& text, int key, bool clickAtEnd)
{
    // A closed message box leaves no window active on a display-less platform:
    // activate the form again, as the window manager would.
    QApplication::setActiveWindow(edit.window());
    const int x = clickAtEnd ? edit.width() - 4 : 4;
    QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(x, edit.height() / 2));
    QApplication::processEvents();
    QTest::keyClicks(&edit, text);
    QTest::keyClick(&edit, Qt::Key(key));
}

QPushButton& Tour::button(const QString& name) const
{
    auto* b = form_.findChild<QPushButton*>(name);
    if (!b)
        throw std::runtime_error(("no button " + name).toStdString());
    return *b;
}

void Tour::click(QWidget& widget)
{
    QApplication::setActiveWindow(widget.window());
    QTest::mouseClick(&widget, Qt::LeftButton);
    QApplication::processEvents();
}

void Tour::step(const QString& name, const QString& title, const std::function<void()>& act, const Check& check)
{
    ++number_;
    const int from = form_.log().eventCount();
    std::printf("== %02d %s\n", number_, qPrintable(title));
    QStringList problems;
    try {
        act();
        QApplication::processEvents();
        problems = check();
    } catch (const std::exception& e) {
        problems << QStringLiteral("failed: %1").arg(QString::fromUtf8(e.what()));
    }
    for (const QString& e : form_.log().eventsSince(from))
        std::printf("   %s\n", qPrintable(e));
    screenshot(name);
    if (problems.isEmpty()) {
        std::printf("   ok\n");
    } else {
        ++failures_;
        for (const QString& p : problems)
            std::printf("   WRONG: %s\n", qPrintable(p));
    }
}

int Tour::run()
{
    QDir().mkpath(directory_);
    // Answer every message box as a user would, and remember what it said.
    ZEVDialogs::setHandler([this](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            messages_ << box->text();
        dialog.accept();
    });
    // The window as it opens on the smallest screen it is made for: 1024×700 at 100%, 1280×800 at 150%
    // (less a title bar and a panel).
    const qreal scale = form_.devicePixelRatioF();
    const QSize screen = scale >= 1.5 ? QSize(1280, 800 - 64) : QSize(1024, 700 - 64);
    form_.resize((QSizeF(screen) / scale).toSize().expandedTo(form_.minimumSizeHint()));
    form_.show();
    // Focus events reach only an active window; a display-less platform activates none by itself.
    form_.activateWindow();
    QApplication::setActiveWindow(&form_);
    if (!QTest::qWaitForWindowActive(&form_, 2000))
        std::printf("  (the window did not become active: focus events may be missing)\n");
    QApplication::processEvents();

    // "Today" for every check, taken once: a check never compares two different days around midnight.
    const QDate today = QDate::currentDate();
    auto& customer = form_.customer();
    auto& salesperson = form_.salesperson();
    auto& products = form_.products();
    auto& amount = form_.amount();
    auto& period = form_.period();

    step(QStringLiteral("inicio"), QStringLiteral("O formulário aberto"), [] {}, [&] {
        QStringList p;
        expect(p, amount.Text() == QLatin1String("0"), QStringLiteral("valor mínimo deveria ser 0"));
        return p;
    });

    step(QStringLiteral("cliente"), QStringLiteral("Cliente: digita 7 e pressiona F3"),
         [&] { typeCode(real(customer.ControlCode()), QStringLiteral("7"), Qt::Key_F3); }, [&] {
             QStringList p;
             expect(p, customer.Code() == QLatin1String("000007"), QStringLiteral("código preenchido com zeros: ") + customer.Code());
             expect(p, customer.Loaded(), QStringLiteral("cliente não carregado"));
             expect(p, customer.PrimaryKey() == QLatin1String("CLI-1001"), QStringLiteral("chave: ") + customer.PrimaryKey());
             expect(p, customer.Description().startsWith(QStringLiteral("Auto Peças")), QStringLiteral("descrição: ") + customer.Description());
             return p;
         });

    step(QStringLiteral("vendedor"), QStringLiteral("Vendedor: digita \"vin\" e pressiona Enter"),
         [&] { typeCode(real(salesperson.ControlDescription()), QStringLiteral("vin"), Qt::Key_Return); }, [&] {
             QStringList p;
             expect(p, salesperson.Description() == QStringLiteral("Vinícius Santos"), QStringLiteral("vendedor: ") + salesperson.Description());
             expect(p, salesperson.PrimaryKey() == QLatin1String("VEN-002"), QStringLiteral("chave: ") + salesperson.PrimaryKey());
             return p;
         });

    step(QStringLiteral("produtos"), QStringLiteral("Produtos: pesquisa e adiciona os códigos 1, 2 e 3"), [&] {
        for (const char* code : {"1", "2", "3"}) {
            typeCode(real(products.ControlCode()), QString::fromLatin1(code), Qt::Key_F3);
            QApplication::processEvents();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // confirms in the description box
        }
    }, [&] {
        QStringList p;
        expect(p, products.count() == 3, QStringLiteral("itens na lista: %1").arg(products.count()));
        for (int i = 0; i < 3 && i < products.count(); ++i) {
            expect(p, products.GetPkey(qint16(i)) == QStringLiteral("PRD-%1").arg(5001 + i), QStringLiteral("chave %1: ").arg(i) + products.GetPkey(qint16(i)));
            expect(p, products.GetCode(qint16(i)) == QStringLiteral("0000%1").arg(i + 1), QStringLiteral("código %1: ").arg(i) + products.GetCode(qint16(i)));
        }
        return p;
    });

    step(QStringLiteral("duplicado"), QStringLiteral("Produtos: tenta adicionar o código 1 de novo"), [&] {
        messages_.clear();
        typeCode(real(products.ControlCode()), QStringLiteral("1"), Qt::Key_F3);
        QApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }, [&] {
        QStringList p;
        expect(p, products.count() == 3, QStringLiteral("o item repetido entrou na lista"));
        expect(p, messages_ == QStringList{QStringLiteral("ATENÇÃO! Este item já foi adicionado na lista de filtro.")},
               QStringLiteral("aviso: ") + messages_.join(QStringLiteral(" | ")));
        return p;
    });

    step(QStringLiteral("valor"), QStringLiteral("Valor mínimo: digita 1500x (o x é recusado) e sai do campo"), [&] {
        typeCode(real(amount.ControlText()), QStringLiteral("1500x"), Qt::Key_Tab, true);
    }, [&] {
        QStringList p;
        expect(p, amount.Text() == QLatin1String("1500"), QStringLiteral("valor: ") + amount.Text());
        const QString shown = static_cast<QLineEdit&>(real(amount.ControlText())).text();
        expect(p, shown.startsWith(QLatin1String("R$")) && shown.endsWith(QLatin1String("1.500,00")), QStringLiteral("exibido: ") + shown);
        return p;
    });

    auto pickPreset = [&](int index) {
        auto& combo = static_cast<QComboBox&>(real(period.Control_dtpCombo()));
        QTest::mouseClick(&combo, Qt::LeftButton);
        QApplication::processEvents();
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        combo.setFocus(Qt::MouseFocusReason);
        const int steps = index - combo.currentIndex();
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(&combo, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    };
    step(QStringLiteral("periodo-7dias"), QStringLiteral("Período: escolhe \"-7  Dias  <==>      Hoje\""), [&] { pickPreset(5); }, [&] {
        QStringList p;
        const QDateTime start = period.periodStart(), end = period.periodEnd();
        expect(p, start == QDateTime(today.addDays(-7), QTime(0, 0)), QStringLiteral("início: ") + show(start));
        expect(p, end == QDateTime(today, QTime(23, 59, 59)), QStringLiteral("fim: ") + show(end));
        return p;
    });
    step(QStringLiteral("periodo-mes"), QStringLiteral("Período: escolhe \"<====== Esse Mês ======>\""), [&] { pickPreset(3); }, [&] {
        QStringList p;
        const QDateTime start = period.periodStart(), end = period.periodEnd();
        const QDate first(today.year(), today.month(), 1);
        expect(p, start == QDateTime(first, QTime(0, 0)), QStringLiteral("início: ") + show(start));
        expect(p, end == QDateTime(first.addMonths(1).addDays(-1), QTime(23, 59, 59)), QStringLiteral("fim: ") + show(end));
        return p;
    });

    QDateTime savedStart, savedEnd;
    step(QStringLiteral("salvo"), QStringLiteral("Salva o formulário, limpa o filtro e carrega o formulário de volta"), [&] {
        messages_.clear();
        savedStart = period.periodStart();
        savedEnd = period.periodEnd();
        expect(messages_, form_.saveForm(), QStringLiteral("salvar falhou"));
        click(button(QStringLiteral("btnLimpar")));
        expect(messages_, products.count() == 0 && !period.periodStart().isValid(), QStringLiteral("Limpar não esvaziou o filtro"));
        expect(messages_, form_.loadForm(), QStringLiteral("carregar falhou: ") + form_.statusText());
    }, [&] {
        QStringList p;
        expect(p, amount.Text() == QLatin1String("1500"), QStringLiteral("valor após carregar: ") + amount.Text());
        expect(p, customer.Code() == QLatin1String("000007") && customer.Loaded(), QStringLiteral("cliente após carregar: ") + customer.Code());
        expect(p, salesperson.PrimaryKey() == QLatin1String("VEN-002"), QStringLiteral("vendedor após carregar: ") + salesperson.PrimaryKey());
        expect(p, products.count() == 3, QStringLiteral("itens da lista após carregar: %1").arg(products.count()));
        for (int i = 0; i < 3 && i < products.count(); ++i)
            expect(p, products.GetPkey(qint16(i)) == QStringLiteral("PRD-%1").arg(5001 + i), QStringLiteral("chave %1 após carregar: ").arg(i) + products.GetPkey(qint16(i)));
        expect(p, period.period() == ZEVDateRangeWidget::ThisMonth, QStringLiteral("período após carregar: %1").arg(period.period()));
        expect(p, period.periodStart() == savedStart && period.periodEnd() == savedEnd,
               QStringLiteral("datas após carregar: %1 a %2").arg(show(period.periodStart()), show(period.periodEnd())));
        expect(p, QFile::exists(form_.formFile()), QStringLiteral("arquivo não gravado"));
        p << messages_;
        messages_.clear();
        return p;
    });

    step(QStringLiteral("arquivo-invalido"), QStringLiteral("Carrega um formulário com um período inválido: nada muda"), [&] {
        QFile file(form_.formFile());
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("the saved form cannot be read");
        const QByteArray good = file.readAll();
        file.close();
        QJsonObject bad = QJsonDocument::fromJson(good).object();
        bad.insert(QStringLiteral("lists"), QJsonObject{{QStringLiteral("zevProdutos"), QJsonArray{}}});
        bad.insert(QStringLiteral("periods"), QJsonObject{{QStringLiteral("zevPeriodo"),
                                                           QJsonObject{{QStringLiteral("preset"), QStringLiteral("Ontem")}}}});
        auto write = [&](const QByteArray& data) {
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
                throw std::runtime_error("the saved form cannot be written");
            file.close();
        };
        write(QJsonDocument(bad).toJson());
        expect(messages_, !form_.loadForm(), QStringLiteral("o arquivo inválido foi aceito"));
        write(good);
    }, [&] {
        QStringList p = messages_;
        messages_.clear();
        expect(p, products.count() == 3, QStringLiteral("a lista mudou: %1 itens").arg(products.count()));
        expect(p, form_.statusText().contains(QLatin1String("zevPeriodo")), QStringLiteral("aviso: ") + form_.statusText());
        return p;
    });

    step(QStringLiteral("periodo-teclas"), QStringLiteral("Período: no início, T (hoje) e Page Down (um mês adiante)"), [&] {
        auto& start = real(period.Control_dtpInicio());
        QApplication::setActiveWindow(start.window());
        start.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&start, Qt::Key_T);
        QTest::keyClick(&start, Qt::Key_PageDown);
    }, [&] {
        QStringList p;
        const QDateTime start = period.periodStart();
        expect(p, start == QDateTime(today.addMonths(1), QTime(0, 0)), QStringLiteral("início: ") + show(start));
        const QString preset = period.Control_dtpCombo()->currentText();
        expect(p, preset == QStringLiteral("<===== Customizado ====>"), QStringLiteral("predefinição: ") + preset);
        return p;
    });

    searchSteps(today);

    QString pasted;
    step(QStringLiteral("valor-colado"), QStringLiteral("Valor mínimo: cola \"USD 1,234.50\" (Ctrl+V) e sai do campo"), [&] {
        QGuiApplication::clipboard()->setText(QStringLiteral("USD 1,234.50"));
        auto& edit = static_cast<QLineEdit&>(real(amount.ControlText()));
        // The click that enters the field selects its value: the paste replaces it.
        QApplication::setActiveWindow(edit.window());
        QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(edit.width() - 4, edit.height() / 2));
        QApplication::processEvents();
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        pasted = edit.text();
        QTest::keyClick(&edit, Qt::Key_Tab);
    }, [&] {
        QStringList p;
        expect(p, pasted == QLatin1String("1.234,50"), QStringLiteral("colado: ") + pasted);
        expect(p, amount.Text() == QLatin1String("1234,5"), QStringLiteral("valor: ") + amount.Text());
        const QString shown = static_cast<QLineEdit&>(real(amount.ControlText())).text();
        expect(p, shown.startsWith(QLatin1String("R$")) && shown.endsWith(QLatin1String("1.234,50")), QStringLiteral("exibido: ") + shown);
        return p;
    });

    int listed = 0;
    step(QStringLiteral("produtos-colados"), QStringLiteral("Produtos: cola uma coluna com os códigos 4, 999 (não existe) e 4 de novo"), [&] {
        messages_.clear();
        listed = products.count();
        QGuiApplication::clipboard()->setText(QStringLiteral("4\n999\n4\n"));
        auto& edit = static_cast<QLineEdit&>(real(products.ControlCode()));
        QApplication::setActiveWindow(edit.window());
        QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(4, edit.height() / 2));
        QApplication::processEvents();
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier); // the summary is answered by the tour's handler
    }, [&] {
        QStringList p;
        expect(p, products.count() == listed + 1, QStringLiteral("itens na lista: %1 (antes %2)").arg(products.count()).arg(listed));
        const qint16 last = qint16(products.count() - 1);
        expect(p, products.GetPkey(last) == QLatin1String("PRD-5004"), QStringLiteral("chave: ") + products.GetPkey(last));
        expect(p, messages_ == QStringList{QStringLiteral("1 item adicionado. Não encontrado: 999. Repetido: 4.")},
               QStringLiteral("resumo: ") + messages_.join(QStringLiteral(" | ")));
        expect(p, products.Code().isEmpty(), QStringLiteral("código ficou: ") + products.Code());
        return p;
    });
    QStringList typeAheadEvents, typeAheadLines;
    step(QStringLiteral("vendedor-sugestoes"),
         QStringLiteral("Vendedor: digita \"pe\", espera as sugestões, Seta para baixo e Enter"), [&] {
             auto& box = static_cast<QLineEdit&>(real(salesperson.ControlDescription()));
             QApplication::setActiveWindow(box.window());
             QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(4, box.height() / 2));
             QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier); // the name there is typed over
             QTest::keyClicks(&box, QStringLiteral("pe"));
             auto* list = salesperson.findChild<QListView*>(QStringLiteral("suggestions"));
             if (!QTest::qWaitFor([&] { return (list = salesperson.findChild<QListView*>(QStringLiteral("suggestions"))) && list->isVisible(); }, 3000))
                 throw std::runtime_error("no suggestions shown");
             const int from = form_.log().eventCount();
             const qsizetype fromLine = form_.log().lines().size();
             QTest::keyClick(&box, Qt::Key_Down);
             QTest::keyClick(&box, Qt::Key_Return);
             typeAheadEvents = form_.log().eventsSince(from);
             typeAheadLines = form_.log().lines().mid(fromLine);
         }, [&] {
             QStringList p;
             // The first of the Pereiras by name, found by the key the suggestion handed to Search.
             expect(p, salesperson.Description() == QStringLiteral("Ana Pereira"), QStringLiteral("vendedor: ") + salesperson.Description());
             expect(p, salesperson.PrimaryKey() == QLatin1String("VEN-011"), QStringLiteral("chave: ") + salesperson.PrimaryKey());
             expect(p, salesperson.Loaded(), QStringLiteral("vendedor não carregado"));
             const qsizetype search = typeAheadEvents.indexOf(QStringLiteral("zevVendedor.Search"));
             expect(p, search >= 0 && typeAheadEvents.indexOf(QStringLiteral("zevVendedor.Load"), search) > search,
                    QStringLiteral("eventos: ") + typeAheadEvents.join(QStringLiteral(", ")));
             expect(p, !typeAheadLines.filter(QStringLiteral("zevVendedor.Search(PrimaryKey=\"VEN-011\"")).isEmpty(),
                    QStringLiteral("Search sem a chave da sugestão"));
             return p;
         });

    std::printf("\n== Registro de eventos\n");
    for (const QString& line : form_.log().lines())
        std::printf("%s\n", qPrintable(line));
    std::printf("\n%s: %d passo(s), %d com problema; capturas em %s\n", failures_ ? "FALHOU" : "OK", number_, failures_,
                qPrintable(QDir(directory_).absolutePath()));
    ZEVDialogs::setHandler({});
    return failures_ == 0 ? 0 : 1;
}
