#include "persistcombo/ZEVPersistCombo.h"

#include "framework/ControlError.h"
#include "framework/KeyCodes.h"
#include "framework/VariantConvert.h"
#include "framework/frmAbout.h"
#include "framework/modFunctions.h"

#include <algorithm>
#include <limits>

namespace zev {

namespace {

const QString DuplicateWarning = QStringLiteral("ATENÇÃO! Este item já foi adicionado na lista de filtro.");
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
        WidgetDesign searchButton = WidgetDesign::make(QStringLiteral("cmdSearch"), WidgetKind::PushButton, 960, 0, 375,
                                                       255, tahoma.bolded(), QStringLiteral("F3"));
        searchButton.focusOnClick = false; // a click searches the code just typed
        ControlDesign c;
        c.width = 4275;
        c.height = 720;
        c.font = tahoma;
        // Tab order.
        c.widgets = {
            WidgetDesign::make(QStringLiteral("txtCode"), WidgetKind::FlatEdit, 0, 0, 915, 285, tahoma),
            searchButton,
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
    static const ClassDescriptor d = [] {
        ClassDescriptor c;
        c.className = QStringLiteral("ZEVPersistCombo");
        c.designWidth = Design().width;
        c.designHeight = Design().height;
        const auto accessor = MemberKind::WidgetAccessor;
        const auto property = MemberKind::Property;
        const auto method = MemberKind::Method;
        c.members = buildMemberTable(
            {
                {QStringLiteral("ControlCode"), accessor},
                {QStringLiteral("ControlDescription"), accessor},
                {QStringLiteral("ControlSearch"), accessor},
                {QStringLiteral("ControlListing"), accessor},
                {QStringLiteral("ControlRemoveItem"), accessor},
                {QStringLiteral("AllowItemDuplication"), property},
                {QStringLiteral("Appearance"), property},
                {QStringLiteral("Code"), property},
                {QStringLiteral("CodeBackColor"), property},
                {QStringLiteral("CodeFont"), property},
                {QStringLiteral("CodeForeColor"), property},
                {QStringLiteral("CodeMaxLength"), property},
                {QStringLiteral("CodeSize"), property},
                {QStringLiteral("Description"), property},
                {QStringLiteral("DescriptionBackColor"), property},
                {QStringLiteral("DescriptionFont"), property},
                {QStringLiteral("DescriptionForeColor"), property},
                {QStringLiteral("Enabled"), property},
                {QStringLiteral("FieldPkey"), property},
                {QStringLiteral("FillZeros"), property},
                {QStringLiteral("FontBold"), property},
                {QStringLiteral("FontItalic"), property},
                {QStringLiteral("FontStrikethrough"), property},
                {QStringLiteral("FontUnderline"), property},
                {QStringLiteral("FontSize"), property},
                {QStringLiteral("Loaded"), property},
                {QStringLiteral("Locked"), property},
                {QStringLiteral("ShowF3"), property},
                {QStringLiteral("ShowCodeInCombo"), property},
                {QStringLiteral("About"), method},
                {QStringLiteral("Clear"), method},
                {QStringLiteral("AddItem"), method},
                {QStringLiteral("ForceSearch"), method},
                {QStringLiteral("RemoveItem"), method},
                {QStringLiteral("GetCode"), method},
                {QStringLiteral("GetDescription"), method},
                {QStringLiteral("GetPkey"), method},
            },
            {{QStringLiteral("About"), DispId::AboutBox}}, {});
        c.events = buildEventTable({
            {QStringLiteral("AddItem"), {}},
            {QStringLiteral("RemoveItem"), {}},
            {QStringLiteral("CodeChange"), {}},
            {QStringLiteral("DescChange"), {}},
            {QStringLiteral("Search"), {QStringLiteral("PrimaryKey"), QStringLiteral("Success"), QStringLiteral("Source")}},
            {QStringLiteral("Load"), {}},
            {QStringLiteral("Unload"), {}},
        });
        c.defaultEvent = QStringLiteral("Search");
        c.create = [](ControlHost& host) -> std::unique_ptr<Control> { return std::make_unique<ZEVPersistCombo>(host); };
        return c;
    }();
    return d;
}

ZEVPersistCombo::ZEVPersistCombo(ControlHost& host)
    : Control(host), txtCode(widgetOfDesign<FlatEdit>(host, 0)), cmdSearch(widgetOfDesign<PushButton>(host, 1)),
      txtDescription(widgetOfDesign<FlatEdit>(host, 2)), cboListing(widgetOfDesign<ComboBox>(host, 3)),
      cmdRemoveItem(widgetOfDesign<PushButton>(host, 4))
{
    txtCode.onChange = [this] { txtCode_Change(); };
    txtCode.onGotFocus = [this] { txtCode_GotFocus(); };
    txtCode.onKeyDown = [this](qint16& KeyCode, qint16& Shift) { txtCode_KeyDown(KeyCode, Shift); };
    txtDescription.onKeyDown = [this](qint16& KeyCode, qint16& Shift) { txtDescription_KeyDown(KeyCode, Shift); };
    cmdSearch.onClick = [this] { cmdSearch_Click(); };
    cmdRemoveItem.onClick = [this] { cmdRemoveItem_Click(); };
}

ZEVPersistCombo::~ZEVPersistCombo()
{
    // The host keeps the widgets; they must not call into a control that is gone.
    for (Widget* w :
         std::initializer_list<Widget*>{&txtCode, &cmdSearch, &txtDescription, &cboListing, &cmdRemoveItem})
        w->clearHandlers();
}

// ---- Lifecycle ------------------------------------------------------------

void ZEVPersistCombo::Initialize()
{
    ControlCode_ = &txtCode;
    ControlDescription_ = &txtDescription;
    ControlSearch_ = &cmdSearch;
    ControlListing_ = &cboListing;
    ControlRemoveItem_ = &cmdRemoveItem;
}

void ZEVPersistCombo::Terminate()
{
    ControlCode_ = nullptr;
    ControlDescription_ = nullptr;
    ControlSearch_ = nullptr;
    ControlListing_ = nullptr;
    ControlRemoveItem_ = nullptr;
}

void ZEVPersistCombo::InitProperties()
{
    setAllowItemDuplication(false);
    setAppearance(0);
    setCodeBackColor(Colors::White);
    setCodeForeColor(Colors::Black);
    setCodeSize(10);
    setCodeMaxLength(4);
    setDescriptionBackColor(Colors::White);
    setDescriptionForeColor(Colors::Black);
    setEnabled(true);
    setFieldPkey(QString());
    setFillZeros(false);
    setLocked(false);
    setLoaded(false);
    setCode(QString());
    setDescription(QString());
    setShowF3(true);
    setShowCodeInCombo(false);
}

void ZEVPersistCombo::ReadProperties(PropertyBag& bag)
{
    using namespace VariantConvert;
    const QVariant white = qint32(Colors::White);
    const QVariant black = qint32(Colors::Black);
    setAllowItemDuplication(toBoolean(bag.ReadProperty(QStringLiteral("AllowItemDuplication"), false)));
    setAppearance(toInteger(bag.ReadProperty(QStringLiteral("Appearance"), qint16(0))));
    setCode(toString(bag.ReadProperty(QStringLiteral("Code"), QString())));
    setCodeBackColor(toColor(bag.ReadProperty(QStringLiteral("CodeBackColor"), white)));
    // Only the name comes from a stored font; the Font... keys below give the attributes.
    txtCode.font().setName(
        toFont(bag.ReadProperty(QStringLiteral("CodeFont"), QVariant::fromValue(txtCode.font().value()))).name);
    setCodeForeColor(toColor(bag.ReadProperty(QStringLiteral("CodeForeColor"), black)));
    setCodeMaxLength(toInteger(bag.ReadProperty(QStringLiteral("CodeMaxLength"), qint16(4))));
    setCodeSize(toInteger(bag.ReadProperty(QStringLiteral("CodeSize"), qint16(10))));
    setDescription(toString(bag.ReadProperty(QStringLiteral("Description"), QString())));
    txtDescription.font().setName(
        toFont(bag.ReadProperty(QStringLiteral("DescriptionFont"), QVariant::fromValue(txtDescription.font().value())))
            .name);
    setDescriptionBackColor(toColor(bag.ReadProperty(QStringLiteral("DescriptionBackColor"), white)));
    setDescriptionForeColor(toColor(bag.ReadProperty(QStringLiteral("DescriptionForeColor"), black)));
    setEnabled(toBoolean(bag.ReadProperty(QStringLiteral("Enabled"), true)));
    setFieldPkey(toString(bag.ReadProperty(QStringLiteral("FieldPkey"), QString())));
    setFillZeros(toBoolean(bag.ReadProperty(QStringLiteral("FillZeros"), false)));
    setFontBold(toBoolean(bag.ReadProperty(QStringLiteral("FontBold"), false)));
    setFontItalic(toBoolean(bag.ReadProperty(QStringLiteral("FontItalic"), false)));
    setFontStrikethrough(toBoolean(bag.ReadProperty(QStringLiteral("FontStrikethrough"), false)));
    setFontSize(toLong(bag.ReadProperty(QStringLiteral("FontSize"), qint32(8))));
    setFontUnderline(toBoolean(bag.ReadProperty(QStringLiteral("FontUnderline"), false)));
    setLoaded(toBoolean(bag.ReadProperty(QStringLiteral("Loaded"), false)));
    setLocked(toBoolean(bag.ReadProperty(QStringLiteral("Locked"), false)));
    setShowF3(toBoolean(bag.ReadProperty(QStringLiteral("ShowF3"), true)));
    setShowCodeInCombo(toBoolean(bag.ReadProperty(QStringLiteral("ShowCodeInCombo"), false)));
}

void ZEVPersistCombo::WriteProperties(PropertyBag& bag)
{
    const QVariant white = qint32(Colors::White);
    const QVariant black = qint32(Colors::Black);
    bag.WriteProperty(QStringLiteral("AllowItemDuplication"), AllowItemDuplication(), false);
    bag.WriteProperty(QStringLiteral("Appearance"), qint32(Appearance()), qint16(0));
    bag.WriteProperty(QStringLiteral("Code"), Code(), QString());
    bag.WriteProperty(QStringLiteral("CodeBackColor"), qint32(CodeBackColor()), white);
    bag.WriteProperty(QStringLiteral("CodeFont"), QVariant::fromValue(txtCode.font().value()));
    bag.WriteProperty(QStringLiteral("CodeForeColor"), qint32(CodeForeColor()), black);
    bag.WriteProperty(QStringLiteral("CodeSize"), CodeSize(), qint16(10));
    bag.WriteProperty(QStringLiteral("CodeMaxLength"), CodeMaxLength(), qint16(4));
    bag.WriteProperty(QStringLiteral("Description"), Description(), QString());
    bag.WriteProperty(QStringLiteral("DescriptionFont"), QVariant::fromValue(txtDescription.font().value()));
    bag.WriteProperty(QStringLiteral("DescriptionBackColor"), qint32(DescriptionBackColor()), white);
    bag.WriteProperty(QStringLiteral("DescriptionForeColor"), qint32(DescriptionForeColor()), black);
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled(), true);
    bag.WriteProperty(QStringLiteral("FieldPkey"), FieldPkey(), QString());
    bag.WriteProperty(QStringLiteral("FillZeros"), FillZeros(), false);
    bag.WriteProperty(QStringLiteral("FontBold"), FontBold(), false);
    bag.WriteProperty(QStringLiteral("FontItalic"), FontItalic(), false);
    bag.WriteProperty(QStringLiteral("FontStrikethrough"), FontStrikethrough(), false);
    bag.WriteProperty(QStringLiteral("FontSize"), FontSize(), qint32(8));
    bag.WriteProperty(QStringLiteral("FontUnderline"), FontUnderline(), false);
    bag.WriteProperty(QStringLiteral("Loaded"), Loaded(), false);
    bag.WriteProperty(QStringLiteral("Locked"), Locked(), false);
    bag.WriteProperty(QStringLiteral("ShowF3"), ShowF3(), true);
    bag.WriteProperty(QStringLiteral("ShowCodeInCombo"), ShowCodeInCombo(), false);
}

void ZEVPersistCombo::Resize()
{
    // The first step that fails ends the layout; the widgets keep what they got so far.
    try {
        ArrangeSearchButton(ShowF3_);
        const float rowHeight = host_.ScaleHeight() - Gap - cboListing.Height() - Gap;
        txtCode.setHeight(rowHeight);
        cmdSearch.setHeight(rowHeight);
        txtDescription.setHeight(rowHeight);
        cboListing.setTop(txtCode.Height() + Gap);
        cmdRemoveItem.setTop(txtCode.Height() + Gap);
    } catch (const ControlError&) {
    }
}

void ZEVPersistCombo::ArrangeSearchButton(bool show)
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

// ---- Properties -----------------------------------------------------------

qint32 ZEVPersistCombo::Appearance() const { return txtCode.Appearance(); }

void ZEVPersistCombo::setAppearance(qint32 eaValor)
{
    if (eaValor < std::numeric_limits<qint16>::min() || eaValor > std::numeric_limits<qint16>::max())
        throw ControlError(ErrOverflow);
    const qint16 appearance = qint16(eaValor);
    txtCode.setAppearance(appearance);
    cmdSearch.setAppearance(appearance);
    txtDescription.setAppearance(appearance);
    cboListing.setAppearance(appearance);
    cmdRemoveItem.setAppearance(appearance);
    host_.PropertyChanged(QStringLiteral("Appearance"));
}

QString ZEVPersistCombo::Code() const { return txtCode.Text(); }

void ZEVPersistCombo::setCode(const QString& sValor)
{
    txtCode.setText(sValor);
    host_.RaiseEvent(EvCodeChange);
    host_.PropertyChanged(QStringLiteral("Code"));
}

OleColor ZEVPersistCombo::CodeBackColor() const { return txtCode.BackColor(); }

void ZEVPersistCombo::setCodeBackColor(OleColor ocValor)
{
    CodeBackColorSetting_ = ocValor;
    txtCode.setBackColor(ocValor);
    if (Locked())
        txtCode.setBackColor(Colors::White);
    if (!Enabled())
        txtCode.setBackColor(Colors::ButtonFace);
    host_.PropertyChanged(QStringLiteral("CodeBackColor"));
}

Font& ZEVPersistCombo::CodeFont() { return txtCode.font(); }

// Attribute by attribute, each read from the source as it is at that moment, so
// that a font given its own object ends as the attribute copies leave it.
template <typename Source>
void ZEVPersistCombo::copyCodeFont(Font& target, const Source& source)
{
    target.setName(source.Name());
    target.setBold(source.Bold());
    target.setItalic(source.Italic());
    target.setSize(source.Size());
    target.setStrikethrough(source.Strikethrough());
    target.setCharset(source.Charset());
    target.setUnderline(source.Underline());
    target.setWeight(source.Weight());
}

template <typename Source>
void ZEVPersistCombo::copyDescriptionFont(Font& target, const Source& source)
{
    target.setBold(source.Bold());
    target.setCharset(source.Charset());
    target.setItalic(source.Italic());
    target.setName(source.Name());
    target.setSize(source.Size());
    target.setStrikethrough(source.Strikethrough());
    target.setUnderline(source.Underline());
    target.setWeight(source.Weight());
}

void ZEVPersistCombo::setCodeFont(const Font& fValor)
{
    copyCodeFont(txtCode.font(), fValor);
    host_.PropertyChanged(QStringLiteral("CodeFont"));
}

void ZEVPersistCombo::setCodeFont(const FontDesc& fValor)
{
    const Font source(fValor);
    setCodeFont(source);
}

OleColor ZEVPersistCombo::CodeForeColor() const { return txtCode.ForeColor(); }

void ZEVPersistCombo::setCodeForeColor(OleColor ocValor)
{
    txtCode.setForeColor(ocValor);
    host_.PropertyChanged(QStringLiteral("CodeForeColor"));
}

qint16 ZEVPersistCombo::CodeMaxLength() const { return VariantConvert::toInteger(txtCode.MaxLength()); }

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
    txtCode.setWidth(float(iValor) * CodeCharWidth);
    Resize();
    host_.PropertyChanged(QStringLiteral("CodeSize"));
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
        Loaded_ = true;
        host_.RaiseEvent(EvLoad);
    }
    host_.PropertyChanged(QStringLiteral("Description"));
}

OleColor ZEVPersistCombo::DescriptionBackColor() const { return txtDescription.BackColor(); }

void ZEVPersistCombo::setDescriptionBackColor(OleColor ocValor)
{
    DescriptionBackColorSetting_ = ocValor;
    txtDescription.setBackColor(ocValor);
    if (Locked())
        txtDescription.setBackColor(Colors::White);
    if (!Enabled())
        txtDescription.setBackColor(Colors::ButtonFace);
    host_.PropertyChanged(QStringLiteral("DescriptionBackColor"));
}

Font& ZEVPersistCombo::DescriptionFont() { return txtDescription.font(); }

void ZEVPersistCombo::setDescriptionFont(const Font& fValor)
{
    copyDescriptionFont(txtDescription.font(), fValor);
    host_.PropertyChanged(QStringLiteral("DescriptionFont"));
}

void ZEVPersistCombo::setDescriptionFont(const FontDesc& fValor)
{
    const Font source(fValor);
    setDescriptionFont(source);
}

OleColor ZEVPersistCombo::DescriptionForeColor() const { return txtDescription.ForeColor(); }

void ZEVPersistCombo::setDescriptionForeColor(OleColor ocValor)
{
    txtDescription.setForeColor(ocValor);
    host_.PropertyChanged(QStringLiteral("DescriptionForeColor"));
}

bool ZEVPersistCombo::Enabled() const { return txtCode.Enabled(); }

void ZEVPersistCombo::setEnabled(bool bValor)
{
    txtCode.setEnabled(bValor);
    cmdSearch.setEnabled(bValor);
    txtDescription.setEnabled(bValor);
    cboListing.setEnabled(bValor);
    cmdRemoveItem.setEnabled(bValor);
    if (bValor) {
        // The list keeps the button face: only the two boxes have a colour setting.
        txtCode.setBackColor(CodeBackColorSetting_);
        txtDescription.setBackColor(DescriptionBackColorSetting_);
    } else {
        txtCode.setBackColor(Colors::ButtonFace);
        txtDescription.setBackColor(Colors::ButtonFace);
        cboListing.setBackColor(Colors::ButtonFace);
    }
    host_.PropertyChanged(QStringLiteral("Enabled"));
}

void ZEVPersistCombo::setFieldPkey(const QString& sValor)
{
    FieldPkey_ = sValor;
    host_.PropertyChanged(QStringLiteral("FieldPkey"));
}

bool ZEVPersistCombo::FontBold() const { return txtCode.font().Bold(); }

void ZEVPersistCombo::setFontBold(bool bValor)
{
    txtCode.font().setBold(bValor);
    txtDescription.font().setBold(bValor);
    host_.PropertyChanged(QStringLiteral("FontBold"));
}

bool ZEVPersistCombo::FontItalic() const { return txtCode.font().Italic(); }

void ZEVPersistCombo::setFontItalic(bool bValor)
{
    txtCode.font().setItalic(bValor);
    txtDescription.font().setItalic(bValor);
    host_.PropertyChanged(QStringLiteral("FontItalic"));
}

bool ZEVPersistCombo::FontStrikethrough() const { return txtCode.font().Strikethrough(); }

void ZEVPersistCombo::setFontStrikethrough(bool bValor)
{
    txtCode.font().setStrikethrough(bValor);
    txtDescription.font().setStrikethrough(bValor);
    host_.PropertyChanged(QStringLiteral("FontStrikethrough"));
}

bool ZEVPersistCombo::FontUnderline() const { return txtCode.font().Underline(); }

void ZEVPersistCombo::setFontUnderline(bool bValor)
{
    txtCode.font().setUnderline(bValor);
    txtDescription.font().setUnderline(bValor);
    host_.PropertyChanged(QStringLiteral("FontUnderline"));
}

qint32 ZEVPersistCombo::FontSize() const { return VariantConvert::toLong(txtCode.font().Size()); }

void ZEVPersistCombo::setFontSize(qint32 lValor)
{
    txtCode.font().setSize(lValor);
    txtDescription.font().setSize(lValor);
    host_.PropertyChanged(QStringLiteral("FontSize"));
}

bool ZEVPersistCombo::Locked() const { return txtCode.Locked(); }

void ZEVPersistCombo::setLocked(bool bValor)
{
    txtCode.setLocked(bValor);
    if (bValor) {
        txtCode.setBackColor(Colors::White);
        txtDescription.setBackColor(Colors::White);
        cboListing.setBackColor(Colors::White);
    } else {
        txtCode.setBackColor(CodeBackColorSetting_);
        txtDescription.setBackColor(DescriptionBackColorSetting_);
    }
}

void ZEVPersistCombo::setShowF3(bool bValor)
{
    ShowF3_ = bValor;
    ArrangeSearchButton(bValor);
    host_.PropertyChanged(QStringLiteral("ShowF3"));
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
        host_.MsgBox(DuplicateWarning, MsgBoxExclamation, host_.ControlName());
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

void ZEVPersistCombo::txtCode_KeyDown(qint16& KeyCode, qint16& Shift)
{
    Q_UNUSED(Shift); // Shift, Ctrl or Alt held with the key still counts
    // Any key in the code box forgets the key of the last search.
    PendingPrimaryKey_.clear();
    eSource source;
    if (KeyCode == KeyCodes::Return)
        source = Enter;
    else if (KeyCode == KeyCodes::F3)
        source = F3;
    else
        return;

    if (FillZeros_) {
        const qint16 length = CodeMaxLength();
        const ePos_ position = Before;
        txtCode.setText(modFunctions::FillWithZeros(txtCode.Text(), length, position));
    }

    QVariantList arguments{PendingPrimaryKey_, false, qint32(source)};
    host_.RaiseEvent(EvSearch, arguments);
    // A handler may leave any type in the slots, or drop them: read them as the container would.
    PendingPrimaryKey_ = VariantConvert::toString(arguments.value(0));
    const bool success = VariantConvert::toBoolean(arguments.value(1));

    if (success) {
        Loaded_ = true;
        host_.RaiseEvent(EvLoad);
        txtDescription.SetFocus();
        SelectAll(txtDescription);
    } else {
        setDescription(QString());
        txtCode.SetFocus();
        SelectAll(txtCode);
        Loaded_ = false;
    }
}

void ZEVPersistCombo::SelectAll(FlatEdit& edit)
{
    edit.setSelStart(0);
    edit.setSelLength(qint32(edit.Text().size()));
}

void ZEVPersistCombo::ForceSearch(const eSource& Source)
{
    qint16 keyCode;
    if (Source == Enter)
        keyCode = KeyCodes::Return;
    else if (Source == F3)
        keyCode = KeyCodes::F3;
    else
        return;
    qint16 shift = 0;
    txtCode_KeyDown(keyCode, shift);
}

void ZEVPersistCombo::txtCode_Change()
{
    // Setting Code writes the typed text back, which would put the caret at 0
    // under the user's next key: keep the user's caret.
    const QString typed = txtCode.Text();
    const qint32 start = txtCode.SelStart();
    const qint32 length = txtCode.SelLength();
    setCode(typed);
    if (txtCode.Text() == typed) {
        txtCode.setSelStart(start);
        txtCode.setSelLength(length);
    }
    setDescription(QString());
}

void ZEVPersistCombo::txtCode_GotFocus() { SelectAll(txtCode); }

void ZEVPersistCombo::txtDescription_KeyDown(qint16& KeyCode, qint16& Shift)
{
    Q_UNUSED(Shift);
    if (KeyCode != KeyCodes::Return)
        return;
    // No test that a search succeeded: Enter adds whatever key the last search left.
    AddItem(txtDescription.Text(), PendingPrimaryKey_, txtCode.Text(), -1);
}

void ZEVPersistCombo::cmdSearch_Click()
{
    qint16 keyCode = KeyCodes::F3;
    qint16 shift = 0;
    txtCode_KeyDown(keyCode, shift);
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
