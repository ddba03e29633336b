#include "windowscale.h"

#include "twips.h"

#include <QKeyEvent>
#include <QScreen>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <iterator>

namespace forms {

namespace {
constexpr double ZoomSteps[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4};
constexpr int WheelNotch = 120; // eighths of a degree
} // namespace

WindowScale::WindowScale(QWidget &window, TwipsScale &client, QSizeF designed)
    : QObject(&window), m_window(window), m_client(client), m_designed(designed)
{
}

void WindowScale::followScreen()
{
    QWindow *handle = m_window.windowHandle();
    auto follow = [this] {
        if (!m_fixedDpi)
            m_client.set(m_window.logicalDpiY(), zoom());
    };
    auto watch = [this, follow](QScreen *screen) {
        disconnect(m_screenWatch);
        if (screen)
            m_screenWatch = connect(screen, &QScreen::logicalDotsPerInchChanged, this, follow);
        follow();
    };
    connect(handle, &QWindow::screenChanged, this, watch);
    watch(handle->screen());
}

void WindowScale::fixDpi(double dpi)
{
    m_fixedDpi = dpi;
    m_client.set(dpi, zoom());
}

double WindowScale::zoom() const
{
    return m_client.zoom();
}

// The next step, where the window would still fit the screen's available area.
bool WindowScale::canZoomIn() const
{
    const auto next = std::upper_bound(std::begin(ZoomSteps), std::end(ZoomSteps), zoom());
    if (next == std::end(ZoomSteps))
        return false;
    const double pixelsPerTwip = m_client.dpi() * *next / 1440;
    const QSize frame = m_window.frameGeometry().size() - m_client.area().size();
    const QSize needs = (m_designed * pixelsPerTwip).toSize() + frame;
    const QSize room = m_window.screen()->availableGeometry().size();
    return room.expandedTo(needs) == room;
}

void WindowScale::zoomIn()
{
    if (canZoomIn())
        setZoom(*std::upper_bound(std::begin(ZoomSteps), std::end(ZoomSteps), zoom()));
}

void WindowScale::zoomOut()
{
    if (canZoomOut())
        setZoom(*std::prev(std::lower_bound(std::begin(ZoomSteps), std::end(ZoomSteps), zoom())));
}

void WindowScale::actualSize()
{
    setZoom(1);
}

void WindowScale::setZoom(double zoom)
{
    if (zoom == this->zoom())
        return;
    m_client.set(m_client.dpi(), zoom);
    m_window.adjustSize();
    // Grown or shrunk from where it stands, then brought back inside the screen where it left it.
    const QRect screen = m_window.screen()->availableGeometry();
    QRect frame = m_window.frameGeometry();
    frame.moveRight(std::min(frame.right(), screen.right()));
    frame.moveBottom(std::min(frame.bottom(), screen.bottom()));
    frame.moveLeft(std::max(frame.left(), screen.left()));
    frame.moveTop(std::max(frame.top(), screen.top()));
    if (frame.topLeft() != m_window.frameGeometry().topLeft())
        m_window.move(frame.topLeft());
}

bool WindowScale::zoomEvent(const QEvent &event)
{
    if (event.type() == QEvent::Wheel) {
        const auto &wheel = static_cast<const QWheelEvent &>(event);
        if (!(wheel.modifiers() & Qt::ControlModifier))
            return false;
        // A step for each notch, or for each notch's worth of a smooth turn.
        m_wheel += wheel.angleDelta().y();
        for (; m_wheel >= WheelNotch; m_wheel -= WheelNotch)
            zoomIn();
        for (; m_wheel <= -WheelNotch; m_wheel += WheelNotch)
            zoomOut();
        return true;
    }
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(event);
    if ((key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::ControlModifier)
        return false;
    switch (key.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomIn();
        return true;
    case Qt::Key_Minus:
        zoomOut();
        return true;
    case Qt::Key_0:
        actualSize();
        return true;
    default:
        return false;
    }
}

} // namespace forms
