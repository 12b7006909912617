#include "persistcombo/ZEVPersistCombo.h"

#include "framework/ControlError.h"
#include "framework/KeyCodes.h"
#include "framework/LookupProperties.h"
#include "framework/VariantConvert.h"
#include "framework/frmAbout.h"
#include "framework/modFunctions.h"

#include <algorithm>

namespace zev {

namespace {

QString duplicateWarning() { return QStringLiteral("ATENÇÃO! Este item já foi adicionado na lista de filtro."); }
constexpr int MsgBoxExclamation = 48;
constexpr QChar Space = QLatin1Char(' ');

// Blanks are spaces only, as the hosts' own trimming treats them.
QStringView trimSpaces(QStringView s) { return modFunctions::TrimSpaces(s); }

QString trimmed(QStringView s) { return trimSpaces(s).toString(); }

// Whether text, with its first `cut` characters cut off and the rest trimmed,
// equals key (already trimmed). Works from the end of the text so that the gap
// of spaces before a key is read only when the key itself matches; an entry
// shorter than `cut` leaves nothing to compare, as an empty tail. The cheap,
// predictable tests come first: the duplicate test runs this on every entry.
bool tailEqualsKey(QStringView text, qsizetype cut, QStringView key)
{
    if (text.isEmpty()) // no pointer arithmetic on a null text
        return key.isEmpty();
    const QChar* const start = text.data() + qMin(cut, text.size());
    const QChar* end = text.data() + text.size();
    while (end > start && *(end - 1) == Space)
        --end;
    const qsizetype keyLength = key.size();
    if (end - start < keyLength)
        return false;
    const QChar* const keyStart = end - keyLength;
    // A trimmed key starts with a non-blank, so whatever stands before it must be blank.
    if (keyStart > start && *(keyStart - 1) != Space)
        return false;
    if (!std::equal(keyStart, end, key.data()))
        return false;
    return std::all_of(start, keyStart, [](QChar c) { return c == Space; });
}

template <typename W>
W& widgetOfDesign(ControlHost& host, size_t index)
{
    return createWidget<W>(host, ZEVPersistCombo::Design().widgets.at(index));
}

} // namespace

const ControlDesign& ZEVPersistCombo::Design()
{
    static const ControlDesign d = [] {
        const FontDesc tahoma{QStringLiteral("Tahoma"), 8.25};
        const FontDesc courier{QStringLiteral("Courier New"), 8.25};
        ControlDesign c;
        c.width = 4275;
        c.height = 720;
        c.font = tahoma;
        // Tab order.
        c.widgets = {
            WidgetDesign::make(QStringLiteral("txtCode"), WidgetKind::FlatEdit, 0, 0, 915, 285, tahoma),
            searchButtonDesign(960),
            WidgetDesign::make(QStringLiteral("txtDescription"), WidgetKind::FlatEdit, 1380, 0, 2835, 285, tahoma),
            WidgetDesign::make(QStringLiteral("cboListing"), WidgetKind::ComboBox, 0, 300, 3795, 330, courier),
            WidgetDesign::make(QStringLiteral("cmdRemoveItem"), WidgetKind::PushButton, 3840, 300, 375, 345, tahoma),
        };
        return c;
    }();
    return d;
}

const ClassDescriptor& ZEVPersistCombo::descriptor()
{
    static const ClassDescriptor d = lookup::descriptor<ZEVPersistCombo>(
        QStringLiteral("ZEVPersistCombo"), Design().width, Design().height,
        buildMemberTable(
            lookup::members(
                QStringLiteral("ControlCode ControlDescription ControlSearch ControlListing ControlRemoveItem"),
                QStringLiteral("AllowItemDuplication Appearance Code CodeBackColor CodeFont CodeForeColor CodeMaxLength CodeSize Description DescriptionBackColor DescriptionFont DescriptionForeColor Enabled FieldPkey FillZeros FontBold FontItalic FontStrikethrough FontUnderline FontSize Loaded Locked ShowF3 ShowCodeInCombo"),
                QStringLiteral("About Clear AddItem ForceSearch RemoveItem GetCode GetDescription GetPkey")),
            {{QStringLiteral("About"), DispId::AboutBox}}, {}),
        lookup::events(QStringLiteral("AddItem RemoveItem CodeChange DescChange"), {}), QStringLiteral("Search"));
    return d;
}

ZEVPersistCombo::ZEVPersistCombo(ControlHost& host)
    : CodeLookupControl(host), txtCode(widgetOfDesign<FlatEdit>(host, 0)), cmdSearch(widgetOfDesign<PushButton>(host, 1)),
      txtDescription(widgetOfDesign<FlatEdit>(host, 2)), cboListing(widgetOfDesign<ComboBox>(host, 3)),
      cmdRemoveItem(widgetOfDesign<PushButton>(host, 4))
{
    Parts parts;
    parts.searchBox = &txtCode;
    parts.codeBox = &txtCode;
    parts.widgets = {&txtCode, &cmdSearch, &txtDescription, &cboListing, &cmdRemoveItem};
    // The list keeps the button face when enabled again: only the two boxes have a colour setting.
    parts.boxes = {{colourPart(txtCode), &codeBackColorSetting_, Colors::White},
                   {colourPart(txtDescription), &descriptionBackColorSetting_, Colors::White}};
    parts.plainParts = {[this](OleColor c) { cboListing.setBackColor(c); }};
    parts.fonts = {&txtCode.font(), &txtDescription.font()};
    parts.descriptionFont = &txtDescription.font();
    parts.descriptionColours = colourPart(txtDescription);
    parts.descriptionWhiteWhenLocked = true;
    attach(std::move(parts));
    txtCode.onChange = [this] { txtCode_Change(); };
    txtCode.onGotFocus = [this] { txtCode_GotFocus(); };
    txtDescription.onKeyDown = [this](qint16& KeyCode, qint16& Shift) { txtDescription_KeyDown(KeyCode, Shift); };
    cmdSearch.onClick = [this] { searchAsF3(); };
    cmdRemoveItem.onClick = [this] { cmdRemoveItem_Click(); };
}

ZEVPersistCombo::~ZEVPersistCombo() = default;

// ---- Lifecycle ------------------------------------------------------------

void ZEVPersistCombo::Initialize() { linkParts(true); }

void ZEVPersistCombo::Terminate() { linkParts(false); }

// The Control... properties reach the parts from Initialize to Terminate.
void ZEVPersistCombo::linkParts(bool linked)
{
    ControlCode_ = linked ? &txtCode : nullptr;
    ControlDescription_ = linked ? &txtDescription : nullptr;
    ControlSearch_ = linked ? &cmdSearch : nullptr;
    ControlListing_ = linked ? &cboListing : nullptr;
    ControlRemoveItem_ = linked ? &cmdRemoveItem : nullptr;
}

void ZEVPersistCombo::Resize()
{
    // The first step that fails ends the layout; the widgets keep what they got so far.
    try {
        arrangeSearchButton(showF3_);
        const float rowHeight = host_.ScaleHeight() - Gap - cboListing.Height() - Gap;
        txtCode.setHeight(rowHeight);
        cmdSearch.setHeight(rowHeight);
        txtDescription.setHeight(rowHeight);
        cboListing.setTop(txtCode.Height() + Gap);
        cmdRemoveItem.setTop(txtCode.Height() + Gap);
    } catch (const ControlError&) {
    }
}

void ZEVPersistCombo::arrangeSearchButton(bool show)
{
    cmdSearch.setVisible(show);
    cmdSearch.setLeft(txtCode.Width() + Gap);
    if (show) {
        txtDescription.setLeft(txtCode.Width() + Gap + cmdSearch.Width() + Gap);
        if (txtCode.Width() - Gap - cmdSearch.Width() - Gap < host_.ScaleWidth())
            txtDescription.setWidth(host_.ScaleWidth() - Gap - txtCode.Width() - cmdSearch.Width() - Gap);
    } else {
        txtDescription.setWidth(host_.ScaleWidth() - txtCode.Width() - Gap);
        txtDescription.setLeft(txtCode.Width() + Gap);
    }
    cboListing.setWidth(host_.ScaleWidth() - cmdRemoveItem.Width() - Gap);
    cmdRemoveItem.setLeft(cboListing.Width() + Gap);
}

const LookupControl::PersistedProperties& ZEVPersistCombo::persisted() const
{
    using C = ZEVPersistCombo;
    static const PersistedProperties properties = [] {
        std::vector<lookup::Property> p;
        p.push_back(lookup::flag<C>(QStringLiteral("AllowItemDuplication"), false, &C::AllowItemDuplication,
                                    &C::setAllowItemDuplication));
        // Read as an Integer, stored as a Long, with an Integer default.
        p.push_back(lookup::property<C>(QStringLiteral("Appearance"), qint16(0), VariantConvert::toInteger,
                                        &C::Appearance, &C::setAppearance));
        lookup::addCodeRow<C>(p, Colors::White);
        lookup::addShared<C>(p);
        p.push_back(lookup::flag<C>(QStringLiteral("ShowCodeInCombo"), false, &C::ShowCodeInCombo, &C::setShowCodeInCombo));
        return lookup::ordered(
            std::move(p),
            QStringLiteral("AllowItemDuplication Appearance CodeBackColor CodeForeColor CodeSize CodeMaxLength DescriptionBackColor DescriptionForeColor Enabled FieldPkey FillZeros Locked Loaded Code Description ShowF3 ShowCodeInCombo"),
            QStringLiteral("AllowItemDuplication Appearance Code CodeBackColor CodeFont CodeForeColor CodeMaxLength CodeSize Description DescriptionFont DescriptionBackColor DescriptionForeColor Enabled FieldPkey FillZeros FontBold FontItalic FontStrikethrough FontSize FontUnderline Loaded Locked ShowF3 ShowCodeInCombo"),
            QStringLiteral("AllowItemDuplication Appearance Code CodeBackColor CodeFont CodeForeColor CodeSize CodeMaxLength Description DescriptionFont DescriptionBackColor DescriptionForeColor Enabled FieldPkey FillZeros FontBold FontItalic FontStrikethrough FontSize FontUnderline Loaded Locked ShowF3 ShowCodeInCombo"));
    }();
    return properties;
}

// ---- Properties -----------------------------------------------------------

void ZEVPersistCombo::setAppearance(qint32 eaValor)
{
    const qint16 appearance = narrowAppearance(eaValor);
    txtCode.setAppearance(appearance);
    cmdSearch.setAppearance(appearance);
    txtDescription.setAppearance(appearance);
    cboListing.setAppearance(appearance);
    cmdRemoveItem.setAppearance(appearance);
    host_.PropertyChanged(QStringLiteral("Appearance"));
}

void ZEVPersistCombo::setCode(const QString& sValor)
{
    txtCode.setText(sValor);
    host_.RaiseEvent(EvCodeChange);
    host_.PropertyChanged(QStringLiteral("Code"));
}

void ZEVPersistCombo::setCodeFont(const Font& fValor)
{
    applyCodeFont(fValor);
}

void ZEVPersistCombo::setCodeFont(const FontDesc& fValor)
{
    const Font source(fValor);
    setCodeFont(source);
}

void ZEVPersistCombo::setCodeMaxLength(qint16 iValor)
{
    // Only the upper bound is checked; the widget judges lower values itself.
    if (iValor > MaxCodeLength)
        return;
    txtCode.setMaxLength(iValor);
    host_.PropertyChanged(QStringLiteral("CodeMaxLength"));
}

qint16 ZEVPersistCombo::CodeSize() const
{
    return VariantConvert::toInteger(double(txtCode.Width()) / double(CodeCharWidth));
}

void ZEVPersistCombo::setCodeSize(qint16 iValor)
{
    if (iValor > MaxCodeLength)
        return;
    applyCodeSize(iValor, CodeCharWidth);
}

QString ZEVPersistCombo::Description() const { return txtDescription.Text(); }

void ZEVPersistCombo::setDescription(const QString& sValor)
{
    const QStringView value = trimSpaces(sValor);
    if (trimSpaces(txtDescription.Text()) == value)
        return;
    const QString text = value.toString();
    txtDescription.setText(text);
    host_.RaiseEvent(EvDescChange);
    if (!text.isEmpty()) {
        loaded_ = true;
        host_.RaiseEvent(EvLoad);
    }
    host_.PropertyChanged(QStringLiteral("Description"));
}

void ZEVPersistCombo::setDescriptionFont(const Font& fValor)
{
    lookup::copyDescriptionFont(txtDescription.font(), fValor);
    host_.PropertyChanged(QStringLiteral("DescriptionFont"));
}

void ZEVPersistCombo::setDescriptionFont(const FontDesc& fValor)
{
    const Font source(fValor);
    setDescriptionFont(source);
}

// ---- The item list --------------------------------------------------------

QString ZEVPersistCombo::ComposeEntry(bool showCode, const QString& sCode, const QString& sDescription,
                                      const QString& sPrimaryKey)
{
    static const QString separator = QStringLiteral(" - ");
    static const QString gap(KeyGap, Space);
    QString entry;
    entry.reserve((showCode ? sCode.size() + separator.size() : 0) + sDescription.size() + KeyGap
                  + sPrimaryKey.size());
    if (showCode)
        entry.append(sCode).append(separator);
    entry.append(sDescription).append(gap).append(sPrimaryKey);
    return entry;
}

bool ZEVPersistCombo::CanAddItem(const QString& sDescription, const QString& sCode,
                                 const QString& sPrimaryKey) const
{
    if (AllowItemDuplication_)
        return true;
    // Every entry is cut at the length of the new entry's display part, not its own.
    const qsizetype displayLength = ShowCodeInCombo_ ? sCode.size() + 3 + sDescription.size() : sDescription.size();
    const QStringView key = trimSpaces(sPrimaryKey);
    bool unique = true;
    cboListing.forEachItem([&](const QString* entries, qint32 count) {
        for (qint32 i = 0; i < count; ++i)
            if (tailEqualsKey(entries[i], displayLength, key)) {
                unique = false;
                return false;
            }
        return true;
    });
    return unique;
}

void ZEVPersistCombo::AddItem(const QString& sDescription, const QString& sPrimaryKey, const QString& sCode,
                              const qint32& Index)
{
    if (!CanAddItem(sDescription, sCode, sPrimaryKey)) {
        if (duplicateRefusal_)
            duplicateRefusal_();
        else
            host_.MsgBox(duplicateWarning(), MsgBoxExclamation, host_.ControlName());
        txtCode.SetFocus();
        return;
    }
    const QString entry = ComposeEntry(ShowCodeInCombo_, sCode, sDescription, sPrimaryKey);
    if (Index == -1)
        cboListing.AddItem(entry);
    else
        cboListing.AddItem(entry, Index);
    cboListing.setListIndex(cboListing.NewIndex());
    setCode(QString());
    setDescription(QString());
    txtCode.SetFocus();
    host_.RaiseEvent(EvAddItem);
}

void ZEVPersistCombo::RemoveItem(const qint32& Index)
{
    if (Index < 0)
        return;
    cboListing.RemoveItem(Index);
    cboListing.setListIndex(cboListing.ListCount() - 1);
    host_.RaiseEvent(EvRemoveItem);
}

void ZEVPersistCombo::Clear()
{
    setCode(QString());
    setDescription(QString());
    cboListing.Clear();
    txtCode.SetFocus();
    host_.RaiseEvent(EvUnload);
}

QString ZEVPersistCombo::GetPkey(const qint16& Index) const
{
    if (Index < 0)
        return QString();
    const QString entry = cboListing.List(Index);
    const qsizetype lastSpace = entry.lastIndexOf(Space);
    if (lastSpace < 0)
        return QString();
    return trimmed(QStringView(entry).mid(lastSpace + 1));
}

QString ZEVPersistCombo::GetCode(const qint16& Index) const
{
    if (Index < 0 || !ShowCodeInCombo_)
        return QString();
    const QString entry = cboListing.List(Index);
    const qsizetype firstSpace = entry.indexOf(Space);
    if (firstSpace < 0)
        return QString();
    return entry.left(firstSpace);
}

QString ZEVPersistCombo::GetDescription(const qint16& Index) const
{
    if (Index < 0)
        return QString();
    const QString key = GetPkey(Index);
    const QString entry = cboListing.List(Index);
    const QStringView display = QStringView(entry).left(qMax<qsizetype>(0, entry.size() - key.size()));
    if (!ShowCodeInCombo_)
        return trimmed(display);
    const QString code = GetCode(Index);
    const qsizetype skip = code.size() + 3; // the code and " - "
    return skip >= display.size() ? QString() : trimmed(display.mid(skip));
}

// ---- Search flow ----------------------------------------------------------

void ZEVPersistCombo::searchBox_KeyDown(qint16& KeyCode, qint16& Shift)
{
    Q_UNUSED(Shift); // Shift, Ctrl or Alt held with the key still counts
    // Any key in the code box forgets the key of the last search.
    PendingPrimaryKey_.clear();
    SearchAnswer answer;
    if (!searchFromKey(KeyCode, EvSearch, answer, &PendingPrimaryKey_))
        return;
    if (answer.success) {
        loaded_ = true;
        host_.RaiseEvent(EvLoad);
        txtDescription.SetFocus();
        selectAll(txtDescription);
    } else {
        setDescription(QString());
        txtCode.SetFocus();
        selectAll(txtCode);
        loaded_ = false;
    }
}

// Always the key's search, as if the key were pressed in the code box.
void ZEVPersistCombo::ForceSearch(const eSource& Source) { forceSearch(Source); }

void ZEVPersistCombo::txtCode_Change()
{
    writeBackKeepingCaret(txtCode, [this](const QString& typed) { setCode(typed); });
    setDescription(QString());
}

void ZEVPersistCombo::txtCode_GotFocus() { selectAll(txtCode); }

void ZEVPersistCombo::txtDescription_KeyDown(qint16& KeyCode, qint16& Shift)
{
    Q_UNUSED(Shift);
    if (KeyCode != KeyCodes::Return)
        return;
    // No test that a search succeeded: Enter adds whatever key the last search left.
    AddItem(txtDescription.Text(), PendingPrimaryKey_, txtCode.Text(), -1);
}

void ZEVPersistCombo::cmdRemoveItem_Click()
{
    RemoveItem(cboListing.ListIndex());
    // Hidden and shown again, so the list is drawn afresh.
    cboListing.setVisible(false);
    cboListing.setVisible(true);
    host_.DoEvents();
}

void ZEVPersistCombo::About() { frmAbout::ShowFor(host_, QStringLiteral("ZEVPersistCombo")); }

} // namespace zev
