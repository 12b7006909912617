#include "EventLog.h"

#include "framework/ClassDescriptor.h"
#include "framework/Control.h"
#include "qt/ZEVControlWidget.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace {
QString describe(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString)
        return QLatin1Char('"') + v.toString() + QLatin1Char('"');
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return v.toString();
}
} // namespace

namespace {
constexpr QLatin1String NoteIndent("    ");
// A long session logs every keystroke; the view keeps the newest lines.
constexpr int MaxBlocks = 5000;
}

EventLog::EventLog(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setPlaceholderText(QStringLiteral("Os eventos dos controles aparecem aqui."));
    // The one focusable part of the window a screen reader would otherwise announce without a name.
    setAccessibleName(QStringLiteral("Eventos dos controles"));
    document()->setMaximumBlockCount(MaxBlocks);
    QScrollBar* bar = verticalScrollBar();
    // The range grows when a line is laid out, which may be after add() returns
    // (and is when the log first overflows): follow it there.
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
        if (following_)
            bar->setValue(maximum);
    });
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) { following_ = value >= bar->maximum(); });
}

void EventLog::watch(zev::ZEVControlWidget& control)
{
    const QString who = control.objectName();
    connect(&control, &zev::ZEVControlWidget::eventRaised, this,
            [this, who, &control](const QString& name, QVariantList& arguments) {
                const zev::EventInfo* info = control.control().Descriptor().event(name);
                QStringList parts;
                for (int i = 0; i < arguments.size(); ++i) {
                    const QString argName = info && i < info->arguments.size() ? info->arguments.at(i)
                                                                                  : QStringLiteral("arg%1").arg(i);
                    parts << argName + QLatin1Char('=') + describe(arguments.at(i));
                }
                add(QStringLiteral("%1.%2(%3)").arg(who, name, parts.join(QStringLiteral(", "))),
                    who + QLatin1Char('.') + name);
            });
}

void EventLog::note(const QString& line) { add(NoteIndent + line); }

QStringList EventLog::eventsSince(int from) const { return events_.mid(from); }

void EventLog::add(const QString& line, const QString& event)
{
    lines_ << line;
    if (!event.isEmpty())
        events_ << event;
    // The indent is a margin rather than spaces, so wrapped lines keep it.
    const bool isNote = line.startsWith(NoteIndent);
    const QString text = isNote ? line.mid(NoteIndent.size()) : line;
    const qreal em = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    QTextBlockFormat format;
    format.setLeftMargin(isNote ? 4 * em : 2 * em);
    format.setTextIndent(isNote ? 0 : -2 * em);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (document()->isEmpty())
        cursor.setBlockFormat(format);
    else
        cursor.insertBlock(format);
    cursor.insertText(text);
    if (following_)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}
