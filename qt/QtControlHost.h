#pragma once

#include "framework/ControlHost.h"
#include "qt/QtSmallMap.h"

#include <QObject>
#include <QSizeF>
#include <QPointer>
#include <QVariantList>
#include <QWidget>
#include <memory>
#include <vector>

namespace zev {

class QtAdapter;

// The container of one control placed on a QWidget surface: its widgets are
// Qt adapters whose QWidgets are children of the surface; its events leave as
// the signal eventRaised (direct connections: by-reference arguments come back
// as the receivers left them); its sizes are twips through the surface's
// screen DPI.
class QtControlHost : public QObject, public ControlHost {
    Q_OBJECT

public:
    // Held: see holdWrites.
    enum class Writes { Direct, Held };
    explicit QtControlHost(QWidget* surface, FontDesc defaultFont = FontDesc(), Writes writes = Writes::Direct);
    ~QtControlHost() override;

    // ControlHost
    Widget& CreateWidget(const WidgetDesign& design) override;
    void PropertyChanged(const QString& key) override;
    void RaiseEvent(int number, QVariantList& arguments) override;
    using ControlHost::RaiseEvent;
    OleColor BackColor() const override { return backColor_; }
    void setBackColor(OleColor color) override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    Widget* ActiveControl() const override;
    QString ControlName() const override;
    void MsgBox(const QString& prompt, int buttons, const QString& title) override;
    zev::LibraryVersion LibraryVersion() const override;
    void DoEvents() override;
    std::unique_ptr<Form> CreateForm(const FormDesign& design) override;
    void ShowModal(Form& form) override;

    QWidget* surface() const { return surface_; }
    const std::vector<std::unique_ptr<Widget>>& widgets() const { return widgets_; }
    Widget* widget(const QString& name) const;
    // The QWidget of a widget of this host, by name; nullptr when there is none.
    QWidget* qwidget(const QString& name) const;

    // Pixels per inch for this control's twips: the screen's logical DPI,
    // scaled by the fit (see setFit).
    double dpiX() const;
    double dpiY() const;
    // Scales the control's twips where the font in use needs more room than
    // the design gives (1 = as designed); the parts are placed again.
    void setFit(double x, double y);
    double fitX() const { return fitX_; }
    double fitY() const { return fitY_; }
    // The size a part was designed with, in twips.
    QSizeF designSize(const Widget& widget) const { return designSizes_.value(&widget); }

    // Sizes the surface in twips. ScaleWidth and ScaleHeight give these values
    // back exactly while the surface keeps the pixel size they round to.
    void setScaleSize(float width, float height);

    // Set by PropertyChanged; the form's owner clears it after saving.
    bool isChanged() const { return changed_; }
    void setChanged(bool changed) { changed_ = changed; }
    // While set (the container starts or loads the control), PropertyChanged
    // still notifies but marks nothing changed.
    void setLoading(bool loading) { loading_ = loading; }

    // A chain of nested events deeper than this is a loop: RaiseEvent fails with 28.
    int maxEventDepth = 256;

    // Stops every widget's events, before the control behind them goes away.
    void detachWidgets();
    // Places every widget again from its twips (the DPI of the screen changed).
    void applyGeometry();
    // A failure inside a handler that Qt's event delivery ran: it cannot pass
    // on to a caller, so it is reported here (and printed when nobody listens).
    void reportError(int number, const QString& description);
    // Paints the surface again (a system BackColor follows the application palette).
    void applyBackColor();
    // While held, the surface and every widget keep their writes (colours,
    // texts) and give Qt only the last of them when released: a new control
    // sets most of its properties more than once before it is first seen.
    void holdWrites(bool hold);
    bool holdingWrites() const { return holding_; }

    // The owner told by direct calls of what happens inside (the widget that
    // made the host): one pointer instead of five connections per control on
    // a form. Events go out as the signal below as well; errors go to the
    // listener only, or else to the signal.
    class Listener {
    public:
        virtual void eventRaised(int number, QVariantList& arguments) = 0;
        virtual void propertyChanged(const QString& key) = 0;
        virtual void errorRaised(int number, const QString& description) = 0;
        // A part's font changed (the control's font properties, or a style).
        virtual void partFontChanged() = 0;
        // What a part shows changed where its accessible texts depend on it
        // (a panel's caption, a list's items).
        virtual void partContentChanged() = 0;

    protected:
        ~Listener() = default;
    };
    void setListener(Listener* listener) { listener_ = listener; }
    // A part's font, or what a part shows, changed (see the listener).
    void tellPartFontChanged();
    void tellPartContentChanged();

    // The accessible texts last written on the surface or one of its parts,
    // so that a text the application set is told apart (see QtAccessibility).
    struct AccessibleTexts {
        QString name;
        QString description;
        QString label; // the buddy label's text found last
        bool described = false; // the control's texts have been written once
    };
    AccessibleTexts& accessibleTexts(const QWidget* widget) const { return accessibleTexts_[widget]; }
    bool described(const QWidget* widget) const
    {
        const AccessibleTexts* texts = accessibleTexts_.find(widget);
        return texts && texts->described;
    }

Q_SIGNALS:
    void eventRaised(int number, QVariantList& arguments);
    void errorRaised(int number, const QString& description);

private:
    Listener* listener_ = nullptr;
    QPointer<QWidget> surface_;
    FontDesc defaultFont_;
    OleColor backColor_ = Colors::ButtonFace;
    std::vector<std::unique_ptr<Widget>> widgets_;
    QtSmallMap<const Widget*, QSizeF> designSizes_;
    mutable QtSmallMap<const QWidget*, AccessibleTexts> accessibleTexts_;
    double fitX_ = 1;
    double fitY_ = 1;
    float scaleWidth_ = -1;
    float scaleHeight_ = -1;
    int eventDepth_ = 0;
    bool changed_ = false;
    bool loading_ = false;
    bool holding_ = false;
    bool backColorPending_ = false;
};

} // namespace zev
