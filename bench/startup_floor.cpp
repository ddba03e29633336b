// The floor for start-up: the least a Qt program showing the chart must do. It shows the same two
// windows as Varelux, a blank one and one of the chart window's size (client 306 x 429 at 96 DPI)
// with a menu bar of one menu with three items, whose client is ONE widget painting the chart's
// texts with QPainter in the chart's faces (8.25 pt regular, bold and underlined, and About's
// 9.75 pt bold, each resolved as the program resolves it: "MS Sans Serif", then Liberation Sans),
// with boxes and fills for the cells; both windows are in the regular face, as the program's are
// (so is the menu bar). It ends once the chart-sized window has been painted.
//
// The captions come in the language measured, so that the floor loads the fonts the program
// loads; scripts/bench takes them from translations/*.ts:
//   bench_startup_floor [FORM1 TITLE VIEW CHART_ONLY HIDE_CROSSHAIRS ABOUT MAKER BLUE NEON
//                        DIAMETER VOLTS]
// TITLE is "%1 - Version %2.%3" as translated; the ampersands of the menu's words mark their keys.
#include "firstpaint.h"

#include <QApplication>
#include <QFontInfo>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

namespace {

enum Caption { Form1, Title, View, ChartOnly, HideCrosshairs, About, Maker, Blue, Neon, Diameter,
               Volts, CaptionCount };

const char *const English[CaptionCount] = {
    "Form1", "%1 - Version %2.%3", "&View", "&Chart Only", "&Hide Crosshairs", "&About",
    "Compliments of ORVELLE", "BLUE GAS", "NEON GAS", "Diameter in mm", "Volts"};

// The chart's figures, as Form1::Arrays_Init gives them, one grid's rows from the top.
const int Diameters[10] = {25, 22, 20, 18, 15, 13, 12, 11, 10, 9};
const int Voltages[9] = {15000, 12000, 9000, 7500, 6000, 5000, 4000, 3000, 2000};
const int ArgonFigures[9][10] = {
    {120, 100, 90, 80, 72, 60, 55, 48, 44, 39}, {95, 79, 70, 62, 55, 46, 44, 38, 35, 31},
    {80, 67, 55, 45, 40, 33, 32, 28, 25, 22},   {61, 48, 39, 35, 31, 27, 25, 23, 20, 18},
    {48, 40, 32, 28, 24, 21, 19, 18, 16, 14},   {40, 33, 27, 23, 20, 16, 16, 13, 12, 11},
    {32, 27, 22, 19, 17, 15, 14, 11, 10, 8},    {22, 18, 16, 14, 12, 10, 9, 8, 7, 6},
    {20, 16, 14, 12, 9, 8, 7, 6, 5, 5}};
const int NeonFigures[9][10] = {
    {102, 85, 78, 72, 60, 50, 45, 40, 36, 32}, {79, 67, 61, 55, 45, 39, 35, 32, 29, 26},
    {67, 57, 48, 40, 33, 29, 26, 24, 21, 18},  {51, 41, 34, 28, 26, 22, 21, 19, 17, 15},
    {40, 34, 28, 23, 21, 18, 16, 15, 13, 12},  {33, 28, 23, 19, 17, 15, 12, 11, 10, 8},
    {27, 23, 19, 16, 13, 11, 10, 9, 8, 7},     {17, 14, 12, 11, 10, 9, 8, 7, 6, 5},
    {15, 12, 10, 9, 7, 6, 6, 5, 4, 4}};

// A face as the program resolves it (forms::resolveFont): the family found, asked for by name.
QFont face(qreal points, bool bold, bool underline)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setFamily(QFontInfo(font).family());
    return font;
}

QRect pixels(int left, int top, int width, int height) // twips at 96 DPI: 15 a pixel
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// One of the chart's texts in its box: where it stands, in which face, aligned how, on what.
struct Piece {
    QRect box;
    const QFont *font;
    int alignment;
    QString words;
    QColor back, fore; // no back: the window's own; boxed where it has one
};

void paintPiece(QPainter &painter, const Piece &piece)
{
    QRect inside = piece.box;
    if (piece.back.isValid()) {
        painter.fillRect(piece.box, Qt::black);
        inside = piece.box.adjusted(1, 1, -1, -1);
        painter.fillRect(inside, piece.back);
    }
    painter.setPen(piece.fore);
    painter.setFont(*piece.font);
    painter.drawText(inside, piece.alignment | Qt::AlignTop | Qt::TextWordWrap, piece.words);
}

class Chart : public QWidget {
public:
    Chart(const QString *captions, const QFont &regular, QWidget *parent)
        : QWidget(parent), m_captions(captions), m_regular(regular),
          m_bold(face(8.25, true, false)), m_underlined(face(8.25, false, true)),
          m_heading(face(9.75, true, false))
    {
        setFixedSize(306, 429);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        layOut([&painter](const Piece &piece) { paintPiece(painter, piece); });
    }

private:
    template <typename Take> void layOut(const Take &take) const
    {
        const QColor text = palette().windowText().color();
        take({pixels(240, 0, 3975, 255), &m_bold, Qt::AlignHCenter, m_captions[Maker], {}, text});
        take({pixels(1440, 240, 1695, 240), &m_underlined, Qt::AlignHCenter,
              QStringLiteral("www.orvelle.example"), {}, Qt::blue});
        grid(take, 540, 525, 2160, m_captions[Blue], ArgonFigures, Qt::cyan, Qt::black);
        grid(take, 3480, 3465, 2040, m_captions[Neon], NeonFigures, Qt::red, Qt::white);
    }

    // A grid: its title, axis titles, 10 column headers, 9 row headers and 90 figures.
    template <typename Take>
    void grid(const Take &take, int top, int axisTop, int axisLeft, const QString &title,
              const int (&figures)[9][10], const QColor &headerBack,
              const QColor &headerFore) const
    {
        const QColor text = palette().windowText().color();
        take({pixels(840, top, 975, 255), &m_bold, Qt::AlignLeft, title, {}, text});
        take({pixels(axisLeft, axisTop, 1215, 255), &m_regular, Qt::AlignLeft,
              m_captions[Diameter], {}, text});
        take({pixels(240, top + 390, 375, 255), &m_regular, Qt::AlignLeft, m_captions[Volts], {},
              text});
        const int headers = top + 270, rows = top + 630;
        for (int c = 0; c < 10; ++c)
            take({pixels(840 + 360 * c, headers, 375, 255), &m_bold, Qt::AlignHCenter,
                  QString::number(Diameters[c]), headerBack, headerFore});
        for (int r = 0; r < 9; ++r) {
            take({pixels(120, rows + 240 * r, 630, 255), &m_bold, Qt::AlignHCenter,
                  QString::number(Voltages[r]), headerBack, headerFore});
            for (int c = 0; c < 10; ++c)
                take({pixels(840 + 360 * c, rows + 240 * r, 375, 255), &m_regular,
                      Qt::AlignHCenter, QString::number(figures[r][c]), Qt::white, Qt::black});
        }
    }

    const QString *m_captions;
    QFont m_regular, m_bold, m_underlined, m_heading;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    application.installEventFilter(new FirstPaintWatcher(&application));
    QString captions[CaptionCount];
    for (int i = 0; i < CaptionCount; ++i)
        captions[i] =
            i + 1 < argc ? QString::fromUtf8(argv[i + 1]) : QString::fromLatin1(English[i]);

    // Both windows, their menu bar with them, are in the chart's regular face, as the program's.
    // Like the program's, they are left to the end of the process.
    const QFont regular = face(8.25, false, false);
    auto *blank = new QWidget;
    blank->setFont(regular);
    blank->setWindowTitle(captions[Form1]);
    blank->resize(312, 213);
    auto *window = new QWidget;
    window->setFont(regular);
    window->setWindowTitle(captions[Title].arg(QStringLiteral("Varelux")).arg(1).arg(0));
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *menuBar = new QMenuBar(window);
    QMenu *view = menuBar->addMenu(captions[View]);
    for (Caption item : {ChartOnly, HideCrosshairs, About})
        view->addAction(captions[item]);
    layout->setMenuBar(menuBar);
    layout->addWidget(new Chart(captions, regular, window));
    window->show();
    blank->show();
    return QApplication::exec();
}
