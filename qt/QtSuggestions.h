#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QAbstractItemModel;
class QKeyEvent;
class QLineEdit;
class QListView;
class QModelIndex;

namespace zev {

// Type-ahead under a lookup's search box. Off until a model is set. When the
// user stops typing for `delay` ms with at least `minLength` characters in
// the box, `requested` asks the host for rows; the host fills the model, at
// once or later. Rows are shown only while the box still holds the text they
// were asked for. The list opens under the box with no row chosen; Down and
// Up choose, Enter or a click picks, Escape closes. The box keeps the focus
// throughout, so the user goes on typing; while the list is open its keys
// never reach the box's key events (Enter with no row chosen closes the list
// first, then goes on to the box's own search).
//
// A row shows its display role; its key is Qt::UserRole; the text a pick
// puts in the box is `textRole`, or the display role where the row has none.
// A child of the box; the list is a window of its own, made when first shown.
class QtSuggestions : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultDelay = 250;
    static constexpr int DefaultMinLength = 2;
    static constexpr int VisibleRows = 8;

    // `pick` puts the text in the box and runs the search with the key.
    using Pick = std::function<void(const QString& text, const QString& key)>;
    // `span`: the list is at least as wide as from the box to its right edge.
    QtSuggestions(QLineEdit& box, QWidget& span, int textRole, Pick pick);
    ~QtSuggestions() override;

    QAbstractItemModel* model() const;
    void setModel(QAbstractItemModel* model);
    int delay() const { return timer_.interval(); }
    void setDelay(int ms);
    int minLength() const { return minLength_; }
    void setMinLength(int length);

    // The list, or nullptr before it first opens.
    QListView* list() const;
    bool isOpen() const;

Q_SIGNALS:
    void requested(const QString& text);
    void delayChanged(int ms);
    void minLengthChanged(int length);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void typed(const QString& text);
    void request();
    void rowsArrived();
    void open();
    void announce();
    void close();
    void place();
    void choose(int step);
    void pick(const QModelIndex& index);
    bool keyPress(QKeyEvent* event);

    QPointer<QLineEdit> box_;
    QWidget& span_;
    int textRole_;
    Pick pick_;
    QPointer<QAbstractItemModel> model_;
    QMetaObject::Connection edited_;
    QList<QMetaObject::Connection> modelConnections_;
    QTimer timer_;
    int minLength_ = DefaultMinLength;
    QString askedFor_; // the text of the request whose rows may still be shown
    bool asking_ = false;
    bool announcing_ = false; // the count is to be told when the rows stop coming
    int placedRows_ = 0;      // the rows the list was last made tall enough for
    QPointer<QListView> list_;
};

} // namespace zev
