#pragma once

#include <QObject>
#include <QSizeF>

class QEvent;
class QWidget;

namespace forms {

class TwipsScale;

// A window's scale as the desktop and the user set it. The DPI is that of the screen the window is
// on, followed as it moves between screens and as the desktop's font DPI changes. The zoom goes in
// the steps document viewers take, from the design's size up as far as the screen holds the
// window, which grows from where it stands and stays on the screen.
class WindowScale : public QObject {
    Q_OBJECT
public:
    // `client` is the window's client area, designed `designed` twips in size.
    WindowScale(QWidget &window, TwipsScale &client, QSizeF designed);

    void followScreen();
    // A window drawn at a resolution of its own, whatever its screen's.
    void fixDpi(double dpi);

    double zoom() const;
    bool canZoomIn() const;
    bool canZoomOut() const { return zoom() > 1; }
    void zoomIn();
    void zoomOut();
    void actualSize();
    // Ctrl with Plus (or Equals, as Plus needs Shift; the keypad's too), Minus and 0, and Ctrl
    // with the mouse wheel: whether the event was one of them.
    bool zoomEvent(const QEvent &event);

private:
    void setZoom(double zoom);

    QWidget &m_window;
    TwipsScale &m_client;
    QSizeF m_designed;
    double m_fixedDpi = 0; // none: the screen's
    QMetaObject::Connection m_screenWatch;
    int m_wheel = 0; // the wheel's turn towards the next step
};

} // namespace forms
