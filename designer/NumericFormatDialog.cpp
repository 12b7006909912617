#include "designer/NumericFormatDialog.h"

#include "numeric/NumberEngine.h"
#include "numeric/NumberLocale.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zev {

const QList<NumericFormatPreview::Sample>& NumericFormatPreview::samples()
{
    static const QList<Sample> list = {
        {QStringLiteral("Positivo"), 1234.5},
        {QStringLiteral("Negativo"), -1234.5},
        {QStringLiteral("Zero"), 0.0},
        {QStringLiteral("Longo"), 123456789012.34},
    };
    return list;
}

QList<NumericFormatPreview::Shown> NumericFormatPreview::preview(ZEVNumericWidget::eTipoFormatacao format,
                                                                 const QString& pattern, const QLocale& locale)
{
    const NumberEngine engine(NumberLocale::fromQLocale(locale));
    NumberEngine::Format kind = NumberEngine::Format::Standard;
    if (format == ZEVNumericWidget::CurrencyFormatation)
        kind = NumberEngine::Format::Currency;
    else if (format == ZEVNumericWidget::CustomFormatation)
        kind = NumberEngine::Format::Pattern;
    QList<Shown> shown;
    for (const Sample& s : samples()) {
        const QString text = engine.format(s.value, kind, pattern);
        double back = 0;
        shown.append({s.label, text, engine.tryRead(text, back)});
    }
    return shown;
}

QString NumericFormatPreview::refusal(const QString& pattern, const QString& currentText)
{
    if (pattern.trimmed().isEmpty())
        return QStringLiteral("Um padrão em branco não é aceito: para os formatos fixos escolha "
                              "Padrão ou Moeda.");
    if (currentText.isEmpty())
        return QStringLiteral("O campo está vazio (Text em branco): o controle só aceita um padrão "
                              "enquanto tem um valor. Dê um valor a Text (ou ligue StartZero) e "
                              "edite o formato de novo.");
    // The control's own rule (ZEVNumeric::setCustomFormat), with the engine it uses.
    const NumberEngine& engine = NumberEngine::current();
    const QString shown = engine.formatText(currentText, NumberEngine::Format::Pattern, pattern);
    double value = 0;
    if (!engine.tryRead(shown, value))
        return QStringLiteral("O controle recusa este padrão: ele mostra o valor atual (%1) como "
                              "\"%2\", que não se lê como número.")
            .arg(currentText, shown);
    return QString();
}

QString NumericFormatPreview::literalDigitWarning(const QString& pattern, const QString& currentText)
{
    // 0 is the pattern's digit placeholder; any other digit, and any digit
    // quoted or escaped, is printed as it stands.
    QChar literal;
    QChar quote;
    for (qsizetype i = 0; i < pattern.size() && literal.isNull(); ++i) {
        const QChar c = pattern.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else if (c.isDigit())
                literal = c;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('\\') && i + 1 < pattern.size()) {
            if (pattern.at(++i).isDigit())
                literal = pattern.at(i);
        } else if (c.isDigit() && c != QLatin1Char('0')) {
            literal = c;
        }
    }
    if (literal.isNull())
        return QString();
    QString message = QStringLiteral("Atenção: o padrão tem o dígito literal \"%1\". O controle lê o texto "
                                     "formatado de novo como o número do campo a cada vez que o formato é "
                                     "aplicado ou o formulário é carregado, com esse dígito dentro.")
                          .arg(literal);
    // What the control itself makes of the value (the pattern is applied more than once on the way).
    ZEVNumericWidget scratch;
    scratch.setText(currentText);
    scratch.setCustomFormat(pattern);
    if (!currentText.isEmpty() && scratch.CustomFormat() == pattern && scratch.Text() != currentText)
        message += QStringLiteral(" Assim %1 aparece como \"%2\" e passa a valer %3.")
                       .arg(currentText, scratch.ControlText()->text(), scratch.Text());
    return message;
}

NumericFormatDialog::NumericFormatDialog(ZEVNumericWidget::eTipoFormatacao format, const QString& pattern,
                                         const QString& currentText, const QLocale& locale, QWidget* parent)
    : QDialog(parent), currentText_(currentText), locale_(locale)
{
    setWindowTitle(QStringLiteral("Editar formato"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    format_ = new QComboBox(this);
    format_->addItem(QStringLiteral("Padrão (StandardFormatation)"), int(ZEVNumericWidget::StandardFormatation));
    format_->addItem(QStringLiteral("Moeda (CurrencyFormatation)"), int(ZEVNumericWidget::CurrencyFormatation));
    format_->addItem(QStringLiteral("Personalizado (CustomFormatation)"), int(ZEVNumericWidget::CustomFormatation));
    form->addRow(QStringLiteral("&Format:"), format_);

    pattern_ = new QLineEdit(this);
    pattern_->setPlaceholderText(QStringLiteral("#,##0.00;(#,##0.00);\"zero\""));
    pattern_->setToolTip(QStringLiteral("Seções separadas por ';': positivos; negativos; zero. "
                                        "0 e # são dígitos, '.' o separador decimal, ',' o de milhar; "
                                        "texto entre aspas aparece como está."));
    form->addRow(QStringLiteral("&CustomFormat:"), pattern_);

    auto* locale_label = new QLabel(QStringLiteral("%1 (%2)").arg(QLocale::languageToString(locale.language()),
                                                                   locale.name()), this);
    form->addRow(QStringLiteral("Localidade do formulário:"), locale_label);
    for (const auto& s : NumericFormatPreview::samples()) {
        auto* label = new QLabel(this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setObjectName(QStringLiteral("sample") + s.label);
        samples_.append(label);
        form->addRow(s.label + QLatin1Char(':'), label);
    }

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("message"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(message_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setFormat(format);
    setPattern(pattern);
    connect(format_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(pattern_, &QLineEdit::textChanged, this, [this] { refresh(); });
    refresh();
}

ZEVNumericWidget::eTipoFormatacao NumericFormatDialog::format() const
{
    return ZEVNumericWidget::eTipoFormatacao(format_->currentData().toInt());
}

QString NumericFormatDialog::pattern() const
{
    return format() == ZEVNumericWidget::CustomFormatation ? pattern_->text() : QString();
}

void NumericFormatDialog::setFormat(ZEVNumericWidget::eTipoFormatacao format)
{
    const int at = format_->findData(int(format));
    format_->setCurrentIndex(at < 0 ? 0 : at);
    refresh();
}

void NumericFormatDialog::setPattern(const QString& pattern)
{
    pattern_->setText(pattern);
    refresh();
}

QStringList NumericFormatDialog::previewTexts() const
{
    QStringList texts;
    for (const QLabel* l : samples_)
        texts.append(l->text());
    return texts;
}

QString NumericFormatDialog::message() const { return message_->text(); }

bool NumericFormatDialog::acceptable() const { return buttons_->button(QDialogButtonBox::Ok)->isEnabled(); }

void NumericFormatDialog::refresh()
{
    if (!buttons_)
        return; // still being built
    const bool custom = format() == ZEVNumericWidget::CustomFormatation;
    pattern_->setEnabled(custom);
    const auto shown = NumericFormatPreview::preview(format(), pattern(), locale_);
    for (int i = 0; i < shown.size() && i < samples_.size(); ++i)
        samples_[i]->setText(shown[i].readable ? shown[i].text
                                               : shown[i].text + QStringLiteral("   (não se lê como número)"));
    const QString refused = custom ? NumericFormatPreview::refusal(pattern(), currentText_) : QString();
    // A pattern with a literal digit is taken, with a warning of what it does to the value.
    const QString said = refused.isEmpty() && custom ? NumericFormatPreview::literalDigitWarning(pattern(), currentText_)
                                                     : refused;
    message_->setText(said);
    message_->setVisible(!said.isEmpty());
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(refused.isEmpty());
}

} // namespace zev
