#include "label.h"

#include "labelaccessible.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace forms {

namespace {

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

} // namespace

QFont resolveFont(const FontSpec &wanted)
{
    QFont font;
    font.setFamilies({QString::fromLatin1(wanted.name), QString::fromLatin1(FallbackFamily)});
    font.setPointSizeF(wanted.size);
    font.setBold(wanted.bold);
    font.setUnderline(wanted.underline);
    return font;
}

Label::Label(QWidget *client, const TwipsRect &rect, const LabelStyle &style,
             const QString &caption)
    : QWidget(client), m_rect(rect), m_caption(caption), m_backColor(style.backColor),
      m_foreColor(style.foreColor), m_font(resolveFont(style.font)), m_alignment(style.alignment),
      m_border(style.border)
{
    setUp();
}

// Every property of the model but its caption.
Label::Label(QWidget *client, const Label &model)
    : QWidget(client), m_rect(model.m_rect), m_backColor(model.m_backColor),
      m_foreColor(model.m_foreColor), m_font(model.m_font), m_alignment(model.m_alignment),
      m_border(model.m_border), m_link(model.m_link), m_describeState(model.m_describeState)
{
    if (model.testAttribute(Qt::WA_SetCursor))
        setCursor(model.cursor());
    setUp();
}

void Label::setUp()
{
    installLabelAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent, m_backColor.has_value());
    place();
}

Label *Label::cloneHidden() const
{
    auto *copy = new Label(parentWidget(), *this);
    copy->hide();
    return copy;
}

void Label::place()
{
    setGeometry(twipsToPixels(m_rect.left), twipsToPixels(m_rect.top), twipsToPixels(m_rect.width),
                twipsToPixels(m_rect.height));
}

void Label::setLeft(float twips)
{
    m_rect.left = twips;
    place();
}

void Label::setTop(float twips)
{
    m_rect.top = twips;
    place();
}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
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
    setAttribute(Qt::WA_OpaquePaintEvent);
    lookChanged();
}

Rgb Label::foreColor() const
{
    return m_foreColor ? *m_foreColor : toRgb(palette().color(QPalette::WindowText));
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
    return m_border == LabelBorder::FixedSingle ? rect().adjusted(1, 1, -1, -1) : rect();
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The border is filled, not stroked, so it stays one crisp logical pixel at any scale.
    if (m_border == LabelBorder::FixedSingle)
        painter.fillRect(rect(), Qt::black);
    if (m_backColor)
        painter.fillRect(captionRect(), toQColor(*m_backColor));
    painter.setFont(m_font);
    painter.setPen(toQColor(foreColor()));
    const Qt::Alignment horizontal =
        m_alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(captionRect(), int(horizontal | Qt::AlignTop) | Qt::TextWordWrap, m_caption);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace forms
