#include "migrate/Migration.h"

#include "migrate/FormConverter.h"
#include "migrate/FormReadError.h"
#include "migrate/FrmReader.h"
#include "migrate/HandlerWriter.h"
#include "migrate/LayoutPlanner.h"
#include "migrate/UiWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <map>
#include <memory>

namespace zev {

namespace {

// Larger than any form the legacy designer writes; refused before it is read.
constexpr qint64 MaxFormSize = qint64(64) * 1024 * 1024;

// A file of the legacy host's folder: its file system ignored case, so a
// form may name "FORM1.FRX" for form1.frx.
QString findIgnoringCase(const QDir& dir, const QString& name)
{
    if (QFileInfo::exists(dir.filePath(name)))
        return dir.filePath(name);
    const QString want = QFileInfo(name).fileName();
    for (const QString& entry : dir.entryList(QDir::Files)) {
        if (entry.compare(want, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return QString();
}

// Writes aside and renames on commit; an uncommitted file vanishes.
class Output {
public:
    void add(const QString& path, const QByteArray& data)
    {
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly) || file->write(data) != data.size())
            throw FormReadError(path, 0, QStringLiteral("cannot write: %1").arg(file->errorString()));
        files_.push_back(std::move(file));
    }
    QStringList commit()
    {
        QStringList written;
        for (auto& f : files_) {
            if (!f->commit())
                throw FormReadError(f->fileName(), 0, QStringLiteral("cannot write: %1").arg(f->errorString()));
            written << f->fileName();
        }
        files_.clear();
        return written;
    }

private:
    std::vector<std::unique_ptr<QSaveFile>> files_;
};

} // namespace

Migration::Result Migration::run(const QString& formPath)
{
    Result result;
    const QString shown = QDir::cleanPath(formPath);
    try {
        QFile file(formPath);
        if (!file.open(QIODevice::ReadOnly))
            throw FormReadError(shown, 0, QStringLiteral("cannot read: %1").arg(file.errorString()));
        if (file.size() > MaxFormSize)
            throw FormReadError(shown, 0, QStringLiteral("larger than %1 MB: not a form file").arg(MaxFormSize >> 20));
        const LegacyForm legacy = FrmReader::read(file.readAll(), shown, options_.encoding);

        MigrationReport report;
        const QDir formDir = QFileInfo(formPath).absoluteDir();
        std::map<QString, std::unique_ptr<FrxFile>> sideFiles;
        const FormConverter::SideFiles loadSideFile = [&](const QString& name, int line) -> const FrxFile* {
            const QString key = name.toLower();
            auto it = sideFiles.find(key);
            if (it == sideFiles.end()) {
                std::unique_ptr<FrxFile> frx;
                const QString path = findIgnoringCase(formDir, name);
                QFile f(path);
                if (path.isEmpty())
                    report.add(line, QStringLiteral("side file %1 not found beside the form").arg(name));
                else if (!f.open(QIODevice::ReadOnly))
                    report.add(line, QStringLiteral("side file %1 cannot be read: %2").arg(name, f.errorString()));
                else
                    frx = std::make_unique<FrxFile>(f.read(MaxFormSize), name, options_.encoding);
                it = sideFiles.emplace(key, std::move(frx)).first;
            }
            return it->second.get();
        };
        Output output;
        const QDir outDir(options_.outputDir);
        const FormConverter::SavePicture savePicture = [&](const QString& suggested, const QByteArray& data) {
            output.add(outDir.filePath(suggested), data);
            return suggested;
        };
        UiForm ui = FormConverter::convert(legacy, loadSideFile, savePicture, report);
        if (formsWritten_.contains(ui.className, Qt::CaseInsensitive))
            throw FormReadError(shown, legacy.form.line,
                                QStringLiteral("a form named %1 was converted earlier in this run; not overwritten").arg(ui.className));
        if (options_.layouts)
            LayoutPlanner::apply(ui, report);
        output.add(outDir.filePath(ui.className + QStringLiteral(".ui")), UiWriter::write(ui));
        if (options_.handlers) {
            const HandlerWriter::Sources sources = HandlerWriter::write(legacy, ui, report);
            output.add(outDir.filePath(ui.className + QStringLiteral(".h")), sources.header.toUtf8());
            output.add(outDir.filePath(ui.className + QStringLiteral(".cpp")), sources.source.toUtf8());
        }
        result.written = output.commit();
        formsWritten_ << ui.className;
        result.ok = true;
        const int qtOnly = report.converted - report.ours;
        result.summary = QStringLiteral("%1 -> %2: %3 controls (%4 ZEVSuiteControls, %5 Qt, %6 placeholders), %7 findings")
                             .arg(shown, QDir::cleanPath(outDir.filePath(ui.className + QStringLiteral(".ui"))))
                             .arg(report.converted + report.placeholders)
                             .arg(report.ours)
                             .arg(qtOnly)
                             .arg(report.placeholders)
                             .arg(report.findings.size());
        std::stable_sort(report.findings.begin(), report.findings.end(),
                         [](const MigrationReport::Finding& a, const MigrationReport::Finding& b) { return a.line < b.line; });
        for (const MigrationReport::Finding& f : report.findings)
            result.findings << QStringLiteral("%1:%2: %3").arg(shown).arg(f.line).arg(f.message);
    } catch (const FormReadError& e) {
        result.error = QString::fromUtf8(e.what());
    } catch (const std::exception& e) {
        result.error = QStringLiteral("%1:0: %2").arg(shown, QString::fromUtf8(e.what()));
    }
    return result;
}

} // namespace zev
