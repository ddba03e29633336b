#pragma once

#include "rgb.h"
#include "twips.h"

#include <QCursor>
#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QPainter;
class QWidget;

namespace forms {

class LabelArea;

enum class Alignment { Left, Center };
enum class LabelBorder { None, FixedSingle };

// A font as a window asks for it: family, size in points, bold, underline.
struct FontSpec {
    const char *name = "MS Sans Serif";
    float size = 8.25f;
    bool bold = false;
    bool underline = false;
};

QFont resolveFont(const FontSpec &wanted);

struct LabelStyle {
    std::optional<Rgb> backColor; // none: the window's own background shows through
    std::optional<Rgb> foreColor; // none: the standard text colour
    FontSpec font;
    Alignment alignment = Alignment::Left;
    LabelBorder border = LabelBorder::None;
};

// A label that speaks twips and (r, g, b), drawn by the area that holds it. It keeps every click
// it is given: a click on a label never falls through to the window behind it, whether or not the
// label has a handler.
class Label : public QObject {
    Q_OBJECT
public:
    Label(LabelArea *area, const TwipsRect &rect, const LabelStyle &style,
          const QString &caption = {});
    ~Label() override;

    // A hidden copy of this label with every property but the caption.
    Label *cloneHidden() const;

    float left() const { return m_rect.left; }
    float top() const { return m_rect.top; }
    float width() const { return m_rect.width; }
    float height() const { return m_rect.height; }
    // Where the window put it; left() to height() say where it stands, grown for its caption.
    TwipsRect designedRect() const { return m_designed; }
    void setLeft(float twips);
    void setTop(float twips);
    // Takes its place again where its window's scale changed, fitting its caption again.
    void standAsDesigned();

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // Whether it has a background of its own; without, the window's shows through.
    bool opaque() const { return m_backColor.has_value(); }
    Rgb backColor() const;
    void setBackColor(Rgb colour);
    Rgb foreColor() const;
    void setForeColor(Rgb colour);
    bool fontBold() const { return m_font.bold(); }
    void setFontBold(bool bold);
    const QFont &captionFont() const { return m_font; }

    Alignment alignment() const { return m_alignment; }
    LabelBorder border() const { return m_border; }
    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    LabelArea &area() const { return m_area; }
    // Where it shows in its area, in pixels: mirrored where the area is.
    QRect geometry() const;
    QRect rect() const { return QRect(QPoint(0, 0), m_pixels.size()); }
    bool isRightToLeft() const;
    // Draws it again where it stands.
    void update();

    // What screen readers call it; its caption where it has no name of its own.
    QString accessibleName() const { return m_accessibleName; }
    void setAccessibleName(const QString &name) { m_accessibleName = name; }

    // A tab stop takes the focus from the keyboard only; with it, Enter and Space click it.
    void setTabStop(bool tabStop);
    bool tabStop() const { return m_tabStop; }
    // Whether it has the keyboard focus: its area has it, and has given it to this label.
    bool hasFocus() const;
    // What a click does, for a caller that is not the mouse (a key, a screen reader).
    void click() { emit clicked(); }
    bool hasClickHandler() const;
    // Tells screen readers that the user's attention is now on this label.
    void reportFocus();
    // Gives the label the focus ring, as a label with the focus has it, for a window whose own
    // keyboard cursor stands on this label while the window's own area has the focus.
    void setFocusRect(bool shown);
    bool focusRect() const { return m_focusRect; }
    // Whether the ring shows: the label has the focus, and the keyboard was used last in its
    // window (see setFocusVisible).
    bool focusRingShown() const;
    // Whether screen readers are offered a Press action for the click (by default, where the
    // label has a handler).
    void setOffersPress(bool offers) { m_offersPress = offers; }
    bool offersPress() const { return m_offersPress && hasClickHandler(); }

    // The mouse pointer shown while the mouse is over this label, drawn from a resource image with
    // its hot spot in the image's pixels; it grows with the window's zoom.
    void setMouseIcon(const char *resource, int hotX, int hotY);
    // The pointer shown over it; none where it shows the area's own.
    const QCursor *mousePointer() const { return m_pointer ? &*m_pointer : nullptr; }

    // The rectangle the caption is drawn in: inside the border, if there is one.
    QRect captionRect() const;
    // Draws the label as it shows, with its top-left corner at the painter's origin: on the
    // screen, and on a page or into a file.
    void paint(QPainter &painter) const;

    // For screen readers: whether the label is a link, and what its look means at the moment.
    // Copies made from this label share both.
    bool isLink() const { return m_link; }
    void setLink(bool link) { m_link = link; }
    using StateDescriber = std::function<QString(const Label &)>;
    void setStateDescriber(StateDescriber describer) { m_describeState = std::move(describer); }
    QString accessibleState() const { return m_describeState ? m_describeState(*this) : QString(); }

signals:
    void clicked();

private:
    Label(LabelArea *area, const Label &model);
    void setUp();
    const TwipsScale &scale() const { return m_scale; }
    void fitCaption();
    // The caption's lines set in `width` pixels, as captionFlags() lays them out.
    QRect captionNeeds(int width) const;
    // Whether it covers pixels of `there` (a neighbour's, unmirrored) that its design leaves to it.
    bool crosses(const QRect &there) const;
    void place();
    void lookChanged();
    QColor textColour() const;
    int captionFlags() const;
    void paintFocusRing(QPainter &painter) const;
    const QPalette &palette() const;
    void makePointer();

    LabelArea &m_area;    // which outlives it
    TwipsScale &m_scale;  // its window's, which outlives it
    TwipsRect m_rect;     // where it stands
    TwipsRect m_designed; // where it was put: the same, unless it grew for its caption
    QRect m_pixels;       // where it stands, in the design's pixels, not yet mirrored
    bool m_visible = true;
    QString m_accessibleName;
    bool m_tabStop = false;
    QString m_caption;
    std::optional<Rgb> m_backColor;
    std::optional<Rgb> m_foreColor;
    QFont m_font;      // at the window's zoom
    qreal m_pointSize; // as designed
    Alignment m_alignment;
    LabelBorder m_border;
    bool m_link = false;
    bool m_focusRect = false;
    bool m_offersPress = true;
    StateDescriber m_describeState;
    struct MouseIcon {
        const char *resource = nullptr;
        int hotX = 0, hotY = 0;
    } m_mouseIcon;
    std::optional<QCursor> m_pointer;
    // What the caption needed at the widths it was measured at, in the direction it was then
    // laid out in, forgotten when the caption or its font changes: a grown label fits again each
    // time a neighbour arrives where it grew.
    mutable int m_measuredFlags = 0;
    mutable std::vector<std::pair<int, QRect>> m_measured; // (width, lines' bounds)
};

// Focus rings show in `window` once a key is used there and hide once the pointer is, as
// desktops do; what screen readers are told of the focus is the same either way.
void setFocusVisible(QWidget *window, bool visible);

} // namespace forms
