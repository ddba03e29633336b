#include "label.h"

#include "cursor.h"
#include "labelaccessible.h"
#include "labelarea.h"

#include <QAccessible>
#include <QFontInfo>
#include <QMetaMethod>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <cmath>
#include <vector>

namespace forms {

namespace {

constexpr char FocusVisible[] = "forms_focusVisible"; // a property of the window

// Linux has no "MS Sans Serif"; Liberation Sans is the free face closest to it in shape and width.
constexpr const char *FallbackFamily = "Liberation Sans";

QColor toQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

Rgb toRgb(const QColor &c)
{
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

// The usual scheme's text colour: what "standard" text means on a background of the label's own.
constexpr Rgb StandardTextOnOwnBackground{0, 0, 0};

// Relative luminance and contrast ratio, as the WCAG define them.
double luminance(const QColor &c)
{
    auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The keyboard's mark: a ring in a middle blue that differs by 3:1 from white, from both
// yellows, from the black of a cell's border and from a light or a dark window, so that its
// whole width shows wherever it lands, while black figures over it still read at 4.5:1.
constexpr Rgb FocusRing{0x35, 0x84, 0xE4};
constexpr double TextContrast = 4.5;    // WCAG: text that reads
constexpr double NonTextContrast = 3.0; // WCAG: a mark that is seen

// A colour chosen for a light window, shown on the window the user actually has: kept where it
// stands out enough, otherwise moved towards white (or black) in its own hue until it does.
QColor readableOn(const QColor &text, const QColor &window, double enough = TextContrast)
{
    const QColor towards = contrast(Qt::white, window) > contrast(Qt::black, window)
                               ? QColor(Qt::white)
                               : QColor(Qt::black);
    QColor shade = text;
    for (int step = 1; contrast(shade, window) < enough && step <= 20; ++step) {
        const double t = step / 20.0;
        shade = QColor::fromRgbF(float(text.redF() + t * (towards.redF() - text.redF())),
                                 float(text.greenF() + t * (towards.greenF() - text.greenF())),
                                 float(text.blueF() + t * (towards.blueF() - text.blueF())));
    }
    return shade;
}

} // namespace

// Each face is looked up once in the font database: a window asks for the same few many times.
QFont resolveFont(const FontSpec &wanted)
{
    static std::vector<std::pair<FontSpec, QFont>> resolved;
    for (const auto &[asked, font] : resolved)
        if (qstrcmp(asked.name, wanted.name) == 0 && asked.size == wanted.size &&
            asked.bold == wanted.bold && asked.underline == wanted.underline)
            return font;
    QFont font;
    font.setFamilies({QString::fromLatin1(wanted.name), QString::fromLatin1(FallbackFamily)});
    font.setPointSizeF(wanted.size);
    font.setBold(wanted.bold);
    font.setUnderline(wanted.underline);
    // Named by the face found, so that a drawing taken away (an SVG file) names that face too.
    font.setFamily(QFontInfo(font).family());
    resolved.emplace_back(wanted, font);
    return font;
}

Label::Label(LabelArea *area, const TwipsRect &rect, const LabelStyle &style,
             const QString &caption)
    : QObject(area), m_area(*area), m_scale(TwipsScale::of(*area)), m_rect(rect), m_designed(rect),
      m_caption(caption), m_backColor(style.backColor), m_foreColor(style.foreColor),
      m_font(resolveFont(style.font)), m_pointSize(style.font.size), m_alignment(style.alignment),
      m_border(style.border)
{
    setUp();
}

// Every property of the model but its caption.
Label::Label(LabelArea *area, const Label &model)
    : QObject(area), m_area(*area), m_scale(model.m_scale), m_rect(model.m_designed),
      m_designed(model.m_designed), m_backColor(model.m_backColor), m_foreColor(model.m_foreColor),
      m_font(model.m_font), m_pointSize(model.m_pointSize), m_alignment(model.m_alignment),
      m_border(model.m_border), m_link(model.m_link), m_offersPress(model.m_offersPress),
      m_describeState(model.m_describeState), m_mouseIcon(model.m_mouseIcon)
{
    setUp();
}

void Label::setUp()
{
    installLabelAccessibility();
    m_area.add(this);
    standAsDesigned();
}

Label::~Label()
{
    update();
    m_area.remove(this);
}

void Label::setMouseIcon(const char *resource, int hotX, int hotY)
{
    m_mouseIcon = {resource, hotX, hotY};
    makePointer();
}

void Label::makePointer()
{
    m_pointer =
        cursorFromImage(m_mouseIcon.resource, m_mouseIcon.hotX, m_mouseIcon.hotY, scale().zoom());
    m_area.pointerChanged();
}

Label *Label::cloneHidden() const
{
    auto *copy = new Label(&m_area, *this);
    copy->hide();
    return copy;
}

void Label::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    if (!visible)
        update();
    m_visible = visible;
    if (visible)
        update();
    if (m_tabStop)
        m_area.tabStopsChanged();
}

QRect Label::geometry() const
{
    return scale().shown(m_pixels);
}

bool Label::isRightToLeft() const
{
    return m_area.isRightToLeft();
}

const QPalette &Label::palette() const
{
    return m_area.palette();
}

void Label::update()
{
    if (m_visible)
        m_area.update(geometry());
}

void Label::setTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    m_area.tabStopsChanged();
}

bool Label::hasFocus() const
{
    return m_area.focusLabel() == this && m_area.hasFocus();
}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    m_measured.clear();
    fitCaption();
    update();
}

Rgb Label::backColor() const
{
    return m_backColor ? *m_backColor : toRgb(palette().color(QPalette::Window));
}

void Label::setBackColor(Rgb colour)
{
    if (m_backColor == colour)
        return;
    m_backColor = colour;
    lookChanged();
}

Rgb Label::foreColor() const
{
    if (m_foreColor)
        return *m_foreColor;
    return m_backColor ? StandardTextOnOwnBackground : toRgb(palette().color(QPalette::WindowText));
}

// Labels with no background of their own stand on the window, whose colours the desktop picks.
QColor Label::textColour() const
{
    if (m_backColor || !m_foreColor)
        return toQColor(foreColor());
    return readableOn(toQColor(*m_foreColor), palette().color(QPalette::Window));
}

void Label::setForeColor(Rgb colour)
{
    if (m_foreColor == colour)
        return;
    m_foreColor = colour;
    lookChanged();
}

void Label::setFontBold(bool bold)
{
    if (m_font.bold() == bold)
        return;
    m_font.setBold(bold);
    m_measured.clear();
    lookChanged();
}

void Label::lookChanged()
{
    update();
    if (m_describeState && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

QRect Label::captionRect() const
{
    const int line = scale().lineWidth();
    return m_border == LabelBorder::FixedSingle ? rect().adjusted(line, line, -line, -line)
                                                : rect();
}

void Label::paint(QPainter &painter) const
{
    // The border is filled, not stroked, so it stays one crisp logical pixel at any scale.
    if (m_border == LabelBorder::FixedSingle)
        painter.fillRect(rect(), Qt::black);
    if (m_backColor)
        painter.fillRect(captionRect(), toQColor(*m_backColor));
    painter.setFont(m_font);
    painter.setPen(textColour());
    if (focusRingShown())
        paintFocusRing(painter);
    painter.drawText(captionRect(), captionFlags(), m_caption);
}

// Laid out the same way wherever it is measured or drawn: on the screen, on a page, in a file.
int Label::captionFlags() const
{
    const Qt::Alignment horizontal =
        m_alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    const int direction = isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    return int(horizontal | Qt::AlignTop) | Qt::TextWordWrap | direction;
}

// The focus, for the link and for a window's keyboard cursor alike: a band along the label's
// edge, over its border where it has one, drawn under the caption so that the text stays whole.
// A boxed label's band takes its border and two pixels inside it; a label on the window takes a
// band of two pixels in a shade that stands out from the window's colour.
void Label::paintFocusRing(QPainter &painter) const
{
    const QColor ring =
        m_backColor
            ? toQColor(FocusRing)
            : readableOn(toQColor(FocusRing), palette().color(QPalette::Window), NonTextContrast);
    const int band = (m_border == LabelBorder::FixedSingle ? 3 : 2) * scale().lineWidth();
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), band), ring);
    painter.fillRect(QRect(r.left(), r.bottom() - band + 1, r.width(), band), ring);
    painter.fillRect(QRect(r.left(), r.top(), band, r.height()), ring);
    painter.fillRect(QRect(r.right() - band + 1, r.top(), band, r.height()), ring);
}

bool Label::hasClickHandler() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Label::clicked));
}

// A cell overlaps its neighbours by its border, and the label painted last shows it: the
// keyboard's cell comes to the top, so that its ring is whole on every side.
void Label::setFocusRect(bool shown)
{
    if (m_focusRect == shown)
        return;
    m_focusRect = shown;
    if (shown)
        m_area.raise(this);
    update();
}

bool Label::focusRingShown() const
{
    return (hasFocus() || m_focusRect) && m_area.window()->property(FocusVisible).toBool();
}

void setFocusVisible(QWidget *window, bool visible)
{
    if (window->property(FocusVisible).toBool() == visible)
        return;
    window->setProperty(FocusVisible, visible);
    for (Label *label : window->findChildren<Label *>())
        if (label->hasFocus() || label->focusRect())
            label->update();
}

// Told once the event at hand is over: when the window's own area has just taken the focus,
// Qt reports that area afterwards, and a screen reader would keep that as the last word.
void Label::reportFocus()
{
    if (!QAccessible::isActive())
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            QAccessibleEvent event(this, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        },
        Qt::QueuedConnection);
}

} // namespace forms
