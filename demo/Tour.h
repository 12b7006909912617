#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class DemoForm;
class QDate;
class QPushButton;
class QWidget;

// Drives the demo form as a user would, with real key and mouse input, checks
// after each step that the form shows what it should, and writes a screenshot
// of each step. Used when no display is available, and by the test suite.
class Tour {
public:
    Tour(DemoForm& form, QString directory);
    // 0 when every step showed what it should.
    int run();

private:
    using Check = std::function<QStringList()>; // the problems found, none when right
    void step(const QString& name, const QString& title, const std::function<void()>& act, const Check& check);
    void screenshot(const QString& name);
    // Clicks into the edit (at its start, or its end), types the text, then presses key.
    void typeCode(QWidget& edit, const QString& text, int key, bool clickAtEnd = false);
    QPushButton& button(const QString& name) const;
    void click(QWidget& widget);
    // The order searches, checked against figures the tour works out from
    // the generated orders themselves; then the results' table, the export,
    // the event log and the window's size.
    void searchSteps(const QDate& today);

    DemoForm& form_;
    QString directory_;
    int failures_ = 0;
    int number_ = 0;
    QStringList messages_;
};
