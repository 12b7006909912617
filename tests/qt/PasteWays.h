#pragma once

// The ways a user puts text into an edit box other than typing: the paste
// keys, the context menu's Paste and a drop.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <functional>
#include <utility>
#include <vector>
#include <gtest/gtest.h>

namespace zev::testing {

using PasteWay = std::pair<const char*, std::function<void(QLineEdit* edit, const QString& text)>>;

inline std::vector<PasteWay> pasteWays()
{
    // The paste keys and the menu take the clipboard's text.
    auto key = [](Qt::Key k, Qt::KeyboardModifier m) {
        return [=](QLineEdit* edit, const QString& text) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(edit, k, m);
        };
    };
    return {
        {"Ctrl+V", key(Qt::Key_V, Qt::ControlModifier)},
        {"Shift+Insert", key(Qt::Key_Insert, Qt::ShiftModifier)},
        {"context menu",
         [](QLineEdit* edit, const QString& text) {
             QGuiApplication::clipboard()->setText(text);
             QContextMenuEvent open(QContextMenuEvent::Keyboard, QPoint(4, 4), edit->mapToGlobal(QPoint(4, 4)));
             QCoreApplication::sendEvent(edit, &open);
             QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
             for (QAction* action : menu->actions())
                 if (action->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Paste")))
                     action->trigger();
             menu->close();
         }},
        {"drop",
         [](QLineEdit* edit, const QString& text) {
             QMimeData data;
             data.setText(text);
             const QPoint at = edit->rect().center();
             QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(edit, &enter); // makes the edit the drop's target
             QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(edit, &drop);
             EXPECT_TRUE(drop.isAccepted());
             QCoreApplication::processEvents(); // what a field does once the drop is over
         }},
    };
}

} // namespace zev::testing
