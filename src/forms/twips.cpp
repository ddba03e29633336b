#include "twips.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace forms {

namespace {
constexpr double TwipsPerInch = 1440;
}

TwipsScale::TwipsScale(QWidget &area) : QObject(&area), m_area(area), m_dpi(area.logicalDpiY()) {}

TwipsScale &TwipsScale::of(const QWidget &area)
{
    // Made first among the area's children, so that it is found at once.
    if (auto *scale = area.findChild<TwipsScale *>(QString(), Qt::FindDirectChildrenOnly))
        return *scale;
    return *new TwipsScale(const_cast<QWidget &>(area));
}

void TwipsScale::set(double dpi, double zoom)
{
    if (dpi == m_dpi && zoom == m_zoom)
        return;
    m_dpi = dpi;
    m_zoom = zoom;
    emit changed();
}

int TwipsScale::pixels(float twips) const
{
    return static_cast<int>(std::lround(double(twips) * m_dpi * m_zoom / TwipsPerInch));
}

float TwipsScale::twips(int pixels) const
{
    return static_cast<float>(pixels * TwipsPerInch / (m_dpi * m_zoom));
}

QRect TwipsScale::pixels(const TwipsRect &rect) const
{
    return QRect(pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height));
}

QRect TwipsScale::shown(const QRect &designed) const
{
    return QStyle::visualRect(m_area.layoutDirection(), m_area.rect(), designed);
}

QPoint TwipsScale::shown(const QPoint &designed) const
{
    return QStyle::visualPos(m_area.layoutDirection(), m_area.rect(), designed);
}

int TwipsScale::lineWidth() const
{
    return std::max(1, static_cast<int>(std::floor(m_dpi * m_zoom / 96 + 1e-9)));
}

} // namespace forms
