#pragma once

#include "label.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QPainter;

namespace forms {

// The part of a window that holds its labels. Labels are drawn by the area, one after the other
// in the order they were made (a label brought to the top last), and the area finds the label
// under a click and under the mouse pointer. A label may be a focus stop of its own: the keyboard
// focus then stays with the area, which knows which of its labels, if any, has it.
class LabelArea : public QWidget {
    Q_OBJECT
public:
    explicit LabelArea(QWidget *parent = nullptr);
    ~LabelArea() override;

    // In the order they are drawn.
    const std::vector<Label *> &labels() const { return m_labels; }
    // Draws the shown labels, each with its top-left corner where it stands.
    void paintLabels(QPainter &painter, const QRegion *only = nullptr) const;

    // The area itself is a focus stop, before its labels that are: a click gives it the focus.
    void setOwnFocusStop(bool stop);
    // The label that has the keyboard focus while the area has it; none when the area itself has.
    Label *focusLabel() const { return m_focus; }
    void setFocusLabel(Label *label);

protected:
    // A click that no label took.
    virtual void areaClick() {}
    // The area itself (none of its labels) got or lost the keyboard focus.
    virtual void ownFocusChanged(bool has) { Q_UNUSED(has); }

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Only what shows the focus repaints, so unlike Qt's default the area does not repaint all it
    // holds whenever the window gains or loses the keys.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void leaveEvent(QEvent *event) override;

private:
    friend class Label;
    void add(Label *label);
    void remove(Label *label);
    void raise(Label *label);
    void tabStopsChanged();
    void pointerChanged();
    // The shown label on top at `point`, if any.
    Label *labelAt(QPoint point) const;
    void pointAt(QPoint point);
    std::vector<Label *> focusStops() const;
    void focusChanged();

    std::vector<Label *> m_labels;
    bool m_ownStop = false;
    QPointer<Label> m_focus;
    bool m_focused = false; // between the area's focus-in and focus-out
    bool m_ownFocus = false;
    QPointer<Label> m_pressed; // the label a left button went down on
    bool m_areaPressed = false;
    const Label *m_pointing = nullptr; // the label whose pointer shows
};

} // namespace forms
