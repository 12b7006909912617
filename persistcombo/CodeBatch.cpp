#include "persistcombo/CodeBatch.h"

#include "framework/KeyCodes.h"
#include "persistcombo/PastedCodes.h"
#include "persistcombo/ZEVPersistCombo.h"

#include <QCoreApplication>
#include <QSet>

namespace zev {

namespace {
#define ZEV_BATCH(text) QT_TRANSLATE_NOOP("zev::CodeBatch", text)

QString tr(const char* text) { return QCoreApplication::translate("zev::CodeBatch", text); }

constexpr int MsgBoxExclamation = 48;
constexpr int MsgBoxInformation = 64;
// Codes named in the message; a longer list ends with how many more there were.
constexpr qsizetype ListedCodes = 20;

QString listed(const QStringList& codes)
{
    QString text = codes.mid(0, ListedCodes).join(QStringLiteral(", "));
    // Both arguments at once: a code may hold a "%2" of its own.
    if (codes.size() > ListedCodes)
        text = tr(ZEV_BATCH("%1 e mais %2")).arg(text, QString::number(codes.size() - ListedCodes));
    return text;
}

// One sentence of the message, in the singular or the plural form.
QString sentence(qsizetype count, const char* one, const char* many, const QString& argument)
{
    return tr(count == 1 ? one : many).arg(argument);
}

void press(FlatEdit& box, qint16 keyCode)
{
    qint16 shift = 0;
    box.raiseKeyDown(keyCode, shift);
}

// The control's own warning comes back however the batch ends.
struct QuietDuplicates {
    ZEVPersistCombo& control;
    ~QuietDuplicates() { control.setDuplicateRefusal(nullptr); }
};
} // namespace

QString CodeBatch::Outcome::summary() const
{
    QStringList parts;
    parts << (added == 0 ? tr(ZEV_BATCH("Nenhum item adicionado."))
                         : sentence(added, ZEV_BATCH("%1 item adicionado."), ZEV_BATCH("%1 itens adicionados."),
                                    QString::number(added)));
    if (!notFound.isEmpty())
        parts << sentence(notFound.size(), ZEV_BATCH("Não encontrado: %1."), ZEV_BATCH("Não encontrados: %1."),
                          listed(notFound));
    if (!repeated.isEmpty())
        parts << sentence(repeated.size(), ZEV_BATCH("Repetido: %1."), ZEV_BATCH("Repetidos: %1."), listed(repeated));
    if (notProcessed > 0)
        parts << sentence(notProcessed, ZEV_BATCH("%1 código não processado (limite de %2 por colagem)."),
                          ZEV_BATCH("%1 códigos não processados (limite de %2 por colagem)."),
                          QString::number(notProcessed))
                     .arg(limit);
    return parts.join(QLatin1Char(' '));
}

int CodeBatch::Outcome::buttons() const
{
    return notFound.isEmpty() && repeated.isEmpty() && notProcessed == 0 ? MsgBoxInformation : MsgBoxExclamation;
}

CodeBatch::Outcome CodeBatch::add(const PastedCodes& pasted)
{
    Outcome outcome;
    outcome.notProcessed = pasted.beyondLimit();
    outcome.limit = pasted.limit();
    FlatEdit* code = control_.ControlCode();
    FlatEdit* description = control_.ControlDescription();
    if (!code || !description) // not started, or terminated
        return outcome;
    bool refused = false;
    control_.setDuplicateRefusal([&refused] { refused = true; });
    const QuietDuplicates quiet{control_};
    QSet<QString> seen;
    for (const QString& c : pasted.codes()) {
        if (seen.contains(c)) {
            outcome.repeated << c;
            continue;
        }
        seen.insert(c);
        // Whole, where typing would stop at CodeMaxLength: a cut code could find another record.
        code->setText(c);
        press(*code, KeyCodes::Return);
        if (!control_.Loaded()) { // the search failed
            outcome.notFound << c;
            continue;
        }
        refused = false;
        press(*description, KeyCodes::Return);
        if (refused)
            outcome.repeated << c;
        else
            ++outcome.added;
    }
    // The last code may have stayed (not found, or refused with its record).
    code->setText(QString());
    code->SetFocus();
    control_.host().MsgBox(outcome.summary(), outcome.buttons(), control_.host().ControlName());
    return outcome;
}

} // namespace zev
