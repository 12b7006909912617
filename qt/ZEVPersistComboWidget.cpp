#include "qt/ZEVPersistComboWidget.h"

#include "qt/QtAdapter.h"

#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace zev {

namespace {
using C = ZEVPersistCombo;

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
} // namespace

ZEVPersistComboWidget::ZEVPersistComboWidget(QWidget* parent, Start start)
    : ZEVControlWidget(C::descriptor(), parent, start)
{
    bindEvent(qOverload<>(&ZEVPersistComboWidget::AddItem));
    bindEvent(qOverload<>(&ZEVPersistComboWidget::RemoveItem));
    bindEvent(&ZEVPersistComboWidget::CodeChange);
    bindEvent(&ZEVPersistComboWidget::DescChange);
    bindEvent(&ZEVPersistComboWidget::Search);
    bindEvent(&ZEVPersistComboWidget::Load);
    bindEvent(&ZEVPersistComboWidget::Unload);
    if (QtAdapter* remove = QtAdapter::of(innerWidget(QStringLiteral("cmdRemoveItem"))))
        if (auto* button = qobject_cast<QPushButton*>(remove->qwidget())) {
            button->setIcon(removeIcon());
            button->setIconSize(QSize(16, 16));
        }
}

void ZEVPersistComboWidget::setAllowItemDuplication(bool bValor)
{
    writeValue(QStringLiteral("AllowItemDuplication"), &C::setAllowItemDuplication, bValor);
}

void ZEVPersistComboWidget::setAppearance(int eaValor)
{
    writeValue(QStringLiteral("Appearance"), &C::setAppearance, qint32(eaValor));
}

void ZEVPersistComboWidget::setCode(const QString& sValor) { writeValue(QStringLiteral("Code"), &C::setCode, sValor); }

void ZEVPersistComboWidget::setCodeBackColor(const QColor& ocValor)
{
    writeColor(QStringLiteral("CodeBackColor"), ocValor, [this](OleColor c) { persistCombo().setCodeBackColor(c); });
}

void ZEVPersistComboWidget::setCodeFont(const QFont& fValor)
{
    writeFont(QStringLiteral("CodeFont"), fValor, [this]() -> const zev::Font& { return persistCombo().CodeFont(); },
              [this](const FontDesc& f) { persistCombo().setCodeFont(f); });
}

void ZEVPersistComboWidget::setCodeForeColor(const QColor& ocValor)
{
    writeColor(QStringLiteral("CodeForeColor"), ocValor, [this](OleColor c) { persistCombo().setCodeForeColor(c); });
}

void ZEVPersistComboWidget::setCodeMaxLength(int iValor)
{
    attempt([&] { writeValue(QStringLiteral("CodeMaxLength"), &C::setCodeMaxLength, toInteger(iValor)); });
}

void ZEVPersistComboWidget::setCodeSize(int iValor)
{
    attempt([&] { writeValue(QStringLiteral("CodeSize"), &C::setCodeSize, toInteger(iValor)); });
}

void ZEVPersistComboWidget::setDescription(const QString& sValor)
{
    writeValue(QStringLiteral("Description"), &C::setDescription, sValor);
}

void ZEVPersistComboWidget::setDescriptionBackColor(const QColor& ocValor)
{
    writeColor(QStringLiteral("DescriptionBackColor"), ocValor,
               [this](OleColor c) { persistCombo().setDescriptionBackColor(c); });
}

void ZEVPersistComboWidget::setDescriptionFont(const QFont& fValor)
{
    writeFont(QStringLiteral("DescriptionFont"), fValor,
              [this]() -> const zev::Font& { return persistCombo().DescriptionFont(); },
              [this](const FontDesc& f) { persistCombo().setDescriptionFont(f); });
}

void ZEVPersistComboWidget::setDescriptionForeColor(const QColor& ocValor)
{
    writeColor(QStringLiteral("DescriptionForeColor"), ocValor,
               [this](OleColor c) { persistCombo().setDescriptionForeColor(c); });
}

void ZEVPersistComboWidget::setEnabled(bool bValor) { writeValue(QStringLiteral("Enabled"), &C::setEnabled, bValor); }

void ZEVPersistComboWidget::setFieldPkey(const QString& sValor)
{
    writeValue(QStringLiteral("FieldPkey"), &C::setFieldPkey, sValor);
}

void ZEVPersistComboWidget::setFillZeros(bool bValor) { writeValue(QStringLiteral("FillZeros"), &C::setFillZeros, bValor); }

void ZEVPersistComboWidget::setFontBold(bool bValor) { writeValue(QStringLiteral("FontBold"), &C::setFontBold, bValor); }

void ZEVPersistComboWidget::setFontItalic(bool bValor) { writeValue(QStringLiteral("FontItalic"), &C::setFontItalic, bValor); }

void ZEVPersistComboWidget::setFontStrikethrough(bool bValor)
{
    writeValue(QStringLiteral("FontStrikethrough"), &C::setFontStrikethrough, bValor);
}

void ZEVPersistComboWidget::setFontUnderline(bool bValor)
{
    writeValue(QStringLiteral("FontUnderline"), &C::setFontUnderline, bValor);
}

void ZEVPersistComboWidget::setFontSize(int lValor) { writeValue(QStringLiteral("FontSize"), &C::setFontSize, qint32(lValor)); }

void ZEVPersistComboWidget::setLoaded(bool bValor) { writeValue(QStringLiteral("Loaded"), &C::setLoaded, bValor); }

void ZEVPersistComboWidget::setLocked(bool bValor) { writeValue(QStringLiteral("Locked"), &C::setLocked, bValor); }

void ZEVPersistComboWidget::setShowF3(bool bValor) { writeValue(QStringLiteral("ShowF3"), &C::setShowF3, bValor); }

void ZEVPersistComboWidget::setShowCodeInCombo(bool bValor)
{
    writeValue(QStringLiteral("ShowCodeInCombo"), &C::setShowCodeInCombo, bValor);
}

void ZEVPersistComboWidget::About()
{
    call([this] { persistCombo().About(); });
}

void ZEVPersistComboWidget::Clear()
{
    call([this] { persistCombo().Clear(); });
}

void ZEVPersistComboWidget::AddItem(const QString& sDescription, const QString& sPrimaryKey, const QString& sCode,
                                    qint32 Index)
{
    call([&] { persistCombo().AddItem(sDescription, sPrimaryKey, sCode, Index); });
}

void ZEVPersistComboWidget::ForceSearch(zev::eSource Source)
{
    call([&] { persistCombo().ForceSearch(Source); });
}

void ZEVPersistComboWidget::RemoveItem(qint32 Index)
{
    call([&] { persistCombo().RemoveItem(Index); });
}

} // namespace zev
