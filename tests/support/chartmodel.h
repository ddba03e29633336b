#pragma once

#include <QRandomGenerator>
#include <QString>

#include <optional>

class frmCharts;

namespace testsupport {

enum class Gas { Argon, Neon };

// A tiny model of the chart's picture, written apart from the program: per grid, either no
// crosshair or one target cell, and the crosshair switch.
class ChartModel {
public:
    void cellClick(Gas gas, int index);
    void backgroundClick();
    void toggleCrosshairs();
    bool crosshairs() const { return m_crosshairs; }

    // The first label whose colours or weight differ from the model's picture; empty if none.
    QString differenceFrom(const frmCharts &chart) const;

private:
    std::optional<int> m_argon;
    std::optional<int> m_neon;
    bool m_crosshairs = true;
};

enum class AboutClose { OkButton, Enter, Escape, CloseButton };

// Opens the About box from the View menu and closes it the given way, as a user would.
void openAndCloseAbout(frmCharts &chart, AboutClose way);

// Random user events against the real chart window and the model side by side, seeded so that
// a failure can be replayed.
class EventStorm {
public:
    EventStorm(frmCharts &chart, quint32 seed);

    // Performs one event; returns what it did.
    QString step();
    const ChartModel &model() const { return m_model; }

private:
    frmCharts &m_chart;
    ChartModel m_model;
    QRandomGenerator m_random;
};

} // namespace testsupport
