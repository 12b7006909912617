#pragma once

#include <QTextEdit>
#include <QStringList>
#include <QVariantList>

namespace zev {
class ZEVControlWidget;
}

// The panel that shows the controls' events as they are raised, with their
// arguments, and what the demo's handlers answered. It follows new lines
// while the user has it scrolled to the end, and stays where the user
// scrolled otherwise. A line too long for the panel wraps under its own
// start: events hang, notes keep their indent.
class EventLog : public QTextEdit {
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

    // True while the view keeps the newest line in sight.
    bool following() const { return following_; }

private:
    void add(const QString& line, const QString& event = QString());
    bool following_ = true;
    QStringList lines_;
    QStringList events_;
};
