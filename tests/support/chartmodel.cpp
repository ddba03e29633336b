#include "chartmodel.h"

#include "testsupport.h"

#include "about/frmabout.h"
#include "chart/frmcharts.h"
#include "forms/commandbutton.h"
#include "forms/label.h"
#include "forms/menuitem.h"

#include <QAction>
#include <QTest>
#include <QTimer>

using forms::Label;
using forms::Rgb;

namespace testsupport {

namespace {

constexpr Rgb White{255, 255, 255}, Black{0, 0, 0}, Cyan{0, 255, 255}, Red{255, 0, 0},
    Yellow{255, 255, 0}, LightYellow{255, 255, 192};

struct Look {
    Rgb back;
    Rgb fore;
    bool bold;
};

Look cellLook(std::optional<int> target, int index)
{
    if (!target)
        return {White, Black, false};
    if (index == *target)
        return {Yellow, Black, true};
    if (index / 10 == *target / 10 || index % 10 == *target % 10)
        return {LightYellow, Black, false};
    return {White, Black, false};
}

Look headerLook(Gas gas, bool marked)
{
    if (marked)
        return {Yellow, Black, true};
    return gas == Gas::Neon ? Look{Red, White, true} : Look{Cyan, Black, true};
}

QString describe(const Label &label, const Look &want, const char *name, int index)
{
    if (label.backColor() == want.back && label.foreColor() == want.fore &&
        label.fontBold() == want.bold)
        return {};
    auto text = [](Rgb c, bool bold) {
        return QString("(%1,%2,%3)%4").arg(c.r).arg(c.g).arg(c.b).arg(bold ? " bold" : "");
    };
    return QString("%1 %2: back %3 text %4, expected back %5 text %6")
        .arg(name)
        .arg(index)
        .arg(text(label.backColor(), label.fontBold()), text(label.foreColor(), false),
             text(want.back, want.bold), text(want.fore, false));
}

} // namespace

void ChartModel::cellClick(Gas gas, int index)
{
    if (m_crosshairs)
        (gas == Gas::Argon ? m_argon : m_neon) = index;
}

void ChartModel::backgroundClick()
{
    m_argon.reset();
    m_neon.reset();
}

void ChartModel::toggleCrosshairs()
{
    m_crosshairs = !m_crosshairs;
    if (!m_crosshairs)
        backgroundClick();
}

QString ChartModel::differenceFrom(const frmCharts &chart) const
{
    const struct {
        Gas gas;
        std::optional<int> target;
        const forms::LabelArray &cells, &rows, &columns;
        const char *names[3];
    } grids[] = {
        {Gas::Argon,
         m_argon,
         chart.lblArgon,
         chart.TranLabelA,
         chart.diamLabelA,
         {"lblArgon", "TranLabelA", "diamLabelA"}},
        {Gas::Neon,
         m_neon,
         chart.lblNeon,
         chart.TranLabelN,
         chart.diamLabelN,
         {"lblNeon", "TranLabelN", "diamLabelN"}},
    };
    for (const auto &g : grids) {
        for (int i = 0; i < 90; ++i)
            if (QString d = describe(g.cells[i], cellLook(g.target, i), g.names[0], i);
                !d.isEmpty())
                return d;
        for (int r = 0; r < 9; ++r) {
            const bool marked = g.target && *g.target / 10 == r;
            if (QString d = describe(g.rows[r], headerLook(g.gas, marked), g.names[1], r);
                !d.isEmpty())
                return d;
        }
        for (int c = 0; c < 10; ++c) {
            const bool marked = g.target && *g.target % 10 == c;
            if (QString d = describe(g.columns[c], headerLook(g.gas, marked), g.names[2], c);
                !d.isEmpty())
                return d;
        }
    }
    return {};
}

void openAndCloseAbout(frmCharts &chart, AboutClose way)
{
    QTimer::singleShot(0, &chart, [way] {
        frmAbout &about = forms::instance<frmAbout>();
        QWidget *window = about.window();
        switch (way) {
        case AboutClose::OkButton:
            QTest::mouseClick(about.cmdOK, Qt::LeftButton);
            break;
        case AboutClose::Enter:
        case AboutClose::Escape:
            if (!QTest::qWaitForWindowActive(window))
                qWarning("the About box did not become active");
            QTest::keyClick(window, way == AboutClose::Enter ? Qt::Key_Return : Qt::Key_Escape);
            break;
        case AboutClose::CloseButton:
            window->close();
            break;
        }
    });
    chart.mnuAbout->action()->trigger();
}

EventStorm::EventStorm(frmCharts &chart, quint32 seed) : m_chart(chart), m_random(seed) {}

QString EventStorm::step()
{
    const int kind = m_random.bounded(100);
    if (kind < 35) {
        const int index = m_random.bounded(90);
        click(m_chart.lblArgon[index]);
        m_model.cellClick(Gas::Argon, index);
        return QString("argon cell %1").arg(index);
    }
    if (kind < 70) {
        const int index = m_random.bounded(90);
        click(m_chart.lblNeon[index]);
        m_model.cellClick(Gas::Neon, index);
        return QString("neon cell %1").arg(index);
    }
    if (kind < 78) {
        // Bare background: above the grids' titles, between the grids, right of both.
        const QPoint points[] = {{3, 30}, {200, 226}, {300, 100}, {300, 400}, {150, 426}};
        const QPoint point = points[m_random.bounded(int(std::size(points)))];
        clickAt(m_chart.client(), point);
        m_model.backgroundClick();
        return QString("background at %1, %2").arg(point.x()).arg(point.y());
    }
    if (kind < 86) {
        const forms::LabelArray *arrays[] = {
            &m_chart.diamLabelA, &m_chart.TranLabelA, &m_chart.diamLabelN, &m_chart.TranLabelN,
            &m_chart.Label1,     &m_chart.Label2,     &m_chart.Label3};
        const forms::LabelArray &array = *arrays[m_random.bounded(int(std::size(arrays)))];
        const int index = m_random.bounded(array.ubound() + 1);
        click(array[index]);
        return QString("header or title %1").arg(index);
    }
    if (kind < 93) {
        m_chart.mnuVCross->action()->trigger();
        m_model.toggleCrosshairs();
        return QStringLiteral("crosshair switch");
    }
    if (kind < 97) {
        click(*m_chart.urlLabel);
        return QStringLiteral("link");
    }
    const auto way = static_cast<AboutClose>(m_random.bounded(4));
    openAndCloseAbout(m_chart, way);
    return QString("About, closed the %1 way").arg(int(way));
}

} // namespace testsupport
