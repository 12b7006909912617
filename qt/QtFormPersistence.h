#pragma once

#include "framework/MemoryPropertyBag.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QString>
#include <QStringList>

class QWidget;

namespace zev {

class ZEVControlWidget;

// Saves the design-time properties of every control on a form (each
// ZEVControlWidget among the form's descendants, under its object name) to a
// JSON file and loads them back, through the controls' own WriteProperties
// and ReadProperties: defaults are not stored, a key absent from the file
// reads as its default, and each control reads its keys in its own order.
//
// Every value keeps its type through a tag: Integer (qint16), Long (qint32),
// Single (float), Double, Boolean, String, Font. A file that is not a saved
// form, holds a value that does not fit its tag, or a value its control
// refuses (tried first on a scratch control of the class), is refused as a
// whole with ControlError 321 and a description naming the place, before any
// control is touched; a file that cannot be read or written fails with 53 or
// 75. A form is never left half loaded.
class QtFormPersistence {
public:
    // What a load found besides the controls it loaded.
    struct LoadResult {
        QStringList loaded;        // controls read from the file
        QStringList notInFile;     // controls of the form the file does not name: read with all defaults
        QStringList notOnForm;     // controls of the file the form does not have: ignored
    };

    static QJsonObject toJson(const QWidget& form);
    static LoadResult fromJson(QWidget& form, const QJsonObject& document, const QString& source = QString());
    static void save(const QWidget& form, const QString& path);
    static LoadResult load(QWidget& form, const QString& path);

    // One property value as tagged JSON, and back. encode fails with 13 for a
    // type a property bag does not hold; decode with 321 for a malformed value.
    static QJsonObject encode(const QVariant& value);
    static QVariant decode(const QJsonValue& value, const QString& where);

    // The controls a form saves, by object name; fails with 5 for a control
    // without a name or two controls of the same name.
    static QMap<QString, ZEVControlWidget*> controlsOf(const QWidget& form);

    // Largest file load accepts.
    static constexpr qint64 MaxFileSize = qint64(16) * 1024 * 1024;
};

} // namespace zev
