#include "designer/ZEVDesignerPlugin.h"

#include "designer/ZEVTaskMenu.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

#include <QBitmap>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QMetaProperty>
#include <QPixmap>
#include <QPointer>

namespace zev {

namespace {

// A refused value is reported, not thrown: the caller is Qt's meta-object system.
template <typename W>
ZEVControlWidget* make(QWidget* parent)
{
    auto* w = new W(parent);
    w->setReportsFailures(true);
    return w;
}

const ZEVDesignerWidget::Entry entries[] = {
    {"zev::ZEVNumericWidget", "qt/ZEVNumericWidget.h",
     "Numeric field: standard, currency or custom format, coloured by sign",
     "A one-line numeric entry field. It keeps its text readable as a number, shows it in the "
     "Standard, Currency or a custom format, colours it by sign and can refuse negative numbers.",
     "ZEVNumeric", 30004, &make<ZEVNumericWidget>, &ZEVNumericWidget::staticMetaObject},
    {"zev::ZEVCodeDescriptionWidget", "qt/ZEVCodeDescriptionWidget.h",
     "Lookup field: code box, F3 button and description panel",
     "A lookup field. F3, Enter or the F3 button raise Search; the host looks the record up, sets "
     "Description and hands back its primary key.",
     "ZEVCodeDescription", 30003, &make<ZEVCodeDescriptionWidget>, &ZEVCodeDescriptionWidget::staticMetaObject},
    {"zev::ZEVDescriptionOnlyWidget", "qt/ZEVDescriptionOnlyWidget.h",
     "Lookup field on the description text, with an F3 button",
     "A lookup field without a code box: the user types (part of) a description and searches "
     "with Enter, F3 or the F3 button; the host answers Search.",
     "ZEVDescriptionOnly", 30002, &make<ZEVDescriptionOnlyWidget>, &ZEVDescriptionOnlyWidget::staticMetaObject},
    {"zev::ZEVPersistComboWidget", "qt/ZEVPersistComboWidget.h",
     "Lookup row above a list that collects the records found",
     "A lookup row (code, F3, description) above a list: Enter in the description adds the record "
     "found to the list, with a duplicate check and a remove button.",
     "ZEVPersistCombo", 30001, &make<ZEVPersistComboWidget>, &ZEVPersistComboWidget::staticMetaObject},
    {"zev::ZEVDateRangeWidget", "qt/ZEVDateRangeWidget.h",
     "Date range: start and end pickers with 18 preset periods",
     "A period selector: a combo of 18 preset periods (today, this week, this month, past and "
     "coming spans of days) above a start and an end date picker.",
     "ZEVDateRange", 30000, &make<ZEVDateRangeWidget>, &ZEVDateRangeWidget::staticMetaObject},
};

// What each documented property does, for the property editor's tooltips.
QString propertyToolTip(const QString& property)
{
    static const QHash<QString, QString> tips = {
        {QStringLiteral("Appearance"), QStringLiteral("Flat or ThreeD borders of the parts")},
        {QStringLiteral("AllowNegative"), QStringLiteral("Whether a negative number may be typed")},
        {QStringLiteral("BackColor"), QStringLiteral("Background colour of the field")},
        {QStringLiteral("ForeColorPositive"), QStringLiteral("Text colour while the value is above zero")},
        {QStringLiteral("ForeColorNegative"), QStringLiteral("Text colour while the value is below zero")},
        {QStringLiteral("ForeColorZero"), QStringLiteral("Text colour while the value is zero")},
        {QStringLiteral("Format"),
         QStringLiteral("Standard (1.234,50), Currency (R$ 1.234,50) or the CustomFormat pattern; "
                        "right-click, Editar formato… to preview")},
        {QStringLiteral("Locked"), QStringLiteral("Shown and focusable, but not editable")},
        {QStringLiteral("StartZero"), QStringLiteral("Start with 0 instead of an empty field")},
        {QStringLiteral("Text"), QStringLiteral("The number, in the locale's notation (1234,5)")},
        {QStringLiteral("CustomFormat"),
         QStringLiteral("A pattern such as #,##0.00;(#,##0.00); refused when it would show the value as a "
                        "text that is not a number")},
        {QStringLiteral("Code"), QStringLiteral("The code typed or found")},
        {QStringLiteral("Description"), QStringLiteral("The description of the record found")},
        {QStringLiteral("FieldPkey"), QStringLiteral("The name of the key field, for the host's Search")},
        {QStringLiteral("FillZeros"), QStringLiteral("Fill the code with zeros on the left up to CodeMaxLength")},
        {QStringLiteral("CodeMaxLength"), QStringLiteral("Most characters of the code (0 to 25; 0 is no limit)")},
        {QStringLiteral("CodeSize"), QStringLiteral("Width of the code box, in characters (1 to 25)")},
        {QStringLiteral("ShowF3"), QStringLiteral("Show the F3 search button")},
        {QStringLiteral("AllowItemDuplication"), QStringLiteral("Whether the same record may be added twice")},
        {QStringLiteral("ShowCodeInCombo"), QStringLiteral("Show the code before the description in the list")},
        {QStringLiteral("period"),
         QStringLiteral("The preset period chosen at start; right-click, Ver períodos de hoje… to preview")},
    };
    if (const auto it = tips.constFind(property); it != tips.constEnd())
        return it.value();
    if (property.endsWith(QLatin1String("Color")))
        return QStringLiteral("Colour of a part of the control");
    if (property.contains(QLatin1String("Font")))
        return QStringLiteral("Font of a part of the control");
    return QString();
}

} // namespace

ZEVDesignerWidget::ZEVDesignerWidget(const Entry& entry, QObject* parent) : QObject(parent), entry_(entry) {}

QString ZEVDesignerWidget::name() const { return QString::fromLatin1(entry_.widgetClass); }

QString ZEVDesignerWidget::group() const { return QStringLiteral("ZEV Suite Controls"); }

QString ZEVDesignerWidget::toolTip() const { return QString::fromUtf8(entry_.toolTip); }

QString ZEVDesignerWidget::whatsThis() const { return QString::fromUtf8(entry_.whatsThis); }

QString ZEVDesignerWidget::includeFile() const { return QString::fromLatin1(entry_.header); }

QString ZEVDesignerWidget::controlName() const { return QString::fromLatin1(entry_.control); }

QString ZEVDesignerWidget::imagePath() const
{
    return QStringLiteral(":/zev/designer/%1.bmp").arg(entry_.toolboxImage);
}

QIcon ZEVDesignerWidget::icon() const
{
    QPixmap image(imagePath());
    if (image.isNull())
        return QIcon();
    // As toolbox bitmaps are drawn: the lower-left pixel's colour is the background.
    const QColor background = image.toImage().pixelColor(0, image.height() - 1);
    image.setMask(image.createMaskFromColor(background, Qt::MaskInColor));
    return QIcon(image);
}

QWidget* ZEVDesignerWidget::createWidget(QWidget* parent)
{
    return entry_.create(parent);
}

void ZEVDesignerWidget::initialize(QDesignerFormEditorInterface* core)
{
    if (initialized_)
        return;
    initialized_ = true;
    // Once per Designer: the task menus and the property groups.
    static QPointer<QDesignerFormEditorInterface> extended;
    if (!core || extended == core)
        return;
    extended = core;
    if (QExtensionManager* manager = core->extensionManager())
        manager->registerExtensions(new ZEVTaskMenuFactory(manager), Q_TYPEID(QDesignerTaskMenuExtension));
    installPropertyGroups(core);
}

QString ZEVDesignerWidget::domXml() const
{
    const QString objectName = QStringLiteral("zev") + controlName().mid(3); // zevNumeric
    // The text properties hold data (codes, descriptions, formats, field
    // names), not texts to translate: untranslatable, so that uic sets them
    // in setupUi and a retranslation never writes them again.
    QString strings;
    const QMetaObject* meta = entry_.meta;
    for (int i = ZEVControlWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString name = QLatin1String(property.name());
        if (property.metaType().id() == QMetaType::QString)
            strings += QStringLiteral("    <stringpropertyspecification name=\"%1\" notr=\"true\" type=\"singleline\"/>\n")
                           .arg(name);
        // The property editor shows these as the properties' tooltips.
        const QString tip = propertyToolTip(name);
        if (property.isDesignable() && !tip.isEmpty())
            strings += QStringLiteral("    <tooltip name=\"%1\">%2</tooltip>\n").arg(name, tip.toHtmlEscaped());
    }
    return QStringLiteral("<ui language=\"c++\" displayname=\"%1\">\n"
                          " <widget class=\"%2\" name=\"%3\"/>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>%2</class>\n"
                          "   <propertyspecifications>\n%4"
                          "   </propertyspecifications>\n"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(controlName(), name(), objectName, strings);
}

ZEVDesignerPlugin::ZEVDesignerPlugin(QObject* parent) : QObject(parent)
{
    for (const auto& entry : entries)
        widgets_.append(new ZEVDesignerWidget(entry, this));
}

} // namespace zev
