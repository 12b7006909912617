#include "designer/ZEVDesignerPlugin.h"

#include "codedescription/ZEVCodeDescription.h"
#include "daterange/ZEVDateRange.h"
#include "descriptiononly/ZEVDescriptionOnly.h"
#include "framework/ClassDescriptor.h"
#include "framework/LibraryIdentity.h"
#include "numeric/ZEVNumeric.h"
#include "persistcombo/ZEVPersistCombo.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QBitmap>
#include <QIcon>
#include <QImage>
#include <QMetaProperty>
#include <QPixmap>

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
     &ZEVNumeric::descriptor, &make<ZEVNumericWidget>, &ZEVNumericWidget::staticMetaObject},
    {"zev::ZEVCodeDescriptionWidget", "qt/ZEVCodeDescriptionWidget.h",
     "Lookup field: code box, F3 button and description panel",
     "A lookup field. F3, Enter or the F3 button raise Search; the host looks the record up, sets "
     "Description and hands back its primary key.",
     &ZEVCodeDescription::descriptor, &make<ZEVCodeDescriptionWidget>, &ZEVCodeDescriptionWidget::staticMetaObject},
    {"zev::ZEVDescriptionOnlyWidget", "qt/ZEVDescriptionOnlyWidget.h",
     "Lookup field on the description text, with an F3 button",
     "A lookup field without a code box: the user types (part of) a description and searches "
     "with Enter, F3 or the F3 button; the host answers Search.",
     &ZEVDescriptionOnly::descriptor, &make<ZEVDescriptionOnlyWidget>, &ZEVDescriptionOnlyWidget::staticMetaObject},
    {"zev::ZEVPersistComboWidget", "qt/ZEVPersistComboWidget.h",
     "Lookup row above a list that collects the records found",
     "A lookup row (code, F3, description) above a list: Enter in the description adds the record "
     "found to the list, with a duplicate check and a remove button.",
     &ZEVPersistCombo::descriptor, &make<ZEVPersistComboWidget>, &ZEVPersistComboWidget::staticMetaObject},
    {"zev::ZEVDateRangeWidget", "qt/ZEVDateRangeWidget.h",
     "Date range: start and end pickers with 18 preset periods",
     "A period selector: a combo of 18 preset periods (today, this week, this month, past and "
     "coming spans of days) above a start and an end date picker.",
     &ZEVDateRange::descriptor, &make<ZEVDateRangeWidget>, &ZEVDateRangeWidget::staticMetaObject},
};

} // namespace

ZEVDesignerWidget::ZEVDesignerWidget(const Entry& entry, QObject* parent) : QObject(parent), entry_(entry) {}

QString ZEVDesignerWidget::name() const { return QString::fromLatin1(entry_.widgetClass); }

QString ZEVDesignerWidget::group() const { return QStringLiteral("ZEV Suite Controls"); }

QString ZEVDesignerWidget::toolTip() const { return QString::fromUtf8(entry_.toolTip); }

QString ZEVDesignerWidget::whatsThis() const { return QString::fromUtf8(entry_.whatsThis); }

QString ZEVDesignerWidget::includeFile() const { return QString::fromLatin1(entry_.header); }

QString ZEVDesignerWidget::controlName() const { return entry_.descriptor().className; }

QString ZEVDesignerWidget::imagePath() const
{
    const ClassIdentity* identity = LibraryIdentity::FindClass(controlName());
    return QStringLiteral(":/zev/designer/%1.bmp").arg(identity ? identity->toolboxImage : 0);
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
    Q_UNUSED(core);
    initialized_ = true;
}

QString ZEVDesignerWidget::domXml() const
{
    const QString objectName = QStringLiteral("zev") + controlName().mid(3); // zevNumeric
    // The text properties hold data (codes, descriptions, formats, field
    // names), not texts to translate: untranslatable, so that uic sets them
    // in setupUi and a retranslation never writes them again.
    QString strings;
    const QMetaObject* meta = entry_.meta;
    for (int i = ZEVControlWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
        if (meta->property(i).metaType().id() == QMetaType::QString)
            strings += QStringLiteral("    <stringpropertyspecification name=\"%1\" notr=\"true\" type=\"singleline\"/>\n")
                           .arg(QLatin1String(meta->property(i).name()));
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
