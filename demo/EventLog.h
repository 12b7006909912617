#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <QVariantList>

namespace zev {
class ZEVControlWidget;
}

// The panel that shows the controls' events as they are raised, with their
// arguments, and what the demo's handlers answered.
class EventLog : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EventLog(QWidget* parent = nullptr);

    // Logs every event of the control, under its object name.
    void watch(zev::ZEVControlWidget& control);
    void note(const QString& line);
    const QStringList& lines() const { return lines_; }
    // The events logged so far, as "control.Event"; eventsSince(eventCount()) marks a step.
    int eventCount() const { return int(events_.size()); }
    QStringList eventsSince(int from) const;

private:
    void add(const QString& line, const QString& event = QString());
    QStringList lines_;
    QStringList events_;
};
