#include "descriptiononly/ZEVDescriptionOnly.h"

#include "framework/ControlError.h"
#include "framework/KeyCodes.h"
#include "framework/VariantConvert.h"
#include "framework/frmAbout.h"

namespace zev {

namespace {

constexpr float Gap = 30;

WidgetDesign txtDescriptionDesign()
{
    return WidgetDesign::make(QStringLiteral("txtDescription"), WidgetKind::FlatEdit, 0, 0, 2835, 285,
                              FontDesc{QStringLiteral("Tahoma"), 8.25});
}

WidgetDesign cmdSearchDesign()
{
    WidgetDesign d = WidgetDesign::make(QStringLiteral("cmdSearch"), WidgetKind::PushButton, 2880, 0, 375, 255,
                                        FontDesc{QStringLiteral("Tahoma"), 8.25}.bolded(), QStringLiteral("F3"));
    d.focusOnClick = false; // a click searches the text just typed
    return d;
}

// The widgets' appearance is an Integer; a code beyond it overflows as the container's conversion does.
qint16 narrowAppearance(qint32 value) { return VariantConvert::toInteger(QVariant(value)); }

QVariant colorValue(OleColor color) { return QVariant(qint32(color)); }

} // namespace

ZEVDescriptionOnly::ZEVDescriptionOnly(ControlHost& host)
    : Control(host),
      txtDescription(createWidget<FlatEdit>(host, txtDescriptionDesign())),
      cmdSearch(createWidget<PushButton>(host, cmdSearchDesign()))
{
    txtDescription.onKeyDown = [this](qint16& KeyCode, qint16& Shift) { txtDescription_KeyDown(KeyCode, Shift); };
    txtDescription.onChange = [this] { txtDescription_Change(); };
    cmdSearch.onClick = [this] { cmdSearch_Click(); };
}

ZEVDescriptionOnly::~ZEVDescriptionOnly()
{
    // The host owns the widgets and may outlive this control: nothing of ours may answer them afterwards.
    txtDescription.clearHandlers();
    cmdSearch.clearHandlers();
}

const ClassDescriptor& ZEVDescriptionOnly::descriptor()
{
    static const ClassDescriptor d = [] {
        ClassDescriptor c;
        c.className = QStringLiteral("ZEVDescriptionOnly");
        c.designWidth = 3255;
        c.designHeight = 285;
        const auto property = MemberKind::Property;
        const auto accessor = MemberKind::WidgetAccessor;
        const auto method = MemberKind::Method;
        c.members = buildMemberTable(
            {
                {QStringLiteral("ControlDescription"), accessor},
                {QStringLiteral("ControlSearch"), accessor},
                {QStringLiteral("Appearance"), property},
                {QStringLiteral("BackColor"), property},
                {QStringLiteral("Description"), property},
                {QStringLiteral("Enabled"), property},
                {QStringLiteral("FieldPkey"), property},
                {QStringLiteral("Font"), property},
                {QStringLiteral("FontBold"), property},
                {QStringLiteral("FontItalic"), property},
                {QStringLiteral("FontStrikethrough"), property},
                {QStringLiteral("FontUnderline"), property},
                {QStringLiteral("FontSize"), property},
                {QStringLiteral("ForeColor"), property},
                {QStringLiteral("Loaded"), property},
                {QStringLiteral("Locked"), property},
                {QStringLiteral("PrimaryKey"), property},
                {QStringLiteral("ShowF3"), property},
                {QStringLiteral("About"), method},
                {QStringLiteral("Clear"), method},
                {QStringLiteral("ForceSearch"), method},
            },
            {{QStringLiteral("About"), DispId::AboutBox}}, {QStringLiteral("PrimaryKey")});
        c.events = buildEventTable({
            {QStringLiteral("DescChange"), {}},
            {QStringLiteral("Search"), {QStringLiteral("PrimaryKey"), QStringLiteral("Success"), QStringLiteral("Source")}},
            {QStringLiteral("Load"), {}},
            {QStringLiteral("Unload"), {}},
        });
        c.create = [](ControlHost& host) -> std::unique_ptr<Control> {
            return std::make_unique<ZEVDescriptionOnly>(host);
        };
        return c;
    }();
    return d;
}

// ---- Lifecycle -------------------------------------------------------------

void ZEVDescriptionOnly::Initialize()
{
    ControlDescription_ = &txtDescription;
    ControlSearch_ = &cmdSearch;
}

void ZEVDescriptionOnly::Terminate()
{
    ControlDescription_ = nullptr;
    ControlSearch_ = nullptr;
}

void ZEVDescriptionOnly::InitProperties()
{
    setAppearance(0);
    setBackColor(Colors::White);
    setEnabled(true);
    setFieldPkey(QString());
    setLoaded(false);
    setLocked(false);
    setDescription(QString());
    setForeColor(Colors::Black);
    setPrimaryKey(QString());
    setShowF3(true);
}

void ZEVDescriptionOnly::ReadProperties(PropertyBag& bag)
{
    using namespace VariantConvert;
    setAppearance(toLong(bag.ReadProperty(QStringLiteral("Appearance"), qint32(0))));
    setBackColor(toColor(bag.ReadProperty(QStringLiteral("BackColor"), colorValue(Colors::White))));
    setDescription(toString(bag.ReadProperty(QStringLiteral("Description"), QString())));
    setEnabled(toBoolean(bag.ReadProperty(QStringLiteral("Enabled"), true)));
    setFieldPkey(toString(bag.ReadProperty(QStringLiteral("FieldPkey"), QString())));
    // A stored font gives back its name only; the attributes come from the Font... keys below.
    txtDescription.font().setName(
        toFont(bag.ReadProperty(QStringLiteral("Font"), QVariant::fromValue(txtDescription.font().value()))).name);
    setFontBold(toBoolean(bag.ReadProperty(QStringLiteral("FontBold"), false)));
    setFontItalic(toBoolean(bag.ReadProperty(QStringLiteral("FontItalic"), false)));
    setFontStrikethrough(toBoolean(bag.ReadProperty(QStringLiteral("FontStrikethrough"), false)));
    setFontSize(toLong(bag.ReadProperty(QStringLiteral("FontSize"), qint32(8))));
    setFontUnderline(toBoolean(bag.ReadProperty(QStringLiteral("FontUnderline"), false)));
    setForeColor(toColor(bag.ReadProperty(QStringLiteral("ForeColor"), colorValue(Colors::Black))));
    setLoaded(toBoolean(bag.ReadProperty(QStringLiteral("Loaded"), false)));
    setLocked(toBoolean(bag.ReadProperty(QStringLiteral("Locked"), false)));
    setPrimaryKey(toString(bag.ReadProperty(QStringLiteral("PrimaryKey"), QString())));
    setShowF3(toBoolean(bag.ReadProperty(QStringLiteral("ShowF3"), true)));
}

void ZEVDescriptionOnly::WriteProperties(PropertyBag& bag)
{
    bag.WriteProperty(QStringLiteral("Appearance"), Appearance(), qint32(0));
    bag.WriteProperty(QStringLiteral("BackColor"), colorValue(BackColor()), colorValue(Colors::White));
    bag.WriteProperty(QStringLiteral("Description"), Description(), QString());
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled(), true);
    bag.WriteProperty(QStringLiteral("FieldPkey"), FieldPkey(), QString());
    bag.WriteProperty(QStringLiteral("Font"), QVariant::fromValue(txtDescription.font().value()));
    bag.WriteProperty(QStringLiteral("FontBold"), FontBold(), false);
    bag.WriteProperty(QStringLiteral("FontItalic"), FontItalic(), false);
    bag.WriteProperty(QStringLiteral("FontStrikethrough"), FontStrikethrough(), false);
    bag.WriteProperty(QStringLiteral("FontSize"), FontSize(), qint32(8));
    bag.WriteProperty(QStringLiteral("FontUnderline"), FontUnderline(), false);
    bag.WriteProperty(QStringLiteral("ForeColor"), colorValue(ForeColor()), colorValue(Colors::Black));
    bag.WriteProperty(QStringLiteral("Loaded"), Loaded(), false);
    bag.WriteProperty(QStringLiteral("Locked"), Locked(), false);
    bag.WriteProperty(QStringLiteral("PrimaryKey"), PrimaryKey(), QString());
    bag.WriteProperty(QStringLiteral("ShowF3"), ShowF3(), true);
}

void ZEVDescriptionOnly::Resize()
{
    // Both widgets take the whole height, however low.
    const float height = host_.ScaleHeight();
    cmdSearch.setHeight(height);
    txtDescription.setHeight(height);
    ArrangeSearchButton(showF3_);
}

void ZEVDescriptionOnly::ArrangeSearchButton(bool showButton)
{
    const float width = host_.ScaleWidth();
    cmdSearch.setVisible(showButton);
    cmdSearch.setLeft(width - cmdSearch.Width());
    const float boxWidth = showButton ? width - cmdSearch.Width() - Gap : width;
    // Narrower than the button and its gap: the box collapses rather than overlap the button.
    txtDescription.setWidth(boxWidth < 0 ? 0 : boxWidth);
}

// ---- Properties ------------------------------------------------------------

qint32 ZEVDescriptionOnly::Appearance() const { return txtDescription.Appearance(); }

void ZEVDescriptionOnly::setAppearance(qint32 eaValor)
{
    const qint16 appearance = narrowAppearance(eaValor);
    cmdSearch.setAppearance(appearance);
    txtDescription.setAppearance(appearance);
    host_.PropertyChanged(QStringLiteral("Appearance"));
}

OleColor ZEVDescriptionOnly::BackColor() const { return txtDescription.BackColor(); }

void ZEVDescriptionOnly::setBackColor(OleColor cocValor)
{
    BackColorSetting = cocValor;
    txtDescription.setBackColor(cocValor);
    if (Locked())
        txtDescription.setBackColor(Colors::White);
    host_.PropertyChanged(QStringLiteral("BackColor"));
}

QString ZEVDescriptionOnly::Description() const { return txtDescription.Text(); }

void ZEVDescriptionOnly::setDescription(const QString& sValor)
{
    // The text as given: the box is also the search text, blanks and all.
    txtDescription.setText(sValor); // a real change runs txtDescription_Change before this returns
    if (!sValor.isEmpty()) {
        loaded_ = true;
        host_.RaiseEvent(LoadEvent);
    } else {
        loaded_ = false;
        host_.RaiseEvent(UnloadEvent);
    }
    host_.PropertyChanged(QStringLiteral("Description"));
    host_.RaiseEvent(DescChangeEvent);
}

bool ZEVDescriptionOnly::Enabled() const { return txtDescription.Enabled(); }

void ZEVDescriptionOnly::setEnabled(bool bValor)
{
    cmdSearch.setEnabled(bValor);
    txtDescription.setEnabled(bValor);
    txtDescription.setBackColor(bValor ? BackColorSetting : Colors::ButtonFace);
    host_.PropertyChanged(QStringLiteral("Enabled"));
}

void ZEVDescriptionOnly::setFieldPkey(const QString& sValor)
{
    fieldPkey_ = sValor;
    host_.PropertyChanged(QStringLiteral("FieldPkey"));
}

zev::Font& ZEVDescriptionOnly::Font() { return txtDescription.font(); }

void ZEVDescriptionOnly::setFont(const FontDesc& fValor)
{
    zev::Font& font = txtDescription.font();
    font.setBold(fValor.bold);
    font.setCharset(fValor.charset);
    font.setItalic(fValor.italic);
    font.setName(fValor.name);
    font.setSize(fValor.size);
    font.setStrikethrough(fValor.strikethrough);
    font.setUnderline(fValor.underline);
    font.setWeight(fValor.weight);
    host_.PropertyChanged(QStringLiteral("Font"));
}

// Copied by value first, so that assigning the box's own font to it reads unchanged attributes.
void ZEVDescriptionOnly::setFont(const zev::Font& fValor) { setFont(FontDesc(fValor.value())); }

bool ZEVDescriptionOnly::FontBold() const { return txtDescription.font().Bold(); }

void ZEVDescriptionOnly::setFontBold(bool bValor)
{
    txtDescription.font().setBold(bValor);
    host_.PropertyChanged(QStringLiteral("FontBold"));
}

bool ZEVDescriptionOnly::FontItalic() const { return txtDescription.font().Italic(); }

void ZEVDescriptionOnly::setFontItalic(bool bValor)
{
    txtDescription.font().setItalic(bValor);
    host_.PropertyChanged(QStringLiteral("FontItalic"));
}

bool ZEVDescriptionOnly::FontStrikethrough() const { return txtDescription.font().Strikethrough(); }

void ZEVDescriptionOnly::setFontStrikethrough(bool bValor)
{
    txtDescription.font().setStrikethrough(bValor);
    host_.PropertyChanged(QStringLiteral("FontStrikethrough"));
}

bool ZEVDescriptionOnly::FontUnderline() const { return txtDescription.font().Underline(); }

void ZEVDescriptionOnly::setFontUnderline(bool bValor)
{
    txtDescription.font().setUnderline(bValor);
    host_.PropertyChanged(QStringLiteral("FontUnderline"));
}

qint32 ZEVDescriptionOnly::FontSize() const { return VariantConvert::toLong(QVariant(txtDescription.font().Size())); }

void ZEVDescriptionOnly::setFontSize(qint32 lValor)
{
    txtDescription.font().setSize(lValor);
    host_.PropertyChanged(QStringLiteral("FontSize"));
}

OleColor ZEVDescriptionOnly::ForeColor() const { return txtDescription.ForeColor(); }

void ZEVDescriptionOnly::setForeColor(OleColor ocValor)
{
    txtDescription.setForeColor(ocValor);
    host_.PropertyChanged(QStringLiteral("ForeColor"));
}

bool ZEVDescriptionOnly::Locked() const { return txtDescription.Locked(); }

void ZEVDescriptionOnly::setLocked(bool bValor)
{
    txtDescription.setLocked(bValor);
    txtDescription.setBackColor(bValor ? Colors::White : BackColorSetting);
}

void ZEVDescriptionOnly::setShowF3(bool bValor)
{
    showF3_ = bValor;
    ArrangeSearchButton(bValor);
    host_.PropertyChanged(QStringLiteral("ShowF3"));
}

// ---- Methods ---------------------------------------------------------------

void ZEVDescriptionOnly::About() { frmAbout::ShowFor(host_, QStringLiteral("ZEVDescriptionOnly")); }

void ZEVDescriptionOnly::Clear()
{
    // The primary key stays: only a search or the host changes it.
    setDescription(QString());
    host_.RaiseEvent(UnloadEvent);
}

void ZEVDescriptionOnly::ForceSearch(eSource& Source)
{
    // Always the key's search, never the button's: no Load, no focus change.
    qint16 shift = 0;
    qint16 keyCode;
    if (Source == Enter)
        keyCode = KeyCodes::Return;
    else if (Source == F3)
        keyCode = KeyCodes::F3;
    else
        return;
    txtDescription_KeyDown(keyCode, shift);
}

// ---- Widget events ---------------------------------------------------------

void ZEVDescriptionOnly::txtDescription_KeyDown(qint16& KeyCode, qint16& /*Shift*/)
{
    eSource source;
    if (KeyCode == KeyCodes::Return)
        source = Enter;
    else if (KeyCode == KeyCodes::F3)
        source = F3;
    else
        return;

    QVariantList arguments{QString(), false, qint32(source)};
    host_.RaiseEvent(SearchEvent, arguments);
    // A handler may leave any type in the slots (or drop them): read them as the container would.
    const QString primaryKey = VariantConvert::toString(arguments.value(0));
    const bool success = VariantConvert::toBoolean(arguments.value(1));
    // The typed text, the caret and the focus stay as they are.
    loaded_ = success;
    primaryKey_ = success ? primaryKey : QString();
}

void ZEVDescriptionOnly::txtDescription_Change()
{
    host_.RaiseEvent(DescChangeEvent);
    // Setting Description writes the typed text back, which would put the
    // caret at 0 under the user's next key: keep the user's caret.
    const QString typed = txtDescription.Text();
    const qint32 start = txtDescription.SelStart();
    const qint32 length = txtDescription.SelLength();
    setDescription(typed);
    if (txtDescription.Text() == typed) {
        txtDescription.setSelStart(start);
        txtDescription.setSelLength(length);
    }
}

void ZEVDescriptionOnly::cmdSearch_Click()
{
    QVariantList arguments{QString(), false, qint32(F3)};
    host_.RaiseEvent(SearchEvent, arguments);
    const QString primaryKey = VariantConvert::toString(arguments.value(0));
    const bool success = VariantConvert::toBoolean(arguments.value(1));
    if (success) {
        loaded_ = true;
        primaryKey_ = primaryKey;
        host_.RaiseEvent(LoadEvent);
        txtDescription.setSelStart(0);
        txtDescription.setSelLength(qint32(txtDescription.Text().size()));
        txtDescription.SetFocus();
    } else {
        setDescription(QString());
        loaded_ = false;
        primaryKey_.clear();
        txtDescription.SetFocus();
    }
}

} // namespace zev
