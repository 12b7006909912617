#pragma once

#include "qt/ZEVNumericWidget.h"

#include <QDialog>
#include <QList>
#include <QLocale>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QDialogButtonBox;

namespace zev {

// What the "Editar formato…" dialog shows and checks, apart from Designer:
// the numeric field's display of a few sample values in a format, through the
// library's own number formatting (numeric/NumberEngine.h), and whether the
// control would take a custom pattern.
class NumericFormatPreview {
public:
    struct Sample {
        QString label; // "Positivo"...
        double value;
    };
    struct Shown {
        QString label;
        QString text;  // as the field shows the value
        bool readable; // the text reads back as a number
    };

    // Positive, negative, zero and a long value.
    static const QList<Sample>& samples();

    // The samples as a field in `format` (with `pattern` when custom) shows
    // them in `locale`; an empty custom pattern shows the plain number.
    static QList<Shown> preview(ZEVNumericWidget::eTipoFormatacao format, const QString& pattern,
                                const QLocale& locale);

    // Empty when the control takes the pattern while it holds `currentText`
    // (its Text, in the notation of the default locale, as the control reads
    // it); otherwise why the control refuses it. The control refuses a blank
    // pattern and a pattern that shows its value as a text that is not a
    // readable number (so, too, every pattern while the field is empty).
    static QString refusal(const QString& pattern, const QString& currentText);

    // Empty unless the pattern holds a literal digit ("#,##1.000", "0\\5",
    // a digit in quotes): then what it does. The control takes such a pattern,
    // but each time the format is set or the form is loaded it reads the
    // formatted text back as the field's number, with the literal digit in
    // it, so the value grows; the warning shows the value and what it becomes.
    static QString literalDigitWarning(const QString& pattern, const QString& currentText);
};

// Edits a numeric field's Format and CustomFormat with a live preview.
class NumericFormatDialog : public QDialog {
    Q_OBJECT

public:
    // `currentText` is the field's Text; `locale` the form's.
    NumericFormatDialog(ZEVNumericWidget::eTipoFormatacao format, const QString& pattern, const QString& currentText,
                        const QLocale& locale, QWidget* parent = nullptr);

    ZEVNumericWidget::eTipoFormatacao format() const;
    QString pattern() const;
    void setFormat(ZEVNumericWidget::eTipoFormatacao format);
    void setPattern(const QString& pattern);

    // What the dialog shows now: the preview lines and the refusal message
    // (empty when OK is enabled).
    QStringList previewTexts() const;
    QString message() const;
    bool acceptable() const;

private:
    void refresh();

    QString currentText_;
    QLocale locale_;
    QComboBox* format_ = nullptr;
    QLineEdit* pattern_ = nullptr;
    QList<QLabel*> samples_;
    QLabel* message_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

} // namespace zev
