#include "codedescription/ZEVCodeDescription.h"

#include "framework/ControlError.h"
#include "framework/KeyCodes.h"
#include "framework/VariantConvert.h"
#include "framework/frmAbout.h"
#include "framework/modFunctions.h"

namespace zev {

namespace {

constexpr qint16 MaxCodeLength = 25;
constexpr qint16 MaxCodeSize = 25;
constexpr float CodeSizeUnit = 110; // twips of code box per CodeSize step
constexpr float Gap = 30;
constexpr float CodeMinHeight = 225;
constexpr float RowMinHeight = 255;

WidgetDesign txtCodeDesign()
{
    return WidgetDesign::make(QStringLiteral("txtCode"), WidgetKind::FlatEdit, 0, 0, 915, 225,
                              FontDesc{QStringLiteral("Tahoma"), 8.25});
}

WidgetDesign cmdSearchDesign()
{
    WidgetDesign d = WidgetDesign::make(QStringLiteral("cmdSearch"), WidgetKind::PushButton, 960, 0, 375, 255,
                                        FontDesc{QStringLiteral("Tahoma"), 8.25}.bolded(), QStringLiteral("F3"));
    d.focusOnClick = false; // a click searches the code just typed
    return d;
}

WidgetDesign panDescriptionDesign()
{
    WidgetDesign d = WidgetDesign::make(QStringLiteral("panDescription"), WidgetKind::SSPanel, 1380, 0, 2835, 255,
                                        FontDesc{QStringLiteral("Tahoma"), 8.25});
    d.foreColor = Colors::ButtonText;
    d.backColor = Colors::ButtonFace;
    return d;
}

// Blanks are spaces only: a tab at either end is part of the text.
QString trimSpaces(const QString& text) { return modFunctions::TrimSpaces(text).toString(); }

// The widgets' appearance is an Integer; a code beyond it overflows as the container's conversion does.
qint16 narrowAppearance(qint32 value) { return VariantConvert::toInteger(QVariant(value)); }

QVariant colorValue(OleColor color) { return QVariant(qint32(color)); }

// The copy order of a font assignment, one attribute at a time.
void copyFont(Font& target, const FontDesc& source)
{
    target.setName(source.name);
    target.setBold(source.bold);
    target.setItalic(source.italic);
    target.setSize(source.size);
    target.setStrikethrough(source.strikethrough);
    target.setCharset(source.charset);
    target.setUnderline(source.underline);
    target.setWeight(source.weight);
}

} // namespace

ZEVCodeDescription::ZEVCodeDescription(ControlHost& host)
    : Control(host),
      txtCode(createWidget<FlatEdit>(host, txtCodeDesign())),
      cmdSearch(createWidget<PushButton>(host, cmdSearchDesign())),
      panDescription(createWidget<SSPanel>(host, panDescriptionDesign()))
{
    txtCode.onKeyDown = [this](qint16& KeyCode, qint16& Shift) { txtCode_KeyDown(KeyCode, Shift); };
    txtCode.onChange = [this] { txtCode_Change(); };
    txtCode.onLostFocus = [this] { txtCode_LostFocus(); };
    cmdSearch.onClick = [this] { cmdSearch_Click(); };
}

ZEVCodeDescription::~ZEVCodeDescription()
{
    // The host owns the widgets and may outlive this control: nothing of ours may answer them afterwards.
    for (Widget* w : std::initializer_list<Widget*>{&txtCode, &cmdSearch, &panDescription})
        w->clearHandlers();
}

const ClassDescriptor& ZEVCodeDescription::descriptor()
{
    static const ClassDescriptor d = [] {
        ClassDescriptor c;
        c.className = QStringLiteral("ZEVCodeDescription");
        c.designWidth = 4215;
        c.designHeight = 225; // the code box's height: the row starts at its design heights
        const auto property = MemberKind::Property;
        const auto accessor = MemberKind::WidgetAccessor;
        const auto method = MemberKind::Method;
        c.members = buildMemberTable(
            {
                {QStringLiteral("ControlCode"), accessor},
                {QStringLiteral("ControlDescription"), accessor},
                {QStringLiteral("ControlSearch"), accessor},
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
                {QStringLiteral("FontBold"), property},
                {QStringLiteral("FontItalic"), property},
                {QStringLiteral("FontStrikethrough"), property},
                {QStringLiteral("FontUnderline"), property},
                {QStringLiteral("FontSize"), property},
                {QStringLiteral("FillZeros"), property},
                {QStringLiteral("Loaded"), property},
                {QStringLiteral("Locked"), property},
                {QStringLiteral("PrimaryKey"), property},
                {QStringLiteral("ShowF3"), property},
                {QStringLiteral("About"), method},
                {QStringLiteral("Clear"), method},
                {QStringLiteral("ForceSearch"), method},
            },
            {{QStringLiteral("About"), DispId::AboutBox},
             {QStringLiteral("Clear"), DispId::Refresh},
             {QStringLiteral("CodeFont"), DispId::Font},
             {QStringLiteral("Enabled"), DispId::Enabled}},
            {QStringLiteral("Loaded"), QStringLiteral("PrimaryKey"), QStringLiteral("ControlCode"),
             QStringLiteral("ControlDescription"), QStringLiteral("ControlSearch")});
        c.events = buildEventTable({
            {QStringLiteral("CodeChange"), {}},
            {QStringLiteral("DescChange"), {}},
            {QStringLiteral("Search"), {QStringLiteral("PrimaryKey"), QStringLiteral("Success"), QStringLiteral("Source")}},
            {QStringLiteral("Load"), {}},
            {QStringLiteral("Unload"), {QStringLiteral("Cancel")}},
        });
        c.defaultEvent = QStringLiteral("Search");
        c.create = [](ControlHost& host) -> std::unique_ptr<Control> {
            return std::make_unique<ZEVCodeDescription>(host);
        };
        return c;
    }();
    return d;
}

// ---- Lifecycle -------------------------------------------------------------

void ZEVCodeDescription::Initialize()
{
    ControlCode_ = &txtCode;
    ControlDescription_ = &panDescription;
    ControlSearch_ = &cmdSearch;
}

void ZEVCodeDescription::Terminate()
{
    ControlCode_ = nullptr;
    ControlDescription_ = nullptr;
    ControlSearch_ = nullptr;
}

void ZEVCodeDescription::InitProperties()
{
    // Fonts stay as designed.
    setAppearance(0);
    setCodeBackColor(Colors::White);
    setCodeForeColor(Colors::Black);
    setCodeSize(10);
    setCodeMaxLength(4);
    setDescriptionBackColor(Colors::ButtonFace);
    setDescriptionForeColor(Colors::Black);
    setEnabled(true);
    setFieldPkey(QString());
    setFillZeros(false);
    setLocked(false);
    setLoaded(false);
    setCode(QString());
    setDescription(QString());
    setPrimaryKey(QString());
    setShowF3(true);
}

void ZEVCodeDescription::ReadProperties(PropertyBag& bag)
{
    using namespace VariantConvert;
    setAppearance(toLong(bag.ReadProperty(QStringLiteral("Appearance"), qint32(0))));
    setCode(toString(bag.ReadProperty(QStringLiteral("Code"), QString())));
    setCodeBackColor(toColor(bag.ReadProperty(QStringLiteral("CodeBackColor"), colorValue(Colors::White))));
    // A stored font gives back its name only; the attributes come from the Font... keys below.
    txtCode.font().setName(
        toFont(bag.ReadProperty(QStringLiteral("CodeFont"), QVariant::fromValue(txtCode.font().value()))).name);
    setCodeForeColor(toColor(bag.ReadProperty(QStringLiteral("CodeForeColor"), colorValue(Colors::Black))));
    setCodeMaxLength(toInteger(bag.ReadProperty(QStringLiteral("CodeMaxLength"), qint16(4))));
    setCodeSize(toInteger(bag.ReadProperty(QStringLiteral("CodeSize"), qint16(10))));
    setDescription(toString(bag.ReadProperty(QStringLiteral("Description"), QString())));
    setDescriptionBackColor(
        toColor(bag.ReadProperty(QStringLiteral("DescriptionBackColor"), colorValue(Colors::ButtonFace))));
    panDescription.font().setName(
        toFont(bag.ReadProperty(QStringLiteral("DescriptionFont"), QVariant::fromValue(panDescription.font().value())))
            .name);
    setDescriptionForeColor(
        toColor(bag.ReadProperty(QStringLiteral("DescriptionForeColor"), colorValue(Colors::Black))));
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
    setPrimaryKey(toString(bag.ReadProperty(QStringLiteral("PrimaryKey"), QString())));
    setShowF3(toBoolean(bag.ReadProperty(QStringLiteral("ShowF3"), true)));
}

void ZEVCodeDescription::WriteProperties(PropertyBag& bag)
{
    bag.WriteProperty(QStringLiteral("Appearance"), Appearance(), qint32(0));
    bag.WriteProperty(QStringLiteral("Code"), Code(), QString());
    bag.WriteProperty(QStringLiteral("CodeBackColor"), colorValue(CodeBackColor()), colorValue(Colors::White));
    bag.WriteProperty(QStringLiteral("CodeFont"), QVariant::fromValue(txtCode.font().value()));
    bag.WriteProperty(QStringLiteral("CodeForeColor"), colorValue(CodeForeColor()), colorValue(Colors::Black));
    bag.WriteProperty(QStringLiteral("CodeSize"), CodeSize(), qint16(10));
    bag.WriteProperty(QStringLiteral("CodeMaxLength"), CodeMaxLength(), qint16(4));
    bag.WriteProperty(QStringLiteral("Description"), Description(), QString());
    bag.WriteProperty(QStringLiteral("DescriptionFont"), QVariant::fromValue(panDescription.font().value()));
    bag.WriteProperty(QStringLiteral("DescriptionBackColor"), colorValue(DescriptionBackColor()),
                      colorValue(Colors::ButtonFace));
    bag.WriteProperty(QStringLiteral("DescriptionForeColor"), colorValue(DescriptionForeColor()),
                      colorValue(Colors::Black));
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
    bag.WriteProperty(QStringLiteral("PrimaryKey"), PrimaryKey(), QString());
    bag.WriteProperty(QStringLiteral("ShowF3"), ShowF3(), true);
}

void ZEVCodeDescription::Resize()
{
    cmdSearch.setLeft(txtCode.Width() + Gap);
    // Never lower than the design heights.
    const float height = host_.ScaleHeight();
    if (height >= CodeMinHeight)
        txtCode.setHeight(height);
    if (height >= RowMinHeight) {
        cmdSearch.setHeight(height);
        panDescription.setHeight(height);
    }
    ArrangeSearchButton(showF3_);
}

void ZEVCodeDescription::ArrangeSearchButton(bool showButton)
{
    // Each step on its own: on a control too narrow for the row the widget refuses
    // the negative width, and the remaining steps still run.
    auto attempt = [](auto&& step) {
        try {
            step();
        } catch (const ControlError&) {
        }
    };
    const float width = host_.ScaleWidth();
    attempt([&] { cmdSearch.setVisible(showButton); });
    attempt([&] { cmdSearch.setLeft(txtCode.Width() + Gap); });
    if (showButton) {
        attempt([&] { panDescription.setLeft(txtCode.Width() + Gap + cmdSearch.Width() + Gap); });
        attempt([&] { panDescription.setWidth(width - txtCode.Width() - Gap - cmdSearch.Width() - Gap); });
    } else {
        attempt([&] { panDescription.setWidth(width - txtCode.Width() - Gap); });
        attempt([&] { panDescription.setLeft(txtCode.Width() + Gap); });
    }
}

// ---- Properties ------------------------------------------------------------

qint32 ZEVCodeDescription::Appearance() const { return txtCode.Appearance(); }

void ZEVCodeDescription::setAppearance(qint32 eaValor)
{
    const qint16 appearance = narrowAppearance(eaValor);
    txtCode.setAppearance(appearance);
    cmdSearch.setAppearance(appearance);
    host_.PropertyChanged(QStringLiteral("Appearance"));
}

QString ZEVCodeDescription::Code() const { return txtCode.Text(); }

void ZEVCodeDescription::setCode(const QString& sValor)
{
    LastAssignedCode = sValor;
    txtCode.setText(sValor); // a real change runs txtCode_Change before this returns
    host_.RaiseEvent(CodeChangeEvent);
    host_.PropertyChanged(QStringLiteral("Code"));
}

OleColor ZEVCodeDescription::CodeBackColor() const { return txtCode.BackColor(); }

void ZEVCodeDescription::setCodeBackColor(OleColor ocValor)
{
    CodeBackColorSetting = ocValor;
    txtCode.setBackColor(ocValor);
    if (Locked())
        txtCode.setBackColor(Colors::White);
    if (!Enabled())
        txtCode.setBackColor(Colors::ButtonFace);
    host_.PropertyChanged(QStringLiteral("CodeBackColor"));
}

Font& ZEVCodeDescription::CodeFont() { return txtCode.font(); }

void ZEVCodeDescription::setCodeFont(const FontDesc& tfValor)
{
    copyFont(txtCode.font(), tfValor);
    host_.PropertyChanged(QStringLiteral("CodeFont"));
}

// Copied by value first, so that assigning a widget's own font to it reads unchanged attributes.
void ZEVCodeDescription::setCodeFont(const Font& tfValor) { setCodeFont(FontDesc(tfValor.value())); }

OleColor ZEVCodeDescription::CodeForeColor() const { return txtCode.ForeColor(); }

void ZEVCodeDescription::setCodeForeColor(OleColor ocValor)
{
    txtCode.setForeColor(ocValor);
    host_.PropertyChanged(QStringLiteral("CodeForeColor"));
}

qint16 ZEVCodeDescription::CodeMaxLength() const { return VariantConvert::toInteger(QVariant(txtCode.MaxLength())); }

void ZEVCodeDescription::setCodeMaxLength(qint16 iValor)
{
    // A negative length becomes 1, not 0: 0 would mean no limit at all.
    if (iValor > MaxCodeLength) {
        setCodeMaxLength(MaxCodeLength);
        return;
    }
    if (iValor < 0) {
        setCodeMaxLength(1);
        return;
    }
    txtCode.setMaxLength(iValor);
    host_.PropertyChanged(QStringLiteral("CodeMaxLength"));
}

qint16 ZEVCodeDescription::CodeSize() const
{
    return VariantConvert::toInteger(QVariant(double(txtCode.Width() / CodeSizeUnit)));
}

void ZEVCodeDescription::setCodeSize(qint16 iValor)
{
    if (iValor > MaxCodeSize) {
        setCodeSize(MaxCodeSize);
        return;
    }
    if (iValor < 1) {
        setCodeSize(1);
        return;
    }
    txtCode.setWidth(float(iValor) * CodeSizeUnit);
    Resize();
    host_.PropertyChanged(QStringLiteral("CodeSize"));
}

QString ZEVCodeDescription::Description() const { return panDescription.Caption(); }

void ZEVCodeDescription::setDescription(const QString& sValor)
{
    const QString trimmed = trimSpaces(sValor);
    if (trimmed == panDescription.Caption())
        return;
    panDescription.setCaption(trimmed);
    if (!trimmed.isEmpty()) {
        loaded_ = true;
        host_.RaiseEvent(LoadEvent);
    } else {
        loaded_ = false;
    }
    host_.PropertyChanged(QStringLiteral("Description"));
    host_.RaiseEvent(DescChangeEvent);
}

OleColor ZEVCodeDescription::DescriptionBackColor() const { return panDescription.BackColor(); }

void ZEVCodeDescription::setDescriptionBackColor(OleColor ocValor)
{
    DescriptionBackColorSetting = ocValor;
    panDescription.setBackColor(ocValor);
    if (!Enabled())
        panDescription.setBackColor(Colors::ButtonFace);
    host_.PropertyChanged(QStringLiteral("DescriptionBackColor"));
}

Font& ZEVCodeDescription::DescriptionFont() { return panDescription.font(); }

void ZEVCodeDescription::setDescriptionFont(const FontDesc& fValor)
{
    copyFont(panDescription.font(), fValor);
    host_.PropertyChanged(QStringLiteral("DescriptionFont"));
}

void ZEVCodeDescription::setDescriptionFont(const Font& fValor) { setDescriptionFont(FontDesc(fValor.value())); }

OleColor ZEVCodeDescription::DescriptionForeColor() const { return panDescription.ForeColor(); }

void ZEVCodeDescription::setDescriptionForeColor(OleColor ocValor)
{
    panDescription.setForeColor(ocValor);
    host_.PropertyChanged(QStringLiteral("DescriptionForeColor"));
}

bool ZEVCodeDescription::Enabled() const { return txtCode.Enabled(); }

void ZEVCodeDescription::setEnabled(bool bValor)
{
    txtCode.setEnabled(bValor);
    cmdSearch.setEnabled(bValor);
    panDescription.setEnabled(bValor);
    if (bValor) {
        txtCode.setBackColor(CodeBackColorSetting);
        panDescription.setBackColor(DescriptionBackColorSetting);
    } else {
        txtCode.setBackColor(Colors::ButtonFace);
        panDescription.setBackColor(Colors::ButtonFace);
    }
    host_.PropertyChanged(QStringLiteral("Enabled"));
}

void ZEVCodeDescription::setFieldPkey(const QString& sValor)
{
    fieldPkey_ = sValor;
    host_.PropertyChanged(QStringLiteral("FieldPkey"));
}

bool ZEVCodeDescription::FontBold() const { return txtCode.font().Bold(); }

void ZEVCodeDescription::setFontBold(bool bValor)
{
    txtCode.font().setBold(bValor);
    panDescription.font().setBold(bValor);
    host_.PropertyChanged(QStringLiteral("FontBold"));
}

bool ZEVCodeDescription::FontItalic() const { return txtCode.font().Italic(); }

void ZEVCodeDescription::setFontItalic(bool bValor)
{
    txtCode.font().setItalic(bValor);
    panDescription.font().setItalic(bValor);
    host_.PropertyChanged(QStringLiteral("FontItalic"));
}

bool ZEVCodeDescription::FontStrikethrough() const { return txtCode.font().Strikethrough(); }

void ZEVCodeDescription::setFontStrikethrough(bool bValor)
{
    txtCode.font().setStrikethrough(bValor);
    panDescription.font().setStrikethrough(bValor);
    host_.PropertyChanged(QStringLiteral("FontStrikethrough"));
}

bool ZEVCodeDescription::FontUnderline() const { return txtCode.font().Underline(); }

void ZEVCodeDescription::setFontUnderline(bool bValor)
{
    txtCode.font().setUnderline(bValor);
    panDescription.font().setUnderline(bValor);
    host_.PropertyChanged(QStringLiteral("FontUnderline"));
}

qint32 ZEVCodeDescription::FontSize() const { return VariantConvert::toLong(QVariant(txtCode.font().Size())); }

void ZEVCodeDescription::setFontSize(qint32 lValor)
{
    txtCode.font().setSize(lValor);
    panDescription.font().setSize(lValor);
    host_.PropertyChanged(QStringLiteral("FontSize"));
}

bool ZEVCodeDescription::Locked() const { return txtCode.Locked(); }

void ZEVCodeDescription::setLocked(bool bValor)
{
    txtCode.setLocked(bValor);
    if (bValor) {
        txtCode.setBackColor(Colors::White);
        panDescription.setBackColor(Colors::ButtonFace);
    } else {
        txtCode.setBackColor(CodeBackColorSetting);
        panDescription.setBackColor(DescriptionBackColorSetting);
    }
}

void ZEVCodeDescription::setShowF3(bool bValor)
{
    showF3_ = bValor;
    ArrangeSearchButton(bValor);
    host_.PropertyChanged(QStringLiteral("ShowF3"));
}

// ---- Methods ---------------------------------------------------------------

void ZEVCodeDescription::About() { frmAbout::ShowFor(host_, QStringLiteral("ZEVCodeDescription")); }

qint16 ZEVCodeDescription::raiseUnload()
{
    QVariantList arguments{QVariant(qint16(0))};
    host_.RaiseEvent(UnloadEvent, arguments);
    return VariantConvert::toInteger(arguments.value(0));
}

void ZEVCodeDescription::Clear()
{
    if (raiseUnload() != 0)
        return;
    setCode(QString());
    setDescription(QString());
}

void ZEVCodeDescription::ForceSearch(eSource& Source)
{
    qint16 shift = 0;
    qint16 keyCode;
    if (Source == Enter)
        keyCode = KeyCodes::Return;
    else if (Source == F3)
        keyCode = KeyCodes::F3;
    else
        return;
    txtCode_KeyDown(keyCode, shift);
}

// ---- Widget events ---------------------------------------------------------

void ZEVCodeDescription::txtCode_KeyDown(qint16& KeyCode, qint16& /*Shift*/)
{
    QString primaryKey;
    bool success = false;
    eSource source;
    if (KeyCode == KeyCodes::Return)
        source = Enter;
    else if (KeyCode == KeyCodes::F3)
        source = F3;
    else
        return;

    if (fillZeros_) {
        const qint16 length = CodeMaxLength();
        const ePos_ position = Before;
        txtCode.setText(modFunctions::FillWithZeros(txtCode.Text(), length, position));
    }

    QVariantList arguments{primaryKey, success, qint32(source)};
    host_.RaiseEvent(SearchEvent, arguments);
    // A handler may leave any type in the slots (or drop them): read them as the container would.
    primaryKey = VariantConvert::toString(arguments.value(0));
    success = VariantConvert::toBoolean(arguments.value(1));

    if (success) {
        loaded_ = true;
        primaryKey_ = primaryKey;
        host_.RaiseEvent(LoadEvent);
    } else {
        setDescription(QString());
        loaded_ = false;
        primaryKey_.clear();
        // The whole code selected, so the user can type it again at once.
        txtCode.setSelStart(0);
        txtCode.setSelLength(qint32(txtCode.Text().size()));
    }
}

void ZEVCodeDescription::txtCode_Change()
{
    setDescription(QString());
    primaryKey_.clear();
    host_.RaiseEvent(CodeChangeEvent);
    if (raiseUnload() == 0)
        loaded_ = false;
    else
        setCode(LastAssignedCode); // the record's description and key stay cleared
}

void ZEVCodeDescription::txtCode_LostFocus()
{
    // A code that no search confirmed does not outlive the focus.
    if (!loaded_)
        Clear();
}

void ZEVCodeDescription::cmdSearch_Click()
{
    qint16 keyCode = KeyCodes::F3;
    qint16 shift = 0;
    txtCode_KeyDown(keyCode, shift);
}

} // namespace zev
