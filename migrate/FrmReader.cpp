#include "migrate/FrmReader.h"

#include "migrate/FormReadError.h"
#include "migrate/Windows1252.h"

#include <QRegularExpression>

namespace zev {

namespace {

// Compiled once: a form has a line of words per object and property group.
const QRegularExpression& blanks()
{
    static const QRegularExpression re(QStringLiteral("\\s+"));
    return re;
}

bool startsWithWord(const QString& line, QLatin1String word)
{
    return line.startsWith(word, Qt::CaseInsensitive)
        && (line.size() == word.size() || line.at(word.size()).isSpace());
}

// The text before a ' that is outside quotes, and the comment after it.
void splitComment(const QString& text, QString* value, QString* comment)
{
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char('\'') && !quoted) {
            *value = text.left(i).trimmed();
            *comment = text.mid(i + 1).trimmed();
            return;
        }
    }
    *value = text.trimmed();
    comment->clear();
}

class Reader {
public:
    Reader(QStringList lines, QString path) : lines_(std::move(lines)), path_(std::move(path)) {}

    LegacyForm read()
    {
        LegacyForm form;
        form.path = path_;
        skipBlank();
        if (at_ >= lines_.size() || !startsWithWord(current(), QLatin1String("VERSION")))
            fail(std::min(at_, lines_.size() - 1) + 1, QStringLiteral("not a form file: the first line is not VERSION"));
        form.version = current().mid(7).trimmed();
        ++at_;
        bool sawForm = false;
        while (at_ < lines_.size()) {
            const QString line = current();
            if (line.isEmpty()) {
                ++at_;
            } else if (startsWithWord(line, QLatin1String("Object"))) {
                const qsizetype eq = line.indexOf(QLatin1Char('='));
                if (eq < 0)
                    fail(at_ + 1, QStringLiteral("an Object line without ="));
                form.objectLibraries.append(line.mid(eq + 1).trimmed());
                ++at_;
            } else if (startsWithWord(line, QLatin1String("Begin")) && !sawForm) {
                form.form = readObject(0);
                sawForm = true;
                if (form.form.library.compare(QLatin1String("VB"), Qt::CaseInsensitive) != 0
                    || (form.form.className.compare(QLatin1String("Form"), Qt::CaseInsensitive) != 0
                        && form.form.className.compare(QLatin1String("MDIForm"), Qt::CaseInsensitive) != 0)) {
                    fail(form.form.line, QStringLiteral("the outer block is %1, not a form")
                                             .arg(form.form.qualifiedClass()));
                }
            } else if (sawForm) {
                break;
            } else {
                fail(at_ + 1, QStringLiteral("expected Begin VB.Form, found \"%1\"").arg(line.left(60)));
            }
        }
        if (!sawForm)
            fail(lines_.size(), QStringLiteral("the file holds no form block"));
        readCode(form);
        return form;
    }

private:
    QString current() const { return lines_.at(at_).trimmed(); }
    void skipBlank()
    {
        while (at_ < lines_.size() && current().isEmpty())
            ++at_;
    }
    [[noreturn]] void fail(qsizetype line, const QString& message) const
    {
        throw FormReadError(path_, int(line), message);
    }

    LegacyObject readObject(int depth)
    {
        if (depth >= FrmReader::MaxDepth)
            fail(at_ + 1, QStringLiteral("blocks nested more than %1 deep").arg(FrmReader::MaxDepth));
        LegacyObject object;
        object.line = int(at_ + 1);
        const QStringList words = current().split(blanks(), Qt::SkipEmptyParts);
        const qsizetype dot = words.size() == 3 ? words.at(1).indexOf(QLatin1Char('.')) : -1;
        if (dot <= 0 || dot == words.at(1).size() - 1)
            fail(object.line, QStringLiteral("expected Begin Library.Class name, found \"%1\"").arg(current().left(60)));
        object.library = words.at(1).left(dot);
        object.className = words.at(1).mid(dot + 1);
        object.name = words.at(2);
        ++at_;
        while (true) {
            if (at_ >= lines_.size())
                fail(object.line, QStringLiteral("Begin %1 %2 has no End").arg(object.qualifiedClass(), object.name));
            const QString line = current();
            if (line.isEmpty()) {
                ++at_;
            } else if (line.compare(QLatin1String("End"), Qt::CaseInsensitive) == 0) {
                ++at_;
                return object;
            } else if (startsWithWord(line, QLatin1String("Begin"))) {
                object.children.append(readObject(depth + 1));
            } else if (startsWithWord(line, QLatin1String("BeginProperty"))) {
                object.groups.append(readGroup(depth + 1));
            } else {
                object.properties.append(readProperty());
            }
        }
    }

    LegacyGroup readGroup(int depth)
    {
        if (depth >= FrmReader::MaxDepth)
            fail(at_ + 1, QStringLiteral("blocks nested more than %1 deep").arg(FrmReader::MaxDepth));
        LegacyGroup group;
        group.line = int(at_ + 1);
        const QStringList words = current().split(blanks(), Qt::SkipEmptyParts);
        if (words.size() < 2 || words.size() > 3)
            fail(group.line, QStringLiteral("expected BeginProperty Name [{GUID}]"));
        group.name = words.at(1);
        if (words.size() == 3)
            group.guid = words.at(2);
        ++at_;
        while (true) {
            if (at_ >= lines_.size())
                fail(group.line, QStringLiteral("BeginProperty %1 has no EndProperty").arg(group.name));
            const QString line = current();
            if (line.isEmpty()) {
                ++at_;
            } else if (line.compare(QLatin1String("EndProperty"), Qt::CaseInsensitive) == 0) {
                ++at_;
                return group;
            } else if (startsWithWord(line, QLatin1String("BeginProperty"))) {
                group.groups.append(readGroup(depth + 1));
            } else if (startsWithWord(line, QLatin1String("Begin")) || line.compare(QLatin1String("End"), Qt::CaseInsensitive) == 0) {
                fail(at_ + 1, QStringLiteral("%1 inside BeginProperty %2 (line %3)")
                                  .arg(line.left(40), group.name).arg(group.line));
            } else {
                group.properties.append(readProperty());
            }
        }
    }

    LegacyProperty readProperty()
    {
        const QString line = current();
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            fail(at_ + 1, QStringLiteral("expected Key = value, found \"%1\"").arg(line.left(60)));
        LegacyProperty p;
        p.line = int(at_ + 1);
        p.name = line.left(eq).trimmed();
        if (p.name.contains(QLatin1Char(' ')) || p.name.contains(QLatin1Char('"')))
            fail(p.line, QStringLiteral("\"%1\" is not a property name").arg(p.name.left(40)));
        p.value = FrmReader::parseValue(line.mid(eq + 1), path_, p.line);
        ++at_;
        return p;
    }

    void readCode(LegacyForm& form)
    {
        // Attribute lines first, then the code.
        while (at_ < lines_.size()) {
            const QString line = current();
            if (line.isEmpty()) {
                ++at_;
                continue;
            }
            if (!startsWithWord(line, QLatin1String("Attribute")))
                break;
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq < 0)
                fail(at_ + 1, QStringLiteral("an Attribute line without ="));
            const LegacyValue v = FrmReader::parseValue(line.mid(eq + 1), path_, int(at_ + 1));
            form.attributes.append({line.mid(10, eq - 10).trimmed(), v.text});
            ++at_;
        }
        form.codeLine = int(at_ + 1);
        for (qsizetype i = at_; i < lines_.size(); ++i)
            form.code.append(lines_.at(i));
        readProcedures(form);
    }

    void readProcedures(LegacyForm& form)
    {
        static const QRegularExpression header(
            QStringLiteral("^(?:(?:Private|Public|Friend)\\s+)?(?:Static\\s+)?(Sub|Function|Property\\s+(?:Get|Let|Set))\\s+"
                           "([A-Za-z_][A-Za-z0-9_]*)\\s*\\((.*)\\)"),
            QRegularExpression::CaseInsensitiveOption);
        for (qsizetype i = 0; i < form.code.size(); ++i) {
            QString head = form.code.at(i).trimmed();
            const qsizetype first = i;
            // A header continued over lines ending in " _".
            while (head.endsWith(QLatin1String(" _")) && i + 1 < form.code.size())
                head = head.chopped(1) + form.code.at(++i).trimmed();
            const QRegularExpressionMatch m = header.match(head);
            if (!m.hasMatch())
                continue;
            const QString kind = m.captured(1).section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
            LegacyProcedure p;
            p.name = m.captured(2);
            p.arguments = m.captured(3).trimmed();
            p.header = head;
            p.line = int(form.codeLine + first);
            const QString end = QStringLiteral("End ") + kind;
            qsizetype j = i + 1;
            for (; j < form.code.size(); ++j) {
                QString body, comment;
                splitComment(form.code.at(j), &body, &comment);
                if (body.simplified().compare(end, Qt::CaseInsensitive) == 0)
                    break;
            }
            if (j >= form.code.size())
                fail(p.line, QStringLiteral("%1 %2 has no %3").arg(kind, p.name, end));
            p.body = form.code.mid(i + 1, j - i - 1);
            if (kind.compare(QLatin1String("Property"), Qt::CaseInsensitive) != 0) {
                const qsizetype us = p.name.lastIndexOf(QLatin1Char('_'));
                if (us > 0 && us < p.name.size() - 1) {
                    p.control = p.name.left(us);
                    p.event = p.name.mid(us + 1);
                }
                form.procedures.append(p);
            }
            i = j;
        }
    }

    QStringList lines_;
    QString path_;
    qsizetype at_ = 0;
};

} // namespace

LegacyValue FrmReader::parseValue(const QString& text, const QString& path, int line)
{
    LegacyValue v;
    QString value;
    splitComment(text, &value, &v.comment);
    v.text = value;
    if (value.isEmpty())
        throw FormReadError(path, line, QStringLiteral("a key without a value"));

    static const QRegularExpression sideFile(QStringLiteral("^(\\$?)\"([^\"]+)\":([0-9A-Fa-f]{1,8})$"));
    if (const QRegularExpressionMatch m = sideFile.match(value); m.hasMatch()) {
        v.kind = LegacyValue::SideFile;
        v.dollar = !m.captured(1).isEmpty();
        v.sideFile = m.captured(2);
        v.offset = m.captured(3).toUInt(nullptr, 16);
        return v;
    }
    if (value.startsWith(QLatin1Char('"'))) {
        QString s;
        qsizetype i = 1;
        for (; i < value.size(); ++i) {
            if (value.at(i) == QLatin1Char('"')) {
                if (i + 1 < value.size() && value.at(i + 1) == QLatin1Char('"')) {
                    s.append(QLatin1Char('"'));
                    ++i;
                } else {
                    break;
                }
            } else {
                s.append(value.at(i));
            }
        }
        if (i >= value.size())
            throw FormReadError(path, line, QStringLiteral("a string without its closing quote"));
        if (i != value.size() - 1)
            throw FormReadError(path, line, QStringLiteral("text after a string: \"%1\"").arg(value.mid(i + 1).left(40)));
        v.kind = LegacyValue::String;
        v.text = s;
        return v;
    }
    static const QRegularExpression hex(QStringLiteral("^&H([0-9A-Fa-f]{1,8})&?$"));
    if (const QRegularExpressionMatch m = hex.match(value); m.hasMatch()) {
        v.kind = LegacyValue::Color;
        v.color = m.captured(1).toUInt(nullptr, 16);
        v.number = double(v.color);
        return v;
    }
    static const QRegularExpression number(QStringLiteral("^[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d{1,3})?$"));
    if (number.match(value).hasMatch()) {
        v.kind = LegacyValue::Number;
        v.number = value.toDouble();
        return v;
    }
    v.kind = LegacyValue::Word;
    return v;
}

LegacyForm FrmReader::read(const QByteArray& bytes, const QString& path, const QString& encoding)
{
    QString text = Windows1252::decodeAs(bytes, encoding);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& l : lines) {
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    }
    return Reader(std::move(lines), path).read();
}

} // namespace zev
