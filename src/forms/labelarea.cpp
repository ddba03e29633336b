#include "labelarea.h"

#include "label.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>

namespace forms {

LabelArea::LabelArea(QWidget *parent) : QWidget(parent) {}

// Its labels go first, while the area they refer to is whole.
LabelArea::~LabelArea()
{
    const std::vector<Label *> labels = std::move(m_labels);
    m_labels.clear();
    for (Label *label : labels)
        delete label;
}

void LabelArea::add(Label *label)
{
    m_labels.push_back(label);
}

void LabelArea::remove(Label *label)
{
    const auto at = std::find(m_labels.begin(), m_labels.end(), label);
    if (at == m_labels.end())
        return;
    m_labels.erase(at);
    if (m_pointing == label)
        m_pointing = nullptr;
    if (m_focus == label)
        setFocusLabel(nullptr);
}

void LabelArea::raise(Label *label)
{
    const auto at = std::find(m_labels.begin(), m_labels.end(), label);
    if (at != m_labels.end())
        std::rotate(at, at + 1, m_labels.end());
}

Label *LabelArea::labelAt(QPoint point) const
{
    const auto top = std::find_if(m_labels.rbegin(), m_labels.rend(), [point](const Label *l) {
        return l->visible() && l->geometry().contains(point);
    });
    return top == m_labels.rend() ? nullptr : *top;
}

void LabelArea::paintLabels(QPainter &painter, const QRegion *only) const
{
    for (const Label *label : m_labels) {
        const QRect at = label->geometry();
        if (!label->visible() || (only && !only->intersects(at)))
            continue;
        painter.translate(at.topLeft());
        label->paint(painter);
        painter.translate(-at.topLeft());
    }
}

void LabelArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintLabels(painter, &event->region());
}

// A click belongs to the label on top where it went down, if it comes up on that label too;
// one on no label is the area's. A press gives the focus to the area itself, where a click gives
// it the focus at all, unless it is on the label that has the focus: as Qt does for a control
// that a click gives no focus to.
void LabelArea::mousePressEvent(QMouseEvent *event)
{
    Label *on = labelAt(event->position().toPoint());
    if ((focusPolicy() & Qt::ClickFocus) && on != m_focus)
        setFocusLabel(nullptr);
    const bool left = event->button() == Qt::LeftButton;
    m_pressed = left ? on : nullptr;
    m_areaPressed = left && !on;
}

void LabelArea::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const QPointer<Label> label = m_pressed;
    const bool area = m_areaPressed;
    m_pressed = nullptr;
    m_areaPressed = false;
    if (event->button() != Qt::LeftButton)
        return;
    if (label && label->visible() && label->geometry().contains(at))
        label->click();
    else if (area && rect().contains(at))
        areaClick();
}

void LabelArea::mouseMoveEvent(QMouseEvent *event)
{
    pointAt(event->position().toPoint());
}

void LabelArea::pointAt(QPoint point)
{
    const Label *over = labelAt(point);
    if (over && !over->mousePointer())
        over = nullptr;
    if (over == m_pointing && (over || !testAttribute(Qt::WA_SetCursor)))
        return;
    m_pointing = over;
    if (over)
        setCursor(*over->mousePointer());
    else
        unsetCursor();
}

// A label's pointer is new (at another zoom): shown at once where the mouse is over it.
void LabelArea::pointerChanged()
{
    setMouseTracking(true);
    if (m_pointing) {
        m_pointing = nullptr;
        pointAt(mapFromGlobal(QCursor::pos()));
    }
}

// Enter and Space click the label that has the focus.
void LabelArea::keyPressEvent(QKeyEvent *event)
{
    const bool press = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                       event->key() == Qt::Key_Space;
    if (press && m_focus)
        m_focus->click();
    else
        QWidget::keyPressEvent(event);
}

void LabelArea::setOwnFocusStop(bool stop)
{
    m_ownStop = stop;
    tabStopsChanged();
}

void LabelArea::tabStopsChanged()
{
    const auto stops = focusStops();
    setFocusPolicy(m_ownStop ? Qt::StrongFocus : stops.empty() ? Qt::NoFocus : Qt::TabFocus);
    if (m_focus && std::find(stops.begin(), stops.end(), m_focus) == stops.end())
        setFocusLabel(nullptr);
}

// Where Tab goes: the area itself, if it is a stop, then its labels that are, as they were made.
std::vector<Label *> LabelArea::focusStops() const
{
    std::vector<Label *> stops;
    if (m_ownStop)
        stops.push_back(nullptr);
    for (QObject *child : children())
        if (auto *label = qobject_cast<Label *>(child);
            label && label->tabStop() && label->visible())
            stops.push_back(label);
    return stops;
}

void LabelArea::setFocusLabel(Label *label)
{
    if (label == m_focus)
        return;
    Label *was = m_focus;
    m_focus = label;
    if (was)
        was->update();
    if (label) {
        label->update();
        if (m_focused)
            label->reportFocus();
    }
    focusChanged();
}

// The area itself has the keys: it holds them, with no menu open over it, and has given them to
// none of its labels.
void LabelArea::focusChanged()
{
    const bool own = m_focused && !m_focus && m_ownStop;
    if (own == m_ownFocus)
        return;
    m_ownFocus = own;
    ownFocusChanged(own);
}

// Tab into the area comes to its first stop, Shift+Tab to its last, and a click to the area
// itself; otherwise (the window's activation, a menu closing over it) the stop that had the focus
// has it again.
void LabelArea::focusInEvent(QFocusEvent *event)
{
    const auto stops = focusStops();
    if (event->reason() == Qt::TabFocusReason && !stops.empty())
        m_focus = stops.front();
    else if (event->reason() == Qt::BacktabFocusReason && !stops.empty())
        m_focus = stops.back();
    else if (event->reason() == Qt::MouseFocusReason)
        m_focus = nullptr;
    m_focused = true;
    if (m_focus) {
        m_focus->update();
        m_focus->reportFocus();
    }
    focusChanged();
}

// Also while a menu is open over the area, which keeps the focus for its return.
void LabelArea::focusOutEvent(QFocusEvent *)
{
    m_focused = false;
    if (m_focus)
        m_focus->update();
    focusChanged();
}

// Tab goes through the area's stops, then on to the window's next control; where there is none,
// it comes round to the area's first stop again.
bool LabelArea::focusNextPrevChild(bool next)
{
    const auto stops = focusStops();
    if (hasFocus() && !stops.empty()) {
        const auto at = std::find(stops.begin(), stops.end(), m_focus);
        const auto step = (at - stops.begin()) + (next ? 1 : -1);
        if (at != stops.end() && step >= 0 && step < std::ptrdiff_t(stops.size())) {
            setFocusLabel(stops[std::size_t(step)]);
            return true;
        }
    }
    const bool moved = QWidget::focusNextPrevChild(next);
    if (!hasFocus() || stops.empty())
        return moved;
    setFocusLabel(next ? stops.front() : stops.back());
    return true;
}

void LabelArea::leaveEvent(QEvent *)
{
    if (m_pointing) {
        m_pointing = nullptr;
        unsetCursor();
    }
}

} // namespace forms
