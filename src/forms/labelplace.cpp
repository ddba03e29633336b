#include "label.h"

#include "labelarea.h"

#include <QFontMetrics>
#include <QPointer>

#include <algorithm>
#include <vector>

// Where a label stands: its designed place at its window's scale, grown where its caption needs it.
namespace forms {

namespace {

// Whether a label standing in `room`, designed in `designed`, covers pixels of `there` that its
// design leaves to that neighbour. Some labels are designed to share a row of pixels with a
// neighbour; growing, they share no more than that.
bool takesFrom(const QRect &room, const QRect &designed, const QRect &there)
{
    const QRect shared = room & there;
    return !shared.isEmpty() && !(designed & there).contains(shared);
}

} // namespace

// Where it is designed, it takes its place before any label grown over it: those fit again, once
// each, against the labels as they then stand. Then it fits its own caption, in its font at the
// window's zoom, and is placed.
void Label::standAsDesigned()
{
    if (m_font.pointSizeF() != m_pointSize * scale().zoom()) {
        m_font.setPointSizeF(m_pointSize * scale().zoom());
        m_measured.clear();
    }
    if (m_mouseIcon.resource)
        makePointer();
    m_rect = m_designed;
    const std::vector<QPointer<Label>> grown = m_scale.grownLabels();
    const QRect here = scale().pixels(m_rect);
    for (Label *other : grown)
        if (other && other != this && other->m_rect != other->m_designed && other->crosses(here))
            other->fitCaption();
    fitCaption();
}

bool Label::crosses(const QRect &there) const
{
    return takesFrom(scale().pixels(m_rect), scale().pixels(m_designed), there);
}

QRect Label::captionNeeds(int width) const
{
    const int flags = captionFlags();
    if (flags != m_measuredFlags) {
        m_measured.clear();
        m_measuredFlags = flags;
    }
    for (const auto &[measuredWidth, needs] : m_measured)
        if (measuredWidth == width)
            return needs;
    const QRect needs =
        QFontMetrics(m_font).boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), flags, m_caption);
    m_measured.emplace_back(width, needs);
    return needs;
}

// A caption longer than its label, as a translation may be, is shown whole: the label grows
// across from its designed place, keeping its alignment, inside its window and clear of the
// labels around it, as far as its words need to wrap into its height, and takes the height its
// lines then need; where that is more than designed (or its lines are taller, as Chinese and
// Japanese ones are), it grows downwards, as far as nothing is in the way. Boxed labels hold
// figures, which always fit. It fits against its neighbours as they stand and moves none of them,
// so fitting always ends.
void Label::fitCaption()
{
    m_rect = m_designed;
    if (m_border != LabelBorder::None) {
        place();
        return;
    }
    const TwipsScale &scale = this->scale();
    const QRect designed = scale.pixels(m_designed);
    const QFontMetrics metrics(m_font);
    auto needs = [&](int width) { return captionNeeds(width); };
    auto fits = [&](int width, int height) {
        const QRect need = needs(width);
        return need.width() <= width && need.height() <= height;
    };
    // As wide as asked, and as tall as the caption then needs: fewer lines than designed, more
    // where they wrap, or the taller lines of Chinese and Japanese. A label on the left grows to
    // the right; where one line has no room there, it takes what is free on its right and grows
    // leftwards from there.
    bool leftwards = false;
    int right = designed.right();
    auto across = [&](int width) {
        const int left = m_alignment == Alignment::Center
                             ? designed.left() - (width - designed.width()) / 2
                         : leftwards ? right + 1 - width
                                     : designed.left();
        return QRect(left, designed.top(), width, needs(width).height());
    };
    const std::vector<Label *> &labels = m_area.labels();
    auto free = [&](int width) {
        const QRect room = across(width);
        return m_area.rect().contains(room) &&
               std::none_of(labels.begin(), labels.end(), [&](const Label *other) {
                   return other != this && takesFrom(room, designed, scale.pixels(other->m_rect));
               });
    };
    int narrow = designed.width(), wide = narrow;
    bool grows = !fits(narrow, designed.height());
    // Mostly a one-line label, whose caption takes one line of its own width where that is free.
    const bool oneLine = grows && designed.height() < 2 * metrics.lineSpacing();
    const int line = oneLine ? needs(QWIDGETSIZE_MAX).width() : 0;
    auto widest = [&] { // from where it stands, the widest that is free
        for (int step = m_area.width(); step > 0; step /= 2)
            while (free(wide + step))
                wide += step;
    };
    if (oneLine && !free(std::max(line, narrow)) && m_alignment == Alignment::Left) {
        widest();
        right = designed.left() + wide - 1;
        wide = narrow;
        leftwards = true;
    }
    if (oneLine && free(std::max(line, narrow))) {
        wide = std::max(line, narrow);
    } else if (grows) {
        leftwards = false;
        widest();
        grows = wide > narrow || free(narrow); // where nothing is free, it stays as designed
        const int height = across(wide).height();
        while (narrow + 1 < wide) { // then the narrowest that needs no more height, if any
            const int middle = (narrow + wide) / 2;
            (fits(middle, height) ? wide : narrow) = middle;
        }
    }
    if (grows) {
        auto &grown = m_scale.grownLabels();
        grown.erase(std::remove(grown.begin(), grown.end(), nullptr), grown.end());
        if (std::find(grown.begin(), grown.end(), this) == grown.end())
            grown.emplace_back(this);
        const QRect shown = across(wide);
        m_rect = {scale.twips(shown.left()), m_designed.top, scale.twips(shown.width()),
                  scale.twips(shown.height())};
    }
    place();
}

void Label::place()
{
    const QRect pixels = scale().pixels(m_rect);
    if (pixels == m_pixels)
        return;
    update();
    m_pixels = pixels;
    update();
}

void Label::setLeft(float twips)
{
    m_designed.left = twips;
    standAsDesigned();
}

void Label::setTop(float twips)
{
    m_designed.top = twips;
    standAsDesigned();
}

} // namespace forms
