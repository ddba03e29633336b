#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include <vector>

class QWidget;

namespace forms {

class Label;

// Position and size of a control, in twips within its window's client area.
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    friend bool operator!=(const TwipsRect &a, const TwipsRect &b)
    {
        return a.left != b.left || a.top != b.top || a.width != b.width || a.height != b.height;
    }
};

// Where twips become pixels in one window's client area. A twip is 1/1440 of a logical inch, and
// the window's logical inch is its logical DPI: 96 wherever Qt scales the whole window itself, the
// desktop's font DPI where it does not, so that the window grows with its fonts. The window's zoom
// multiplies it. Where the user's language is written from right to left the area shows its
// design mirrored, as Qt's own widgets mirror themselves, and that is done here too.
class TwipsScale : public QObject {
    Q_OBJECT
public:
    // The scale of `area`, a window's client area; made at the area's own DPI when first asked.
    static TwipsScale &of(const QWidget &area);

    QWidget &area() const { return m_area; }
    double dpi() const { return m_dpi; }
    double zoom() const { return m_zoom; }
    // Tells the area's window to lay itself out again, where either changes.
    void set(double dpi, double zoom);

    int pixels(float twips) const;
    float twips(int pixels) const;
    // Pixels of the design, not yet mirrored.
    QRect pixels(const TwipsRect &rect) const;
    // Where the design's pixels stand in the area, mirrored where the area is.
    QRect shown(const QRect &designed) const;
    QPoint shown(const QPoint &designed) const;
    // The width of one of the design's lines, a border or a mark: a pixel at the designed size,
    // growing by whole pixels with the scale.
    int lineWidth() const;

    // The labels of this area that grew for their captions: few, and none in English.
    std::vector<QPointer<Label>> &grownLabels() { return m_grown; }

signals:
    void changed();

private:
    explicit TwipsScale(QWidget &area);

    QWidget &m_area;
    double m_dpi;
    double m_zoom = 1;
    std::vector<QPointer<Label>> m_grown;
};

} // namespace forms
