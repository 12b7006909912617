#include "codedescription/ZEVCodeDescription.h"

#include "framework/ControlError.h"
#include "framework/LookupProperties.h"
#include "framework/VariantConvert.h"
#include "framework/frmAbout.h"
#include "framework/modFunctions.h"

#include <algorithm>

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


} // namespace

ZEVCodeDescription::ZEVCodeDescription(ControlHost& host)
    : CodeLookupControl(host),
      txtCode(createWidget<FlatEdit>(host, txtCodeDesign())),
      cmdSearch(createWidget<PushButton>(host, searchButtonDesign(960))),
      panDescription(createWidget<SSPanel>(host, panDescriptionDesign()))
{
    Parts parts;
    parts.searchBox = &txtCode;
    parts.codeBox = &txtCode;
    parts.widgets = {&txtCode, &cmdSearch, &panDescription};
    // Locked, the code box shows white and the panel the button face.
    parts.boxes = {{colourPart(txtCode), &codeBackColorSetting_, Colors::White},
                   {colourPart(panDescription), &descriptionBackColorSetting_, Colors::ButtonFace}};
    parts.fonts = {&txtCode.font(), &panDescription.font()};
    parts.descriptionFont = &panDescription.font();
    parts.descriptionColours = colourPart(panDescription);
    attach(std::move(parts));
    txtCode.onChange = [this] { txtCode_Change(); };
    txtCode.onLostFocus = [this] { txtCode_LostFocus(); };
    cmdSearch.onClick = [this] { searchAsF3(); };
}

ZEVCodeDescription::~ZEVCodeDescription() = default;

const ClassDescriptor& ZEVCodeDescription::descriptor()
{
    static const ClassDescriptor d = lookup::descriptor<ZEVCodeDescription>(
        QStringLiteral("ZEVCodeDescription"), 4215,
        225, // the code box's height: the row starts at its design heights
        buildMemberTable(
            lookup::members(
                QStringLiteral("ControlCode ControlDescription ControlSearch"),
                QStringLiteral("Appearance Code CodeBackColor CodeFont CodeForeColor CodeMaxLength CodeSize Description DescriptionBackColor DescriptionFont DescriptionForeColor Enabled FieldPkey FontBold FontItalic FontStrikethrough FontUnderline FontSize FillZeros Loaded Locked PrimaryKey ShowF3"),
                QStringLiteral("About Clear ForceSearch")),
            {{QStringLiteral("About"), DispId::AboutBox},
             {QStringLiteral("Clear"), DispId::Refresh},
             {QStringLiteral("CodeFont"), DispId::Font},
             {QStringLiteral("Enabled"), DispId::Enabled}},
            {QStringLiteral("Loaded"), QStringLiteral("PrimaryKey"), QStringLiteral("ControlCode"),
             QStringLiteral("ControlDescription"), QStringLiteral("ControlSearch")}),
        lookup::events(QStringLiteral("CodeChange DescChange"), {QStringLiteral("Cancel")}), QStringLiteral("Search"));
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
    arrangeSearchButton(showF3_);
}

void ZEVCodeDescription::arrangeSearchButton(bool showButton)
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

const LookupControl::PersistedProperties& ZEVCodeDescription::persisted() const
{
    using C = ZEVCodeDescription;
    static const PersistedProperties properties = [] {
        std::vector<lookup::Property> p;
        p.push_back(lookup::text<C>(QStringLiteral("PrimaryKey"), &C::PrimaryKey, &C::setPrimaryKey));
        p.push_back(lookup::property<C>(QStringLiteral("Appearance"), qint32(0), VariantConvert::toLong,
                                        &C::Appearance, &C::setAppearance));
        lookup::addCodeRow<C>(p, Colors::ButtonFace);
        lookup::addShared<C>(p);
        // Fonts stay as designed when new.
        const QString initOrder = QStringLiteral(
            "Appearance CodeBackColor CodeForeColor CodeSize CodeMaxLength DescriptionBackColor DescriptionForeColor Enabled FieldPkey FillZeros Locked Loaded Code Description PrimaryKey ShowF3");
        return lookup::ordered(
            std::move(p), initOrder,
            QStringLiteral("Appearance Code CodeBackColor CodeFont CodeForeColor CodeMaxLength CodeSize Description DescriptionBackColor DescriptionFont DescriptionForeColor Enabled FieldPkey FillZeros FontBold FontItalic FontStrikethrough FontSize FontUnderline Loaded Locked PrimaryKey ShowF3"),
            QStringLiteral("Appearance Code CodeBackColor CodeFont CodeForeColor CodeSize CodeMaxLength Description DescriptionFont DescriptionBackColor DescriptionForeColor Enabled FieldPkey FillZeros FontBold FontItalic FontStrikethrough FontSize FontUnderline Loaded Locked PrimaryKey ShowF3"));
    }();
    return properties;
}

// ---- Properties ------------------------------------------------------------

void ZEVCodeDescription::setCode(const QString& sValor)
{
    LastAssignedCode = sValor;
    txtCode.setText(sValor); // a real change runs txtCode_Change before this returns
    host_.RaiseEvent(CodeChangeEvent);
    host_.PropertyChanged(QStringLiteral("Code"));
}

void ZEVCodeDescription::setAppearance(qint32 eaValor)
{
    const qint16 appearance = narrowAppearance(eaValor);
    txtCode.setAppearance(appearance);
    cmdSearch.setAppearance(appearance);
    host_.PropertyChanged(QStringLiteral("Appearance"));
}

void ZEVCodeDescription::setCodeFont(const FontDesc& tfValor)
{
    applyCodeFont(Font(tfValor));
}

// Copied by value first, so that assigning a widget's own font to it reads unchanged attributes.
void ZEVCodeDescription::setCodeFont(const Font& tfValor) { setCodeFont(FontDesc(tfValor.value())); }

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
    applyCodeSize(std::clamp<qint16>(iValor, 1, MaxCodeSize), CodeSizeUnit);
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

void ZEVCodeDescription::setDescriptionFont(const FontDesc& fValor)
{
    lookup::copyCodeFont(panDescription.font(), fValor);
    host_.PropertyChanged(QStringLiteral("DescriptionFont"));
}

void ZEVCodeDescription::setDescriptionFont(const Font& fValor) { setDescriptionFont(FontDesc(fValor.value())); }

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

void ZEVCodeDescription::ForceSearch(eSource& Source) { forceSearch(Source); }

// ---- Widget events ---------------------------------------------------------

void ZEVCodeDescription::searchBox_KeyDown(qint16& KeyCode, qint16& /*Shift*/)
{
    SearchAnswer answer;
    // Not found: the whole code selected, so the user can type it again at once.
    if (searchFromKey(KeyCode, SearchEvent, answer) && !takeAnswer(answer, LoadEvent))
        selectAll(txtCode);
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

} // namespace zev
