#include "qt/ZEVPersistComboWidget.h"

#include "framework/ComboBox.h"
#include "persistcombo/ZEVPersistCombo.h"
#include "qt/QtFonts.h"
#include "qt/ZEVControlWidget_p.h"

#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <memory>

namespace zev {

namespace {
// The remove button's 16 x 16 icon: a red cross.
QIcon removeIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
    return QIcon(pixmap);
}

ComboBox& listing(const ZEVControlWidgetPrivate& d)
{
    auto* list = dynamic_cast<ComboBox*>(d.host->widget(QStringLiteral("cboListing")));
    if (!list)
        throw ControlError(ErrObjectRequired, QStringLiteral("no list cboListing"));
    return *list;
}
} // namespace

ZEVPersistComboWidget::ZEVPersistComboWidget(QWidget* parent) : ZEVControlWidget(ZEVPersistCombo::descriptor(), parent)
{
    ZEVControlWidgetPrivate& p = d();
    p.bindEvent(this, qOverload<>(&ZEVPersistComboWidget::AddItem));
    p.bindEvent(this, qOverload<>(&ZEVPersistComboWidget::RemoveItem));
    p.bindEvent(this, &ZEVPersistComboWidget::CodeChange);
    p.bindEvent(this, &ZEVPersistComboWidget::DescChange);
    p.bindEvent(this, &ZEVPersistComboWidget::Search);
    p.bindEvent(this, &ZEVPersistComboWidget::Load);
    p.bindEvent(this, &ZEVPersistComboWidget::Unload);
    // itemAdded and itemRemoved come right after the documented events, with
    // the index as it was when the event was raised: a handler of the event
    // may change the list again.
    const auto addItem = p.typed.value(ZEVPersistCombo::EvAddItem);
    p.typed.insert(ZEVPersistCombo::EvAddItem, [this, addItem](QVariantList& arguments) {
        const int index = listing(d()).NewIndex();
        addItem(arguments);
        Q_EMIT itemAdded(index);
    });
    // The list's contract tells no removed index: the combo's model does.
    auto removedAt = std::make_shared<int>(-1);
    if (QComboBox* list = ControlListing())
        connect(list->model(), &QAbstractItemModel::rowsRemoved, this,
                [removedAt](const QModelIndex&, int first, int) { *removedAt = first; });
    const auto removeItem = p.typed.value(ZEVPersistCombo::EvRemoveItem);
    p.typed.insert(ZEVPersistCombo::EvRemoveItem, [this, removeItem, removedAt](QVariantList& arguments) {
        const int index = *removedAt;
        removeItem(arguments);
        Q_EMIT itemRemoved(index);
    });
    p.applyEnabled = [this](bool enabled) { persistCombo().setEnabled(enabled); };
    p.controlEnabled = [this] { return persistCombo().Enabled(); };
    p.stretchingParts = {QStringLiteral("txtDescription"), QStringLiteral("cboListing")};
    // The description (and the list) take the width a layout gives.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (QPushButton* remove = ControlRemoveItem()) {
        remove->setIcon(removeIcon());
        remove->setIconSize(QSize(16, 16));
    }
}

ZEVPersistCombo& ZEVPersistComboWidget::persistCombo() const { return static_cast<ZEVPersistCombo&>(control()); }

QLineEdit* ZEVPersistComboWidget::ControlCode() const { return qobject_cast<QLineEdit*>(d().part(QStringLiteral("txtCode"))); }

QLineEdit* ZEVPersistComboWidget::ControlDescription() const { return qobject_cast<QLineEdit*>(d().part(QStringLiteral("txtDescription"))); }

QPushButton* ZEVPersistComboWidget::ControlSearch() const { return qobject_cast<QPushButton*>(d().part(QStringLiteral("cmdSearch"))); }

QComboBox* ZEVPersistComboWidget::ControlListing() const { return qobject_cast<QComboBox*>(d().part(QStringLiteral("cboListing"))); }

QPushButton* ZEVPersistComboWidget::ControlRemoveItem() const { return qobject_cast<QPushButton*>(d().part(QStringLiteral("cmdRemoveItem"))); }

bool ZEVPersistComboWidget::AllowItemDuplication() const { return persistCombo().AllowItemDuplication(); }

void ZEVPersistComboWidget::setAllowItemDuplication(bool allowItemDuplication)
{
    d().attempt([&] { persistCombo().setAllowItemDuplication(allowItemDuplication); });
}

ZEVControlWidget::AppearanceStyle ZEVPersistComboWidget::Appearance() const { return AppearanceStyle(persistCombo().Appearance()); }

void ZEVPersistComboWidget::setAppearance(AppearanceStyle appearance)
{
    d().attempt([&] { persistCombo().setAppearance(qint32(appearance)); });
}

QString ZEVPersistComboWidget::Code() const { return persistCombo().Code(); }

void ZEVPersistComboWidget::setCode(const QString& code)
{
    d().attempt([&] { persistCombo().setCode(code); });
}

QColor ZEVPersistComboWidget::CodeBackColor() const { return ZEVControlWidgetPrivate::toQColor(persistCombo().CodeBackColor()); }

void ZEVPersistComboWidget::setCodeBackColor(const QColor& codeBackColor)
{
    d().writeColor(QStringLiteral("CodeBackColor"), codeBackColor, [this](OleColor c) { persistCombo().setCodeBackColor(c); });
}

QFont ZEVPersistComboWidget::CodeFont() const { return ZEVControlWidgetPrivate::toQFont(persistCombo().CodeFont()); }

void ZEVPersistComboWidget::setCodeFont(const QFont& codeFont)
{
    d().writeFont(codeFont, persistCombo().CodeFont(), [this](const FontDesc& f) { persistCombo().setCodeFont(f); });
}

QColor ZEVPersistComboWidget::CodeForeColor() const { return ZEVControlWidgetPrivate::toQColor(persistCombo().CodeForeColor()); }

void ZEVPersistComboWidget::setCodeForeColor(const QColor& codeForeColor)
{
    d().writeColor(QStringLiteral("CodeForeColor"), codeForeColor, [this](OleColor c) { persistCombo().setCodeForeColor(c); });
}

int ZEVPersistComboWidget::CodeMaxLength() const { return persistCombo().CodeMaxLength(); }

void ZEVPersistComboWidget::setCodeMaxLength(int codeMaxLength)
{
    d().attempt([&] { persistCombo().setCodeMaxLength(ZEVControlWidgetPrivate::toInteger(codeMaxLength)); });
}

int ZEVPersistComboWidget::CodeSize() const { return persistCombo().CodeSize(); }

void ZEVPersistComboWidget::setCodeSize(int codeSize)
{
    d().attempt([&] { persistCombo().setCodeSize(ZEVControlWidgetPrivate::toInteger(codeSize)); });
}

QString ZEVPersistComboWidget::Description() const { return persistCombo().Description(); }

void ZEVPersistComboWidget::setDescription(const QString& description)
{
    d().attempt([&] { persistCombo().setDescription(description); });
}

QFont ZEVPersistComboWidget::DescriptionFont() const { return ZEVControlWidgetPrivate::toQFont(persistCombo().DescriptionFont()); }

void ZEVPersistComboWidget::setDescriptionFont(const QFont& descriptionFont)
{
    d().writeFont(descriptionFont, persistCombo().DescriptionFont(), [this](const FontDesc& f) { persistCombo().setDescriptionFont(f); });
}

QColor ZEVPersistComboWidget::DescriptionBackColor() const { return ZEVControlWidgetPrivate::toQColor(persistCombo().DescriptionBackColor()); }

void ZEVPersistComboWidget::setDescriptionBackColor(const QColor& descriptionBackColor)
{
    d().writeColor(QStringLiteral("DescriptionBackColor"), descriptionBackColor, [this](OleColor c) { persistCombo().setDescriptionBackColor(c); });
}

QColor ZEVPersistComboWidget::DescriptionForeColor() const { return ZEVControlWidgetPrivate::toQColor(persistCombo().DescriptionForeColor()); }

void ZEVPersistComboWidget::setDescriptionForeColor(const QColor& descriptionForeColor)
{
    d().writeColor(QStringLiteral("DescriptionForeColor"), descriptionForeColor, [this](OleColor c) { persistCombo().setDescriptionForeColor(c); });
}

QString ZEVPersistComboWidget::FieldPkey() const { return persistCombo().FieldPkey(); }

void ZEVPersistComboWidget::setFieldPkey(const QString& fieldPkey)
{
    d().attempt([&] { persistCombo().setFieldPkey(fieldPkey); });
}

bool ZEVPersistComboWidget::FillZeros() const { return persistCombo().FillZeros(); }

void ZEVPersistComboWidget::setFillZeros(bool fillZeros)
{
    d().attempt([&] { persistCombo().setFillZeros(fillZeros); });
}

bool ZEVPersistComboWidget::FontBold() const { return persistCombo().FontBold(); }

void ZEVPersistComboWidget::setFontBold(bool fontBold)
{
    d().attempt([&] { persistCombo().setFontBold(fontBold); });
}

bool ZEVPersistComboWidget::FontItalic() const { return persistCombo().FontItalic(); }

void ZEVPersistComboWidget::setFontItalic(bool fontItalic)
{
    d().attempt([&] { persistCombo().setFontItalic(fontItalic); });
}

bool ZEVPersistComboWidget::FontStrikethrough() const { return persistCombo().FontStrikethrough(); }

void ZEVPersistComboWidget::setFontStrikethrough(bool fontStrikethrough)
{
    d().attempt([&] { persistCombo().setFontStrikethrough(fontStrikethrough); });
}

int ZEVPersistComboWidget::FontSize() const { return persistCombo().FontSize(); }

void ZEVPersistComboWidget::setFontSize(int fontSize)
{
    d().attempt([&] { persistCombo().setFontSize(qint32(fontSize)); });
}

bool ZEVPersistComboWidget::FontUnderline() const { return persistCombo().FontUnderline(); }

void ZEVPersistComboWidget::setFontUnderline(bool fontUnderline)
{
    d().attempt([&] { persistCombo().setFontUnderline(fontUnderline); });
}

bool ZEVPersistComboWidget::Loaded() const { return persistCombo().Loaded(); }

void ZEVPersistComboWidget::setLoaded(bool loaded)
{
    d().attempt([&] { persistCombo().setLoaded(loaded); });
}

bool ZEVPersistComboWidget::Locked() const { return persistCombo().Locked(); }

void ZEVPersistComboWidget::setLocked(bool locked)
{
    d().attempt([&] { persistCombo().setLocked(locked); });
}

bool ZEVPersistComboWidget::ShowF3() const { return persistCombo().ShowF3(); }

void ZEVPersistComboWidget::setShowF3(bool showF3)
{
    d().attempt([&] { persistCombo().setShowF3(showF3); });
}

bool ZEVPersistComboWidget::ShowCodeInCombo() const { return persistCombo().ShowCodeInCombo(); }

void ZEVPersistComboWidget::setShowCodeInCombo(bool showCodeInCombo)
{
    d().attempt([&] { persistCombo().setShowCodeInCombo(showCodeInCombo); });
}

void ZEVPersistComboWidget::About()
{
    d().attempt([this] { persistCombo().About(); });
}

void ZEVPersistComboWidget::Clear()
{
    d().attempt([this] { persistCombo().Clear(); });
}

void ZEVPersistComboWidget::ForceSearch(zev::eSource source)
{
    d().attempt([this, source]() mutable { persistCombo().ForceSearch(source); });
}

void ZEVPersistComboWidget::AddItem(const QString& description, const QString& primaryKey, const QString& code, qint32 index)
{
    d().attempt([&] { persistCombo().AddItem(description, primaryKey, code, index); });
}

void ZEVPersistComboWidget::RemoveItem(qint32 index)
{
    d().attempt([&] { persistCombo().RemoveItem(index); });
}

QString ZEVPersistComboWidget::GetCode(qint16 index) const { return persistCombo().GetCode(index); }

QString ZEVPersistComboWidget::GetDescription(qint16 index) const { return persistCombo().GetDescription(index); }

QString ZEVPersistComboWidget::GetPkey(qint16 index) const { return persistCombo().GetPkey(index); }

int ZEVPersistComboWidget::count() const
{
    const ComboBox* list = persistCombo().ControlListing();
    return list ? list->ListCount() : 0;
}

QStringList ZEVPersistComboWidget::items() const
{
    QStringList entries;
    listing(d()).forEachItem([&](const QString* texts, qint32 n) {
        for (qint32 i = 0; i < n; ++i)
            entries.append(texts[i]);
        return true;
    });
    return entries;
}

void ZEVPersistComboWidget::setItems(const QStringList& entries)
{
    d().attempt([&] {
        // A mapper writes a record's list again when it refreshes: leave an equal list (and its selection) be.
        if (entries == items())
            return;
        // The host's own fill of the list: a record's entries are loaded, not added by the user.
        ComboBox& list = listing(d());
        list.Clear();
        for (const QString& entry : entries)
            list.AddItem(entry);
        list.setListIndex(list.ListCount() - 1);
    });
}

} // namespace zev
