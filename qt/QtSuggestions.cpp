#include "qt/QtSuggestions.h"

#include "qt/QtAccessibility.h"
#include "qt/QtSuggestionDelegate.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <algorithm>

namespace zev {

QtSuggestions::QtSuggestions(QLineEdit& box, QWidget& span, int textRole, Pick pick)
    : QObject(&box), box_(&box), span_(span), textRole_(textRole), pick_(std::move(pick))
{
    timer_.setSingleShot(true);
    timer_.setInterval(DefaultDelay);
    connect(&timer_, &QTimer::timeout, this, &QtSuggestions::request);
}

QtSuggestions::~QtSuggestions() { close(); }

void QtSuggestions::setModel(QAbstractItemModel* model)
{
    if (model == model_)
        return;
    close();
    timer_.stop();
    asking_ = false;
    for (const QMetaObject::Connection& c : std::as_const(modelConnections_))
        disconnect(c);
    modelConnections_.clear();
    model_ = model;
    if (list_)
        list_->setModel(model);
    if (!model) {
        disconnect(edited_);
        return;
    }
    // Only the user's edits ask: the program's writes (a pick, the host's) emit no textEdited.
    if (!edited_)
        edited_ = connect(box_, &QLineEdit::textEdited, this, &QtSuggestions::typed);
    modelConnections_ << connect(model, &QAbstractItemModel::modelReset, this, &QtSuggestions::rowsArrived)
                      << connect(model, &QAbstractItemModel::rowsInserted, this, &QtSuggestions::rowsArrived)
                      << connect(model, &QAbstractItemModel::rowsRemoved, this, &QtSuggestions::rowsArrived)
                      << connect(model, &QAbstractItemModel::layoutChanged, this, &QtSuggestions::rowsArrived)
                      << connect(model, &QAbstractItemModel::dataChanged, this, &QtSuggestions::rowsArrived);
}

void QtSuggestions::setDelay(int ms)
{
    ms = std::max(0, ms);
    if (ms == timer_.interval())
        return;
    timer_.setInterval(ms);
    Q_EMIT delayChanged(ms);
}

void QtSuggestions::setMinLength(int length)
{
    length = std::max(0, length);
    if (length == minLength_)
        return;
    minLength_ = length;
    Q_EMIT minLengthChanged(length);
}

QAbstractItemModel* QtSuggestions::model() const { return model_; }

QListView* QtSuggestions::list() const { return list_; }

bool QtSuggestions::isOpen() const { return list_ && list_->isVisible(); }

void QtSuggestions::typed(const QString& text)
{
    // What is shown was asked for the text before this edit.
    close();
    asking_ = false;
    if (text.isEmpty() || text.size() < minLength_)
        timer_.stop();
    else
        timer_.start();
}

void QtSuggestions::request()
{
    if (!model_ || !box_ || !box_->hasFocus())
        return;
    const QString text = box_->text();
    if (text.isEmpty() || text.size() < minLength_)
        return;
    askedFor_ = text;
    asking_ = true;
    Q_EMIT requested(text); // a host that answers at once opens the list from here
}

void QtSuggestions::rowsArrived()
{
    // Rows for another text than the box holds now are late: not shown.
    if (!asking_ || !model_ || !box_ || box_->text() != askedFor_ || !box_->hasFocus())
        return;
    if (model_->rowCount() > 0)
        open();
    else
        close();
}

void QtSuggestions::open()
{
    if (!list_) {
        // A window that takes neither the focus nor the activation: the user
        // goes on typing in the box, and a lookup's box keeps its focus rules.
        list_ = new QListView(box_);
        list_->setWindowFlags(Qt::ToolTip);
        list_->setAttribute(Qt::WA_ShowWithoutActivating);
        list_->setFocusPolicy(Qt::NoFocus);
        list_->setObjectName(QStringLiteral("suggestions"));
        list_->setUniformItemSizes(true); // a thousand rows measured as one
        list_->setItemDelegate(new QtSuggestionDelegate(list_));
        list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list_->setSelectionMode(QAbstractItemView::SingleSelection);
        list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list_->setAccessibleName(QtAccessibility::suggestionsName());
        list_->setModel(model_);
        connect(list_, &QListView::clicked, this, &QtSuggestions::pick);
    }
    if (list_->isVisible()) {
        // Rows still coming (a model filled row by row): placed again only when
        // the list grows, their count told once they stop.
        if (std::min(model_->rowCount(), VisibleRows) != placedRows_)
            place();
        if (!announcing_) {
            announcing_ = true;
            QMetaObject::invokeMethod(this, [this] {
                announcing_ = false;
                if (isOpen() && model_)
                    announce();
            }, Qt::QueuedConnection);
        }
        return;
    }
    list_->setFont(box_->font());
    list_->selectionModel()->clear(); // no row chosen: Enter still searches what was typed
    list_->scrollToTop();
    announce();
    place();
    list_->show();
    // Keys for the box, clicks elsewhere, the window moving: all seen while open only.
    qApp->installEventFilter(this);
}

void QtSuggestions::announce()
{
    list_->setAccessibleDescription(QtAccessibility::suggestionCount(model_->rowCount()));
}

void QtSuggestions::close()
{
    if (!isOpen())
        return;
    list_->hide();
    qApp->removeEventFilter(this);
}

void QtSuggestions::place()
{
    const QPoint below = box_->mapToGlobal(QPoint(0, box_->height()));
    const int right = span_.mapToGlobal(QPoint(span_.width(), 0)).x();
    const int rows = std::min(model_->rowCount(), VisibleRows);
    placedRows_ = rows;
    QRect area(below, QSize(std::max(box_->width(), right - below.x()),
                            rows * list_->sizeHintForRow(0) + 2 * list_->frameWidth()));
    // No room below the box on its screen: above it.
    if (const QScreen* screen = box_->screen(); screen && area.bottom() > screen->availableGeometry().bottom())
        area.moveBottom(box_->mapToGlobal(QPoint(0, 0)).y() - 1);
    list_->setGeometry(area);
}

void QtSuggestions::choose(int step)
{
    // From no row, Down takes the first; Up from the first goes back to none.
    const int row = std::clamp(list_->currentIndex().row() + step, -1, model_->rowCount() - 1);
    if (row < 0) {
        list_->selectionModel()->clear();
        return;
    }
    const QModelIndex index = model_->index(row, list_->modelColumn());
    list_->setCurrentIndex(index);
    list_->scrollTo(index);
}

void QtSuggestions::pick(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    QVariant text = index.data(textRole_);
    if (!text.isValid())
        text = index.data(Qt::DisplayRole);
    const QString key = index.data(Qt::UserRole).toString();
    close();
    asking_ = false;
    timer_.stop();
    pick_(text.toString(), key);
}

bool QtSuggestions::keyPress(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Down:
        choose(1);
        return true;
    case Qt::Key_Up:
        choose(-1);
        return true;
    case Qt::Key_Escape:
        close(); // the typed text stays
        asking_ = false;
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (const QModelIndex current = list_->currentIndex(); current.isValid()) {
            pick(current);
            return true;
        }
        // No row chosen: the list closes and Enter goes on to the box's own search.
        close();
        asking_ = false;
        return false;
    default:
        return false;
    }
}

bool QtSuggestions::eventFilter(QObject* watched, QEvent* event)
{
    if (!isOpen() || !box_)
        return false;
    if (!model_) { // the host deleted it
        close();
        return false;
    }
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // A window's shortcut on these keys (a dialog's Escape) waits until the list is closed.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == parent() && (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Escape)) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress:
        return watched == parent() && keyPress(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() != list_)
            close();
        return false;
    case QEvent::FocusOut:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowDeactivate:
        // The list would stand apart from its box.
        // The box by identity (its parent): while it is destroyed it is only a QWidget.
        if (watched == parent() || watched == static_cast<QWidget*>(parent())->window())
            close();
        return false;
    default:
        return false;
    }
}

} // namespace zev
