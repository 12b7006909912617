#include "migrate/UiWriter.h"

#include <QColor>
#include <QFont>
#include <QMetaType>
#include <QSize>
#include <QXmlStreamWriter>

namespace zev {

namespace {

class Writer {
public:
    explicit Writer(QByteArray* out) : xml(out) { xml.setAutoFormatting(true); xml.setAutoFormattingIndent(1); }

    void form(const UiForm& f)
    {
        xml.writeStartDocument();
        xml.writeStartElement(QStringLiteral("ui"));
        xml.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
        xml.writeTextElement(QStringLiteral("class"), f.className);
        widget(f.root, true);
        if (!f.customClasses.isEmpty()) {
            xml.writeStartElement(QStringLiteral("customwidgets"));
            for (const QString& c : f.customClasses) {
                xml.writeStartElement(QStringLiteral("customwidget"));
                xml.writeTextElement(QStringLiteral("class"), c);
                xml.writeTextElement(QStringLiteral("extends"), QStringLiteral("QWidget"));
                // zev::ZEVNumericWidget lives in qt/ZEVNumericWidget.h.
                xml.writeTextElement(QStringLiteral("header"), QStringLiteral("qt/") + c.section(QStringLiteral("::"), -1) + QStringLiteral(".h"));
                xml.writeEndElement();
            }
            xml.writeEndElement();
        }
        if (f.tabOrder.size() > 1) {
            xml.writeStartElement(QStringLiteral("tabstops"));
            for (const QString& name : f.tabOrder)
                xml.writeTextElement(QStringLiteral("tabstop"), name);
            xml.writeEndElement();
        }
        xml.writeEmptyElement(QStringLiteral("resources"));
        xml.writeEmptyElement(QStringLiteral("connections"));
        xml.writeEndElement();
        xml.writeEndDocument();
    }

private:
    void widget(const UiWidget& w, bool top, bool inLayout = false)
    {
        xml.writeStartElement(QStringLiteral("widget"));
        xml.writeAttribute(QStringLiteral("class"), w.className);
        xml.writeAttribute(QStringLiteral("name"), w.name);
        if (!inLayout || top)
            property({QStringLiteral("geometry"), w.geometry});
        for (const UiProperty& p : w.properties)
            property(p);
        if (!w.buddy.isEmpty()) {
            xml.writeStartElement(QStringLiteral("property"));
            xml.writeAttribute(QStringLiteral("name"), QStringLiteral("buddy"));
            xml.writeTextElement(QStringLiteral("cstring"), w.buddy);
            xml.writeEndElement();
        }
        for (const QString& item : w.items) {
            xml.writeStartElement(QStringLiteral("item"));
            property({QStringLiteral("text"), item, true, false});
            xml.writeEndElement();
        }
        if (w.layout) {
            QList<const UiWidget*> placed;
            layout(*w.layout, w, placed);
            if (placed.size() != qsizetype(w.children.size()))
                throw std::logic_error("a layout must hold every child of its widget once");
        } else {
            for (const UiWidget& c : w.children)
                widget(c, false);
        }
        xml.writeEndElement();
    }

    void layout(const UiLayout& l, const UiWidget& owner, QList<const UiWidget*>& placed)
    {
        xml.writeStartElement(QStringLiteral("layout"));
        xml.writeAttribute(QStringLiteral("class"), l.className);
        xml.writeAttribute(QStringLiteral("name"), l.name);
        int spacer = 0;
        for (const UiLayoutItem& item : l.items) {
            xml.writeStartElement(QStringLiteral("item"));
            if (item.row >= 0) {
                xml.writeAttribute(QStringLiteral("row"), QString::number(item.row));
                xml.writeAttribute(QStringLiteral("column"), QString::number(item.column));
                if (item.rowSpan > 1)
                    xml.writeAttribute(QStringLiteral("rowspan"), QString::number(item.rowSpan));
                if (item.columnSpan > 1)
                    xml.writeAttribute(QStringLiteral("colspan"), QString::number(item.columnSpan));
            }
            switch (item.kind) {
            case UiLayoutItem::Widget: {
                const UiWidget* child = nullptr;
                for (const UiWidget& c : owner.children) {
                    if (c.name == item.widget)
                        child = &c;
                }
                if (!child || placed.contains(child))
                    throw std::logic_error("a layout item names no child, or one already placed");
                placed.append(child);
                widget(*child, false, true);
                break;
            }
            case UiLayoutItem::Layout:
                layout(*item.layout, owner, placed);
                break;
            case UiLayoutItem::Spacer: {
                xml.writeStartElement(QStringLiteral("spacer"));
                xml.writeAttribute(QStringLiteral("name"), l.name + QStringLiteral("_spacer") + QString::number(spacer++));
                const bool horizontal = item.spacerOrientation == Qt::Horizontal;
                property({QStringLiteral("orientation"),
                          QVariant::fromValue(UiEnum{horizontal ? QStringLiteral("Qt::Horizontal") : QStringLiteral("Qt::Vertical")})});
                property({QStringLiteral("sizeHint"), horizontal ? QSize(40, 20) : QSize(20, 40), false});
                xml.writeEndElement();
                break;
            }
            }
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }

    void property(const UiProperty& p)
    {
        xml.writeStartElement(QStringLiteral("property"));
        xml.writeAttribute(QStringLiteral("name"), p.name);
        if (!p.stdset)
            xml.writeAttribute(QStringLiteral("stdset"), QStringLiteral("0"));
        value(p);
        xml.writeEndElement();
    }

    void value(const UiProperty& p)
    {
        const QVariant& v = p.value;
        if (v.userType() == qMetaTypeId<UiEnum>()) {
            xml.writeTextElement(QStringLiteral("enum"), v.value<UiEnum>().value);
            return;
        }
        if (v.userType() == qMetaTypeId<UiPixmap>()) {
            xml.writeTextElement(QStringLiteral("pixmap"), v.value<UiPixmap>().path);
            return;
        }
        if (v.userType() == qMetaTypeId<UiSet>()) {
            xml.writeTextElement(QStringLiteral("set"), v.value<UiSet>().value);
            return;
        }
        switch (v.userType()) {
        case QMetaType::Bool:
            xml.writeTextElement(QStringLiteral("bool"), v.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
            break;
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::Long:
        case QMetaType::LongLong:
            xml.writeTextElement(QStringLiteral("number"), QString::number(v.toLongLong()));
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            xml.writeTextElement(QStringLiteral("double"), QString::number(v.toDouble(), 'g', 17));
            break;
        case QMetaType::QRect: {
            const QRect r = v.toRect();
            xml.writeStartElement(QStringLiteral("rect"));
            xml.writeTextElement(QStringLiteral("x"), QString::number(r.x()));
            xml.writeTextElement(QStringLiteral("y"), QString::number(r.y()));
            xml.writeTextElement(QStringLiteral("width"), QString::number(r.width()));
            xml.writeTextElement(QStringLiteral("height"), QString::number(r.height()));
            xml.writeEndElement();
            break;
        }
        case QMetaType::QSize: {
            const QSize s = v.toSize();
            xml.writeStartElement(QStringLiteral("size"));
            xml.writeTextElement(QStringLiteral("width"), QString::number(s.width()));
            xml.writeTextElement(QStringLiteral("height"), QString::number(s.height()));
            xml.writeEndElement();
            break;
        }
        case QMetaType::QColor: {
            const QColor c = v.value<QColor>();
            xml.writeStartElement(QStringLiteral("color"));
            xml.writeTextElement(QStringLiteral("red"), QString::number(c.red()));
            xml.writeTextElement(QStringLiteral("green"), QString::number(c.green()));
            xml.writeTextElement(QStringLiteral("blue"), QString::number(c.blue()));
            xml.writeEndElement();
            break;
        }
        case QMetaType::QFont: {
            const QFont f = v.value<QFont>();
            xml.writeStartElement(QStringLiteral("font"));
            xml.writeTextElement(QStringLiteral("family"), f.family());
            if (f.pointSize() > 0)
                xml.writeTextElement(QStringLiteral("pointsize"), QString::number(f.pointSize()));
            if (f.bold())
                xml.writeTextElement(QStringLiteral("bold"), QStringLiteral("true"));
            if (f.italic())
                xml.writeTextElement(QStringLiteral("italic"), QStringLiteral("true"));
            if (f.underline())
                xml.writeTextElement(QStringLiteral("underline"), QStringLiteral("true"));
            if (f.strikeOut())
                xml.writeTextElement(QStringLiteral("strikeout"), QStringLiteral("true"));
            xml.writeEndElement();
            break;
        }
        case QMetaType::QStringList: {
            xml.writeStartElement(QStringLiteral("stringlist"));
            for (const QString& s : v.toStringList())
                xml.writeTextElement(QStringLiteral("string"), s);
            xml.writeEndElement();
            break;
        }
        case QMetaType::QByteArray:
            xml.writeTextElement(QStringLiteral("cstring"), QString::fromUtf8(v.toByteArray()));
            break;
        default: {
            xml.writeStartElement(QStringLiteral("string"));
            if (!p.translatable)
                xml.writeAttribute(QStringLiteral("notr"), QStringLiteral("true"));
            xml.writeCharacters(v.toString());
            xml.writeEndElement();
            break;
        }
        }
    }

    QXmlStreamWriter xml;
};

} // namespace

QByteArray UiWriter::write(const UiForm& form)
{
    QByteArray out;
    Writer(&out).form(form);
    return out;
}

} // namespace zev
