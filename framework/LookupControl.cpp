#include "framework/LookupControl.h"

#include "framework/ControlError.h"
#include "framework/KeyCodes.h"
#include "framework/LookupProperties.h"
#include "framework/VariantConvert.h"
#include "framework/modFunctions.h"

#include <QHash>
#include <utility>

namespace zev {

LookupControl::LookupControl(ControlHost& host) : Control(host) {}

LookupControl::~LookupControl()
{
    // The host owns the widgets and may outlive this control: nothing of ours may answer them afterwards.
    for (Widget* w : widgets_)
        w->clearHandlers();
}

void LookupControl::attach(Parts parts)
{
    searchBox_ = parts.searchBox;
    codeBox_ = parts.codeBox;
    if (searchBox_)
        searchBox_->onKeyDown = [this](qint16& KeyCode, qint16& Shift) { searchBox_KeyDown(KeyCode, Shift); };
    widgets_ = std::move(parts.widgets);
    boxes_ = std::move(parts.boxes);
    plainParts_ = std::move(parts.plainParts);
    fonts_ = std::move(parts.fonts);
    descriptionFont_ = parts.descriptionFont;
    if (codeBox_)
        codeColours_ = colourPart(*codeBox_);
    descriptionColours_ = std::move(parts.descriptionColours);
    descriptionWhiteWhenLocked_ = parts.descriptionWhiteWhenLocked;
}

// ---- Persisted properties ------------------------------------------------------

void LookupControl::InitProperties()
{
    const PersistedProperties& p = persisted();
    for (size_t i : p.initOrder)
        p.properties[i].load(*this, p.properties[i].defaultValue);
}

void LookupControl::ReadProperties(PropertyBag& bag)
{
    const PersistedProperties& p = persisted();
    for (size_t i : p.readOrder) {
        const PersistedProperty& property = p.properties[i];
        property.load(*this, bag.ReadProperty(property.key, property.font ? property.save(*this)
                                                                          : property.defaultValue));
    }
}

void LookupControl::WriteProperties(PropertyBag& bag)
{
    const PersistedProperties& p = persisted();
    for (size_t i : p.writeOrder) {
        const PersistedProperty& property = p.properties[i];
        bag.WriteProperty(property.key, property.save(*this), property.defaultValue);
    }
}

lookup::Properties lookup::ordered(std::vector<Property> properties, const QString& initOrder,
                                   const QString& readOrder, const QString& writeOrder)
{
    QHash<QString, size_t> index;
    for (size_t i = 0; i < properties.size(); ++i)
        index.insert(properties[i].key, i);
    auto order = [&index](const QString& keys) {
        std::vector<size_t> indices;
        for (const QString& key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            Q_ASSERT_X(index.contains(key), "lookup::ordered", qPrintable(key));
            indices.push_back(index.value(key));
        }
        return indices;
    };
    Properties result;
    result.initOrder = order(initOrder);
    result.readOrder = order(readOrder);
    result.writeOrder = order(writeOrder);
    result.properties = std::move(properties);
    return result;
}

// ---- Properties every lookup has -----------------------------------------------

qint32 LookupControl::Appearance() const { return searchBox_->Appearance(); }

bool LookupControl::Enabled() const { return searchBox_->Enabled(); }

void LookupControl::setEnabled(bool bValor)
{
    for (Widget* w : widgets_)
        w->setEnabled(bValor);
    for (const Box& box : boxes_)
        box.colours.setBackColor(bValor ? *box.setting : Colors::ButtonFace);
    if (!bValor)
        for (const auto& setBackColor : plainParts_)
            setBackColor(Colors::ButtonFace);
    host_.PropertyChanged(QStringLiteral("Enabled"));
}

bool LookupControl::Locked() const { return searchBox_->Locked(); }

void LookupControl::setLocked(bool bValor)
{
    searchBox_->setLocked(bValor);
    for (const Box& box : boxes_)
        box.colours.setBackColor(bValor ? box.lockedColour : *box.setting);
    if (bValor)
        for (const auto& setBackColor : plainParts_)
            setBackColor(Colors::White);
}

void LookupControl::setFieldPkey(const QString& sValor)
{
    fieldPkey_ = sValor;
    host_.PropertyChanged(QStringLiteral("FieldPkey"));
}

void LookupControl::setEveryFont(void (Font::*set)(bool), bool value, const QString& key)
{
    for (Font* font : fonts_)
        (font->*set)(value);
    host_.PropertyChanged(key);
}

bool LookupControl::FontBold() const { return fonts_.front()->Bold(); }

void LookupControl::setFontBold(bool bValor) { setEveryFont(&Font::setBold, bValor, QStringLiteral("FontBold")); }

bool LookupControl::FontItalic() const { return fonts_.front()->Italic(); }

void LookupControl::setFontItalic(bool bValor) { setEveryFont(&Font::setItalic, bValor, QStringLiteral("FontItalic")); }

bool LookupControl::FontStrikethrough() const { return fonts_.front()->Strikethrough(); }

void LookupControl::setFontStrikethrough(bool bValor) { setEveryFont(&Font::setStrikethrough, bValor, QStringLiteral("FontStrikethrough")); }

bool LookupControl::FontUnderline() const { return fonts_.front()->Underline(); }

void LookupControl::setFontUnderline(bool bValor) { setEveryFont(&Font::setUnderline, bValor, QStringLiteral("FontUnderline")); }

qint32 LookupControl::FontSize() const { return VariantConvert::toLong(QVariant(fonts_.front()->Size())); }

void LookupControl::setFontSize(qint32 lValor)
{
    for (Font* font : fonts_)
        font->setSize(lValor);
    host_.PropertyChanged(QStringLiteral("FontSize"));
}

void LookupControl::setShowF3(bool bValor)
{
    showF3_ = bValor;
    arrangeSearchButton(bValor);
    host_.PropertyChanged(QStringLiteral("ShowF3"));
}

qint16 LookupControl::narrowAppearance(qint32 value) { return VariantConvert::toInteger(QVariant(value)); }

WidgetDesign LookupControl::searchButtonDesign(float left)
{
    WidgetDesign d = WidgetDesign::make(QStringLiteral("cmdSearch"), WidgetKind::PushButton, left, 0, 375, 255,
                                        FontDesc{QStringLiteral("Tahoma"), 8.25}.bolded(), QStringLiteral("F3"));
    d.focusOnClick = false; // a click searches what was just typed
    return d;
}

lookup::Members lookup::members(const QString& accessors, const QString& properties, const QString& methods)
{
    Members result;
    const std::pair<const QString*, MemberKind> groups[] = {
        {&accessors, MemberKind::WidgetAccessor}, {&properties, MemberKind::Property}, {&methods, MemberKind::Method}};
    for (const auto& [names, kind] : groups)
        for (const QString& name : names->split(QLatin1Char(' '), Qt::SkipEmptyParts))
            result.push_back({name, kind});
    return result;
}

std::vector<EventInfo> lookup::events(const QString& leading, const QStringList& unloadArguments)
{
    std::vector<std::pair<QString, QStringList>> declarations;
    for (const QString& name : leading.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        declarations.push_back({name, {}});
    declarations.push_back(
        {QStringLiteral("Search"), {QStringLiteral("PrimaryKey"), QStringLiteral("Success"), QStringLiteral("Source")}});
    declarations.push_back({QStringLiteral("Load"), {}});
    declarations.push_back({QStringLiteral("Unload"), unloadArguments});
    return buildEventTable(declarations);
}

// ---- Colours ---------------------------------------------------------------------

void LookupControl::applyBackColor(const ColourPart& part, OleColor& setting, OleColor value, bool whiteWhenLocked,
                                   bool faceWhenDisabled, const QString& key)
{
    setting = value;
    part.setBackColor(value);
    if (whiteWhenLocked && Locked())
        part.setBackColor(Colors::White);
    if (faceWhenDisabled && !Enabled())
        part.setBackColor(Colors::ButtonFace);
    host_.PropertyChanged(key);
}

void LookupControl::applyForeColor(const ColourPart& part, OleColor value, const QString& key)
{
    part.setForeColor(value);
    host_.PropertyChanged(key);
}

// ---- Code box and description part -------------------------------------------

QString LookupControl::Code() const { return codeBox_->Text(); }

OleColor LookupControl::CodeBackColor() const { return codeBox_->BackColor(); }

void LookupControl::setCodeBackColor(OleColor ocValor)
{
    applyBackColor(codeColours_, codeBackColorSetting_, ocValor, true, true, QStringLiteral("CodeBackColor"));
}

Font& LookupControl::CodeFont() { return codeBox_->font(); }

OleColor LookupControl::CodeForeColor() const { return codeBox_->ForeColor(); }

void LookupControl::setCodeForeColor(OleColor ocValor)
{
    applyForeColor(codeColours_, ocValor, QStringLiteral("CodeForeColor"));
}

qint16 LookupControl::CodeMaxLength() const { return VariantConvert::toInteger(QVariant(codeBox_->MaxLength())); }

OleColor LookupControl::DescriptionBackColor() const { return descriptionColours_.backColor(); }

void LookupControl::setDescriptionBackColor(OleColor ocValor)
{
    applyBackColor(descriptionColours_, descriptionBackColorSetting_, ocValor, descriptionWhiteWhenLocked_, true,
                   QStringLiteral("DescriptionBackColor"));
}

Font& LookupControl::DescriptionFont() { return *descriptionFont_; }

OleColor LookupControl::DescriptionForeColor() const { return descriptionColours_.foreColor(); }

void LookupControl::setDescriptionForeColor(OleColor ocValor)
{
    applyForeColor(descriptionColours_, ocValor, QStringLiteral("DescriptionForeColor"));
}

// ---- The search ------------------------------------------------------------------

bool LookupControl::beginSearch(qint16 KeyCode, eSource& source)
{
    if (KeyCode == KeyCodes::Return)
        source = Enter;
    else if (KeyCode == KeyCodes::F3)
        source = F3;
    else
        return false;

    if (fillZeros_) {
        const qint16 length = CodeMaxLength();
        const ePos_ position = Before;
        codeBox_->setText(modFunctions::FillWithZeros(codeBox_->Text(), length, position));
    }
    return true;
}

bool LookupControl::searchFromKey(qint16 KeyCode, int searchEvent, SearchAnswer& answer, QString* keyHolder)
{
    eSource source;
    if (!beginSearch(KeyCode, source))
        return false;
    answer = raiseSearch(searchEvent, source, keyHolder);
    return true;
}

bool LookupControl::takeAnswer(const SearchAnswer& answer, int loadEvent)
{
    if (answer.success) {
        loaded_ = true;
        primaryKey_ = answer.primaryKey;
        host_.RaiseEvent(loadEvent);
        return true;
    }
    clearDescription();
    loaded_ = false;
    primaryKey_.clear();
    return false;
}

LookupControl::SearchAnswer LookupControl::raiseSearch(int searchEvent, eSource source, QString* keyHolder)
{
    QVariantList arguments{std::exchange(offeredKey_, QString()), false, qint32(source)};
    host_.RaiseEvent(searchEvent, arguments);
    // A handler may leave any type in the slots (or drop them): read them as the container would.
    SearchAnswer answer;
    answer.primaryKey = VariantConvert::toString(arguments.value(0));
    if (keyHolder)
        *keyHolder = answer.primaryKey;
    answer.success = VariantConvert::toBoolean(arguments.value(1));
    return answer;
}

void LookupControl::forceSearch(eSource Source)
{
    qint16 shift = 0;
    qint16 keyCode;
    if (Source == Enter)
        keyCode = KeyCodes::Return;
    else if (Source == F3)
        keyCode = KeyCodes::F3;
    else
        return;
    searchBox_KeyDown(keyCode, shift);
}

void LookupControl::searchAsF3()
{
    qint16 keyCode = KeyCodes::F3;
    qint16 shift = 0;
    searchBox_KeyDown(keyCode, shift);
}

void LookupControl::searchWithKey(const QString& primaryKey)
{
    offeredKey_ = primaryKey;
    struct Forget {
        QString& key;
        ~Forget() { key.clear(); } // a search that failed before raising Search offers it to no later one
    } forget{offeredKey_};
    searchAsF3();
}

void LookupControl::selectAll(FlatEdit& edit)
{
    edit.setSelStart(0);
    edit.setSelLength(qint32(edit.Text().size()));
}

void LookupControl::writeBackKeepingCaret(FlatEdit& box, const std::function<void(const QString&)>& write)
{
    const QString typed = box.Text();
    const qint32 start = box.SelStart();
    const qint32 length = box.SelLength();
    write(typed);
    if (box.Text() == typed) {
        box.setSelStart(start);
        box.setSelLength(length);
    }
}

void CodeLookupControl::applyCodeFont(const Font& font)
{
    lookup::copyCodeFont(codeBox_->font(), font);
    host_.PropertyChanged(QStringLiteral("CodeFont"));
}

void CodeLookupControl::applyCodeSize(qint16 size, float unit)
{
    codeBox_->setWidth(float(size) * unit);
    Resize();
    host_.PropertyChanged(QStringLiteral("CodeSize"));
}

} // namespace zev
