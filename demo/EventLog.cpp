#include "EventLog.h"

#include "framework/ClassDescriptor.h"
#include "framework/Control.h"
#include "qt/ZEVControlWidget.h"

#include <QFontDatabase>

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

EventLog::EventLog(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setPlaceholderText(QStringLiteral("Os eventos dos controles aparecem aqui."));
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

void EventLog::note(const QString& line) { add(QStringLiteral("    ") + line); }

QStringList EventLog::eventsSince(int from) const { return events_.mid(from); }

void EventLog::add(const QString& line, const QString& event)
{
    lines_ << line;
    if (!event.isEmpty())
        events_ << event;
    appendPlainText(line);
}
