#include "numeric/ZEVNumeric.h"

#include "framework/ControlError.h"
#include "framework/VariantConvert.h"
#include "framework/modFunctions.h"
#include "numeric/NumberEngine.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zev {

namespace {

constexpr float DesignWidth = 1140;
constexpr float DesignHeight = 525;

WidgetDesign txtValueDesign()
{
    return WidgetDesign::make(QStringLiteral("txtValue"), WidgetKind::FlatEdit, 0, 0, DesignWidth, DesignHeight,
                              FontDesc{QStringLiteral("Tahoma"), 8.25});
}

// Blanks as the control trims them: spaces only.
QString trimmed(const QString& s) { return modFunctions::TrimSpaces(s).toString(); }

// The four texts a user may type on the way to a number.
bool isStartOfNumber(const QString& s)
{
    return s == QLatin1String("-") || s == QLatin1String("+") || s == QLatin1String(",")
        || s == QLatin1String(".");
}

// An argument a handler may have changed: keep the old value when it left junk.
qint16 integerArgument(const QVariant& v, qint16 previous)
{
    try {
        return VariantConvert::toInteger(v);
    } catch (const ControlError&) {
        return previous;
    }
}

} // namespace

const ClassDescriptor& ZEVNumeric::descriptor()
{
    static const ClassDescriptor d = [] {
        ClassDescriptor c;
        c.className = QStringLiteral("ZEVNumeric");
        c.designWidth = DesignWidth;
        c.designHeight = DesignHeight;
        using K = MemberKind;
        c.members = buildMemberTable(
            {
                {QStringLiteral("ControlText"), K::WidgetAccessor},
                {QStringLiteral("Appearance"), K::Property},
                {QStringLiteral("AllowNegative"), K::Property},
                {QStringLiteral("Font"), K::Property},
                {QStringLiteral("StartZero"), K::Property},
                {QStringLiteral("BackColor"), K::Property},
                {QStringLiteral("CustomFormat"), K::Property},
                {QStringLiteral("Enabled"), K::Property},
                {QStringLiteral("ForeColorNegative"), K::Property},
                {QStringLiteral("ForeColorPositive"), K::Property},
                {QStringLiteral("ForeColorZero"), K::Property},
                {QStringLiteral("Format"), K::Property},
                {QStringLiteral("Locked"), K::Property},
                {QStringLiteral("Text"), K::Property},
                {QStringLiteral("AboutBox"), K::Method},
            },
            {{QStringLiteral("AboutBox"), DispId::AboutBox}}, {});
        c.events = buildEventTable({
            {QStringLiteral("Change"), {}},
            {QStringLiteral("KeyDown"), {QStringLiteral("KeyCode"), QStringLiteral("Shift")}},
            {QStringLiteral("KeyPress"), {QStringLiteral("KeyAscii")}},
            {QStringLiteral("KeyUp"), {QStringLiteral("KeyCode"), QStringLiteral("Shift")}},
        });
        c.create = [](ControlHost& host) -> std::unique_ptr<Control> { return std::make_unique<ZEVNumeric>(host); };
        return c;
    }();
    return d;
}

ZEVNumeric::ZEVNumeric(ControlHost& host)
    : Control(host), txtValue_(createWidget<FlatEdit>(host, txtValueDesign()))
{
    txtValue_.onChange = [this] { onChange(); };
    txtValue_.onGotFocus = [this] { onGotFocus(); };
    txtValue_.onLostFocus = [this] { onLostFocus(); };
    txtValue_.onKeyDown = [this](qint16& keyCode, qint16& shift) { raiseKeyEvent(KeyDown, keyCode, shift); };
    txtValue_.onKeyUp = [this](qint16& keyCode, qint16& shift) { raiseKeyEvent(KeyUp, keyCode, shift); };
    txtValue_.onKeyPress = [this](qint16& keyAscii) {
        QVariantList args{QVariant::fromValue(keyAscii)};
        host_.RaiseEvent(KeyPress, args);
        keyAscii = integerArgument(args.value(0), keyAscii);
    };
}

ZEVNumeric::~ZEVNumeric()
{
    // The host owns the edit box and may outlive this control.
    txtValue_.clearHandlers();
}

const NumberEngine& ZEVNumeric::engine() { return NumberEngine::current(); }

void ZEVNumeric::raiseKeyEvent(int event, qint16& keyCode, qint16& shift)
{
    QVariantList args{QVariant::fromValue(keyCode), QVariant::fromValue(shift)};
    host_.RaiseEvent(event, args);
    keyCode = integerArgument(args.value(0), keyCode);
    shift = integerArgument(args.value(1), shift);
}

// ---- properties ----

qint32 ZEVNumeric::Appearance() const { return txtValue_.Appearance(); }

void ZEVNumeric::setAppearance(qint32 eaValor)
{
    if (eaValor < std::numeric_limits<qint16>::min() || eaValor > std::numeric_limits<qint16>::max())
        throw ControlError(ErrOverflow);
    txtValue_.setAppearance(qint16(eaValor));
    host_.PropertyChanged(QStringLiteral("Appearance"));
}

void ZEVNumeric::setFont(const FontDesc& vData)
{
    txtValue_.font().assign(vData);
    host_.PropertyChanged(QStringLiteral("Font"));
}

void ZEVNumeric::setStartZero(bool bValor)
{
    startZero_ = bValor;
    setText(bValor ? QStringLiteral("0") : QString());
}

void ZEVNumeric::setCustomFormat(const QString& sValor)
{
    // A pattern is accepted only while the field holds a value that the
    // pattern still shows as a readable number.
    double probe;
    if (!engine().tryRead(engine().formatText(txtValue_.Text(), NumberEngine::Format::Pattern, sValor), probe))
        return;
    if (trimmed(sValor).isEmpty())
        return;
    customFormat_ = sValor;
    setFormat(CustomFormatation);
    txtValue_.setText(engine().formatText(txtValue_.Text(), NumberEngine::Format::Pattern, sValor));
    host_.PropertyChanged(QStringLiteral("CustomFormat"));
}

void ZEVNumeric::setSignColor(OleColor& slot, OleColor ocValor, SignTest test)
{
    slot = ocValor;
    const QString t = txtValue_.Text();
    if (t.isEmpty())
        return;
    // An unreadable text (a lone "-") fails here with type mismatch, colour kept.
    const double n = engine().read(t);
    const bool passes = test == SignTest::Negative ? n < 0 : test == SignTest::Positive ? n > 0 : n == 0;
    if (passes)
        txtValue_.setForeColor(ocValor);
}

void ZEVNumeric::setForeColorNegative(OleColor ocValor) { setSignColor(foreColorNegative_, ocValor, SignTest::Negative); }
void ZEVNumeric::setForeColorPositive(OleColor ocValor) { setSignColor(foreColorPositive_, ocValor, SignTest::Positive); }
void ZEVNumeric::setForeColorZero(OleColor ocValor) { setSignColor(foreColorZero_, ocValor, SignTest::Zero); }

void ZEVNumeric::setFormat(qint32 etfValor)
{
    if (etfValor != CustomFormatation)
        customFormat_.clear();
    format_ = etfValor;
    leaveField();
    host_.PropertyChanged(QStringLiteral("Format"));
}

// ---- text ----

QString ZEVNumeric::displayed(const QString& text) const
{
    switch (format_) {
    case StandardFormatation: return engine().formatText(text, NumberEngine::Format::Standard);
    case CurrencyFormatation: return engine().formatText(text, NumberEngine::Format::Currency);
    case CustomFormatation: return engine().formatText(text, NumberEngine::Format::Pattern, customFormat_);
    default: return text;
    }
}

void ZEVNumeric::colourBySign(double n)
{
    txtValue_.setForeColor(n < 0 ? foreColorNegative_ : n > 0 ? foreColorPositive_ : foreColorZero_);
}

QString ZEVNumeric::Text() const
{
    const QString t = trimmed(txtValue_.Text());
    if (t.isEmpty())
        return QString();
    double n;
    if (engine().tryRead(t, n))
        return engine().general(engine().read(txtValue_.Text()));
    return QStringLiteral("0");
}

void ZEVNumeric::setText(const QString& s) { assignCaught(s, false); }

void ZEVNumeric::clearValue()
{
    // The change handling would put the zero back while StartZero holds.
    const bool startZero = startZero_;
    startZero_ = false;
    struct Restore {
        bool& flag;
        bool value;
        ~Restore() { flag = value; }
    } restore{startZero_, startZero};
    setText(QString());
}

void ZEVNumeric::assignCaught(const QString& s, bool leaving)
{
    // Type mismatch falls back to the last readable value, overflow to zero;
    // any other failure skips its step and the assignment goes on.
    try {
        assignText(s, leaving);
    } catch (const ControlError& e) {
        try {
            if (e.Number() == ErrTypeMismatch)
                txtValue_.setText(engine().general(lastNumericValue_));
            else if (e.Number() == ErrOverflow)
                txtValue_.setText(QStringLiteral("0"));
        } catch (const ControlError&) {
            // Nothing of a failed assignment reaches the caller.
        }
    }
}

void ZEVNumeric::assignText(const QString& s, bool leaving)
{
    auto step = [](auto&& action) {
        try {
            action();
        } catch (const ControlError& e) {
            if (e.Number() == ErrTypeMismatch || e.Number() == ErrOverflow)
                throw;
        }
    };
    double n = 0;
    if (s.isEmpty()) {
        step([&] { txtValue_.setText(QString()); });
    } else {
        if (isStartOfNumber(s)) {
            step([&] { txtValue_.setText(s); });
            return;
        }
        n = engine().read(s);
        QString shown = s;
        if (n < 0 && !allowNegative_) {
            n = -n;
            shown = engine().general(n);
            // The bare positive number lets the user go on editing; leaving
            // the field gives it the display face like any other value.
            if (!leaving) {
                step([&] { txtValue_.setText(shown); });
                step([&] { txtValue_.setSelStart(qint32(txtValue_.Text().size())); });
                return;
            }
        }
        step([&] { txtValue_.setText(shown); });
        step([&] { colourBySign(n); });
    }
    step([&] {
        if (trimmed(txtValue_.Text()).isEmpty())
            return;
        writingDisplay_ = true;
        struct Reset {
            bool& flag;
            ~Reset() { flag = false; }
        } reset{writingDisplay_};
        txtValue_.setText(displayed(txtValue_.Text()));
    });
}

void ZEVNumeric::onChange()
{
    // Only the change of the display write itself is excused: a text that a
    // Change handler writes during that write is checked like any other.
    const bool ownDisplay = writingDisplay_;
    writingDisplay_ = false;
    const QString t = txtValue_.Text();
    if (!t.isEmpty()) {
        double n;
        if (engine().tryRead(t, n)) {
            lastNumericValue_ = n;
        } else if (isStartOfNumber(t)) {
            // Writing the same sign back would put the caret before it, under
            // the user's next key: keep it where the typing left it.
            const qint32 caret = txtValue_.SelStart();
            setText(t);
            if (txtValue_.Text() == t)
                txtValue_.setSelStart(caret);
        } else if (!ownDisplay) {
            // The last keystroke made the text unreadable: back to the last
            // number, with the caret one place left of where it was.
            const qint32 target = std::max(0, txtValue_.SelStart() - 1);
            setText(engine().general(lastNumericValue_));
            txtValue_.setSelStart(target);
        }
    } else if (startZero_) {
        txtValue_.setText(engine().general(0));
        txtValue_.setSelLength(1);
    }
    if (!suppressChangeEvent_)
        host_.RaiseEvent(Change);
}

void ZEVNumeric::onGotFocus()
{
    suppressChangeEvent_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{suppressChangeEvent_};
    txtValue_.setAlignment(0);
    const QString t = trimmed(txtValue_.Text());
    if (!t.isEmpty()) {
        double n;
        if (engine().tryRead(t, n))
            txtValue_.setText(engine().general(engine().read(txtValue_.Text())));
        else
            txtValue_.setText(QStringLiteral("0"));
    }
    txtValue_.setSelLength(qint32(txtValue_.Text().size()));
}

void ZEVNumeric::onLostFocus() { leaveField(); }

void ZEVNumeric::leaveField()
{
    try {
        suppressChangeEvent_ = true;
        txtValue_.setAlignment(1);
        double n;
        if (!engine().tryRead(trimmed(txtValue_.Text()), n))
            txtValue_.setText(QStringLiteral("0"));
        switch (format_) {
        case StandardFormatation:
        case CurrencyFormatation:
        case CustomFormatation:
            assignCaught(displayed(txtValue_.Text()), true);
            break;
        default:
            break;
        }
        suppressChangeEvent_ = false;
    } catch (const ControlError&) {
        // Keep the user in the field.
        suppressChangeEvent_ = false;
        try {
            txtValue_.SetFocus();
        } catch (const ControlError&) {
        }
    }
}

void ZEVNumeric::AboutBox()
{
    const zev::LibraryVersion v = host_.LibraryVersion();
    const QString message = QStringLiteral("ZEV Suite Controls v%1.%2.%3\r\n%4")
                                .arg(v.major)
                                .arg(v.minor)
                                .arg(v.revision)
                                .arg(QStringLiteral("Desenvolvido pela equipe ZEV Suite Controls"));
    host_.MsgBox(message, 64, QStringLiteral("ZEV Suite Controls"));
}

// ---- lifecycle ----

void ZEVNumeric::Initialize() { controlText_ = &txtValue_; }

void ZEVNumeric::Terminate() { controlText_ = nullptr; }

void ZEVNumeric::InitProperties()
{
    setAppearance(0);
    setAllowNegative(true);
    setBackColor(Colors::White);
    setCustomFormat(QString());
    setEnabled(true);
    setForeColorPositive(Colors::Blue);
    setForeColorNegative(Colors::Red);
    setForeColorZero(Colors::Black);
    setFormat(StandardFormatation);
    setLocked(false);
    setStartZero(true);
    setText(startZero_ ? QStringLiteral("0") : QString());
    Resize();
}

void ZEVNumeric::ReadProperties(PropertyBag& bag)
{
    using namespace VariantConvert;
    setAppearance(toLong(bag.ReadProperty(QStringLiteral("Appearance"), qint16(0))));
    setAllowNegative(toBoolean(bag.ReadProperty(QStringLiteral("AllowNegative"), true)));
    setBackColor(toColor(bag.ReadProperty(QStringLiteral("BackColor"), qint32(Colors::White))));
    setEnabled(toBoolean(bag.ReadProperty(QStringLiteral("Enabled"), true)));
    setForeColorPositive(toColor(bag.ReadProperty(QStringLiteral("ForeColorPositive"), qint32(Colors::Blue))));
    setForeColorNegative(toColor(bag.ReadProperty(QStringLiteral("ForeColorNegative"), qint32(Colors::Red))));
    setForeColorZero(toColor(bag.ReadProperty(QStringLiteral("ForeColorZero"), qint32(Colors::Black))));
    setFormat(toLong(bag.ReadProperty(QStringLiteral("Format"), qint16(0))));
    setLocked(toBoolean(bag.ReadProperty(QStringLiteral("Locked"), false)));
    setStartZero(toBoolean(bag.ReadProperty(QStringLiteral("StartZero"), true)));
    setText(toString(bag.ReadProperty(QStringLiteral("Text"), QStringLiteral("0"))));
    // Last: a pattern is accepted only against the value just restored.
    setCustomFormat(toString(bag.ReadProperty(QStringLiteral("CustomFormat"), QString())));
}

void ZEVNumeric::WriteProperties(PropertyBag& bag)
{
    bag.WriteProperty(QStringLiteral("Appearance"), Appearance(), qint16(0));
    bag.WriteProperty(QStringLiteral("AllowNegative"), AllowNegative(), true);
    bag.WriteProperty(QStringLiteral("BackColor"), qint32(BackColor()), qint32(Colors::White));
    bag.WriteProperty(QStringLiteral("CustomFormat"), CustomFormat(), QString());
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled(), true);
    bag.WriteProperty(QStringLiteral("ForeColorPositive"), qint32(ForeColorPositive()), qint32(Colors::Blue));
    bag.WriteProperty(QStringLiteral("ForeColorNegative"), qint32(ForeColorNegative()), qint32(Colors::Red));
    bag.WriteProperty(QStringLiteral("ForeColorZero"), qint32(ForeColorZero()), qint32(Colors::Black));
    bag.WriteProperty(QStringLiteral("Format"), Format(), qint16(0));
    bag.WriteProperty(QStringLiteral("Locked"), Locked(), false);
    bag.WriteProperty(QStringLiteral("StartZero"), StartZero(), true);
    bag.WriteProperty(QStringLiteral("Text"), Text(), QStringLiteral("0"));
}

void ZEVNumeric::Resize()
{
    txtValue_.setHeight(host_.ScaleHeight());
    txtValue_.setWidth(host_.ScaleWidth());
}

} // namespace zev
