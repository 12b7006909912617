#include "descriptiononly/ZEVDescriptionOnly.h"

#include "framework/LookupProperties.h"
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

} // namespace

ZEVDescriptionOnly::ZEVDescriptionOnly(ControlHost& host)
    : LookupControl(host),
      txtDescription(createWidget<FlatEdit>(host, txtDescriptionDesign())),
      cmdSearch(createWidget<PushButton>(host, searchButtonDesign(2880)))
{
    Parts parts;
    parts.searchBox = &txtDescription;
    parts.widgets = {&cmdSearch, &txtDescription};
    parts.boxes = {{colourPart(txtDescription), &BackColorSetting, Colors::White}};
    parts.fonts = {&txtDescription.font()};
    attach(std::move(parts));
    txtDescription.onChange = [this] { txtDescription_Change(); };
    cmdSearch.onClick = [this] { cmdSearch_Click(); };
}

ZEVDescriptionOnly::~ZEVDescriptionOnly() = default;

const ClassDescriptor& ZEVDescriptionOnly::descriptor()
{
    static const ClassDescriptor d = lookup::descriptor<ZEVDescriptionOnly>(
        QStringLiteral("ZEVDescriptionOnly"), 3255, 285,
        buildMemberTable(
            lookup::members(
                QStringLiteral("ControlDescription ControlSearch"),
                QStringLiteral("Appearance BackColor Description Enabled FieldPkey Font FontBold FontItalic FontStrikethrough FontUnderline FontSize ForeColor Loaded Locked PrimaryKey ShowF3"),
                QStringLiteral("About Clear ForceSearch")),
            {{QStringLiteral("About"), DispId::AboutBox}}, {QStringLiteral("PrimaryKey")}),
        lookup::events(QStringLiteral("DescChange"), {}));
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

void ZEVDescriptionOnly::Resize()
{
    // Both widgets take the whole height, however low.
    const float height = host_.ScaleHeight();
    cmdSearch.setHeight(height);
    txtDescription.setHeight(height);
    arrangeSearchButton(showF3_);
}

void ZEVDescriptionOnly::arrangeSearchButton(bool showButton)
{
    const float width = host_.ScaleWidth();
    cmdSearch.setVisible(showButton);
    cmdSearch.setLeft(width - cmdSearch.Width());
    const float boxWidth = showButton ? width - cmdSearch.Width() - Gap : width;
    // Narrower than the button and its gap: the box collapses rather than overlap the button.
    txtDescription.setWidth(boxWidth < 0 ? 0 : boxWidth);
}

const LookupControl::PersistedProperties& ZEVDescriptionOnly::persisted() const
{
    using C = ZEVDescriptionOnly;
    static const PersistedProperties properties = [] {
        std::vector<lookup::Property> p;
        p.push_back(lookup::property<C>(QStringLiteral("Appearance"), qint32(0), VariantConvert::toLong,
                                        &C::Appearance, &C::setAppearance));
        p.push_back(lookup::colour<C>(QStringLiteral("BackColor"), Colors::White, &C::BackColor, &C::setBackColor));
        p.push_back(lookup::text<C>(QStringLiteral("Description"), &C::Description, &C::setDescription));
        p.push_back(lookup::fontName<C>(QStringLiteral("Font"), &C::Font));
        p.push_back(lookup::colour<C>(QStringLiteral("ForeColor"), Colors::Black, &C::ForeColor, &C::setForeColor));
        p.push_back(lookup::text<C>(QStringLiteral("PrimaryKey"), &C::PrimaryKey, &C::setPrimaryKey));
        lookup::addShared<C>(p);
        const QString stored = QStringLiteral(
            "Appearance BackColor Description Enabled FieldPkey Font FontBold FontItalic FontStrikethrough FontSize FontUnderline ForeColor Loaded Locked PrimaryKey ShowF3");
        return lookup::ordered(
            std::move(p),
            QStringLiteral("Appearance BackColor Enabled FieldPkey Loaded Locked Description ForeColor PrimaryKey ShowF3"),
            stored, stored);
    }();
    return properties;
}

// ---- Properties ------------------------------------------------------------

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
    // White when locked; a disabled box keeps the colour until enabled again.
    applyBackColor(colourPart(txtDescription), BackColorSetting, cocValor, true, false, QStringLiteral("BackColor"));
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

zev::Font& ZEVDescriptionOnly::Font() { return txtDescription.font(); }

void ZEVDescriptionOnly::setFont(const FontDesc& fValor)
{
    lookup::copyDescriptionFont(txtDescription.font(), fValor);
    host_.PropertyChanged(QStringLiteral("Font"));
}

// Copied by value first, so that assigning the box's own font to it reads unchanged attributes.
void ZEVDescriptionOnly::setFont(const zev::Font& fValor) { setFont(FontDesc(fValor.value())); }

OleColor ZEVDescriptionOnly::ForeColor() const { return txtDescription.ForeColor(); }

void ZEVDescriptionOnly::setForeColor(OleColor ocValor)
{
    applyForeColor(colourPart(txtDescription), ocValor, QStringLiteral("ForeColor"));
}

// ---- Methods ---------------------------------------------------------------

void ZEVDescriptionOnly::About() { frmAbout::ShowFor(host_, QStringLiteral("ZEVDescriptionOnly")); }

void ZEVDescriptionOnly::Clear()
{
    // The primary key stays: only a search or the host changes it.
    setDescription(QString());
    host_.RaiseEvent(UnloadEvent);
}

// Always the key's search, never the button's: no Load, no focus change.
void ZEVDescriptionOnly::ForceSearch(eSource& Source) { forceSearch(Source); }

// ---- Widget events ---------------------------------------------------------

void ZEVDescriptionOnly::searchBox_KeyDown(qint16& KeyCode, qint16& /*Shift*/)
{
    SearchAnswer answer;
    if (!searchFromKey(KeyCode, SearchEvent, answer))
        return;
    // The typed text, the caret and the focus stay as they are.
    loaded_ = answer.success;
    primaryKey_ = answer.success ? answer.primaryKey : QString();
}

void ZEVDescriptionOnly::txtDescription_Change()
{
    host_.RaiseEvent(DescChangeEvent);
    writeBackKeepingCaret(txtDescription, [this](const QString& typed) { setDescription(typed); });
}

void ZEVDescriptionOnly::cmdSearch_Click()
{
    if (takeAnswer(raiseSearch(SearchEvent, F3), LoadEvent))
        selectAll(txtDescription);
    txtDescription.SetFocus();
}

} // namespace zev
