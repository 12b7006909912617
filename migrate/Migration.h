#pragma once

#include "migrate/UiForm.h"

#include <QString>
#include <QStringList>

namespace zev {

// One run of the tool over some form files: each form read, converted and
// written to DIR/NAME.ui (and NAME.h/.cpp with handlers) through a file
// written aside and renamed, so a form that fails leaves nothing behind.
class Migration {
public:
    struct Options {
        QString outputDir = QStringLiteral(".");
        bool handlers = false;
        bool layouts = false;
        QString encoding = QStringLiteral("windows-1252");
    };
    // What one form gave: a line for stdout and the findings, or an error for stderr.
    struct Result {
        bool ok = false;
        QString summary;        // "frmX.frm -> out/frmX.ui: 12 controls (...)"
        QStringList findings;   // "frmX.frm:42: message"
        QString error;          // "frmX.frm:7: message"
        QStringList written;    // files written
    };

    explicit Migration(Options options) : options_(std::move(options)) {}
    Result run(const QString& formPath);

private:
    Options options_;
    QStringList formsWritten_; // NAME.ui of this run, so two forms of one name do not overwrite each other
};

} // namespace zev
