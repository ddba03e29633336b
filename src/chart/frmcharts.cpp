#include "frmcharts.h"

#include "app/form1.h"
#include "app/maker.h"
#include "app/module1.h"
#include "about/frmabout.h"
#include "chart/chartatrest.h"
#include "forms/app.h"
#include "forms/clipboard.h"
#include "forms/label.h"
#include "forms/menuitem.h"
#include "forms/shell.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <optional>

using forms::Alignment;
using forms::FontSpec;
using forms::LabelBorder;
using forms::LabelStyle;
using forms::Rgb;

namespace {

forms::FormDesign design()
{
    forms::FormDesign d;
    d.caption = ChartAtRest::Title();
    d.clientWidth = 4590;
    d.clientHeight = 6435;
    d.border = forms::WindowBorder::FixedSingle;
    d.maxButton = false;
    d.startPosition = forms::StartPosition::CenterScreen;
    d.icon = ":/res/varelux.xpm";
    d.keyPreview = true;
    d.zoomable = true;
    return d;
}

constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};
constexpr Rgb Blue{0, 0, 255};
constexpr Rgb Cyan{0, 255, 255};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Yellow{255, 255, 0};
constexpr Rgb LightYellow{255, 255, 192};

constexpr FontSpec Regular{};
constexpr FontSpec Bold{"MS Sans Serif", 8.25f, true, false};
constexpr FontSpec Underlined{"MS Sans Serif", 8.25f, false, true};

const LabelStyle TitleStyle{{}, {}, Bold, Alignment::Left, LabelBorder::None};
const LabelStyle AxisTitleStyle{{}, {}, Regular, Alignment::Left, LabelBorder::None};
const LabelStyle MakerLineStyle{{}, {}, Bold, Alignment::Center, LabelBorder::None};
const LabelStyle LinkStyle{{}, Blue, Underlined, Alignment::Center, LabelBorder::None};
const LabelStyle ArgonHeaderStyle{Cyan, {}, Bold, Alignment::Center, LabelBorder::FixedSingle};
const LabelStyle NeonHeaderStyle{Red, White, Bold, Alignment::Center, LabelBorder::FixedSingle};
const LabelStyle CellStyle{White, {}, Regular, Alignment::Center, LabelBorder::FixedSingle};

constexpr int Columns = 10;
constexpr int Rows = 9;
constexpr float ColumnPitch = 360;
constexpr float RowPitch = 240;

// How a grid's headers look at rest and when marked; the text colour only where it changes.
struct HeaderLook {
    Rgb back;
    std::optional<Rgb> fore;
};

// What a cell's look means, for screen readers.
QString markOf(const forms::Label &cell)
{
    if (cell.backColor() == Yellow)
        //: What a screen reader says of the cell the user picked: its state, as in "selected".
        return QCoreApplication::translate("frmCharts", "target");
    if (cell.backColor() == LightYellow)
        //: What a screen reader says of a cell in the picked cell's row or column, which is
        //: tinted: its state, as in "on the crosshair lines".
        return QCoreApplication::translate("frmCharts", "crosshair");
    return {};
}

void paint(forms::Label &header, const HeaderLook &look)
{
    header.setBackColor(look.back);
    if (look.fore)
        header.setForeColor(*look.fore);
}

} // namespace

struct frmCharts::Grid {
    const forms::Label &title;
    const forms::Label &rowTitle;
    forms::LabelArray &diamLabel;
    forms::LabelArray &TranLabel;
    forms::LabelArray &cells;
    const Module1::LoadingTable &table;
    HeaderLook rest;
    HeaderLook marked;
};

frmCharts::Grid frmCharts::argonGrid()
{
    const HeaderLook rest{Cyan, {}};
    const HeaderLook marked{Yellow, {}}; // argon headers change their background only
    return {Label3[0], Label2[0],           diamLabelA, TranLabelA,
            lblArgon,  Module1::ArgonTable, rest,       marked};
}

frmCharts::Grid frmCharts::neonGrid()
{
    const HeaderLook rest{Red, White};
    const HeaderLook marked{Yellow, Black};
    return {Label3[1], Label2[1],          diamLabelN, TranLabelN,
            lblNeon,   Module1::NeonTable, rest,       marked};
}

frmCharts::frmCharts()
    : Form(design()), Label1(client()), Label2(client()), Label3(client()), diamLabelA(client()),
      TranLabelA(client()), lblArgon(client()), diamLabelN(client()), TranLabelN(client()),
      lblNeon(client())
{
    //: The maker's credit at the top of the chart, which comes with its compliments; ORVELLE is
    //: the maker's name.
    Label4 = new forms::Label(client(), {240, 0, 3975, 255}, MakerLineStyle,
                              tr("Compliments of ORVELLE"));
    urlLabel = new forms::Label(client(), {1440, 240, 1695, 240}, LinkStyle, MakerHost);
    urlLabel->setMouseIcon(":/res/hand.xpm", 12, 2);
    urlLabel->setLink(true);
    urlLabel->setTabStop(true);
    //: What a screen reader says of the link; %1 is the maker's web address.
    urlLabel->setAccessibleName(tr("Opens the maker's web site, %1").arg(MakerHost));

    //: The title of the upper grid, in capitals: tubing filled with argon, which glows blue; in the
    //: word the sign trade uses for the gas.
    Label3.add(0, {840, 540, 975, 255}, TitleStyle, tr("BLUE GAS"));
    //: The title over the column headers, the tubes' diameters: the quantity and its unit, as
    //: the header of a technical table names them.
    Label1.add(0, {2160, 525, 1215, 255}, AxisTitleStyle, tr("Diameter in mm"));
    //: The title over the row headers, the transformers' voltages: the quantity and its unit, as
    //: the header of a technical table names them. About 40 pixels wide: a symbol and a unit,
    //: as "U (V)", where the word is longer.
    Label2.add(0, {240, 930, 375, 255}, AxisTitleStyle, tr("Volts"));
    diamLabelA.add(0, {840, 810, 375, 255}, ArgonHeaderStyle);
    diamLabelA.add(1, {1200, 810, 375, 255}, ArgonHeaderStyle);
    TranLabelA.add(0, {120, 1170, 630, 255}, ArgonHeaderStyle);
    TranLabelA.add(1, {120, 1410, 630, 255}, ArgonHeaderStyle);
    lblArgon.add(0, {840, 1170, 375, 255}, CellStyle);
    lblArgon.add(1, {1200, 1170, 375, 255}, CellStyle);

    //: The title of the lower grid, in capitals: tubing filled with neon, which glows red.
    Label3.add(1, {840, 3480, 975, 255}, TitleStyle, tr("NEON GAS"));
    Label1.add(1, {2040, 3465, 1215, 255}, AxisTitleStyle, tr("Diameter in mm"));
    Label2.add(1, {240, 3900, 375, 255}, AxisTitleStyle, tr("Volts"));
    diamLabelN.add(0, {840, 3780, 375, 255}, NeonHeaderStyle);
    diamLabelN.add(1, {1200, 3780, 375, 255}, NeonHeaderStyle);
    TranLabelN.add(0, {120, 4140, 630, 255}, NeonHeaderStyle);
    TranLabelN.add(1, {120, 4380, 630, 255}, NeonHeaderStyle);
    lblNeon.add(0, {840, 4140, 375, 255}, CellStyle);
    lblNeon.add(1, {1200, 4140, 375, 255}, CellStyle);
    for (forms::LabelArray *cells : {&lblArgon, &lblNeon})
        for (int i : {0, 1})
            (*cells)[i].setStateDescriber(markOf);

    mnuView = &addMenu(tr("&View"));
    //: A menu item that is always switched off: a view of the chart alone, in the full version.
    mnuVChart = &mnuView->addItem(tr("&Chart Only"));
    mnuVChart->setEnabled(false);
    //: The menu item that switches the crosshairs (the picked cell's row and column tinted).
    mnuVCross = &mnuView->addItem(tr("&Crosshairs"));
    mnuAbout = &mnuView->addItem(tr("&About"));

    mnuChart = &addPopupMenu();
    //: An item of the chart's context menu; %1 is a grid's title, BLUE GAS or NEON GAS as
    //: translated above.
    mnuCopy = &mnuChart->addItem(tr("&Copy %1 Table").arg(Label3[0].caption()));
    mnuCopy->setShortcut(QStringLiteral("Ctrl+C"));
    mnuPrint = &mnuChart->addItem(tr("&Print..."));
    mnuPrint->setShortcut(QStringLiteral("Ctrl+P"));
    mnuSave = &mnuChart->addItem(tr("Save &As..."));
    mnuSave->setShortcut(QStringLiteral("Ctrl+S"));
    //: An item of the chart's context menu: shows the chart larger, a step at a time.
    mnuZoomIn = &mnuChart->addItem(tr("Zoom &In"));
    mnuZoomIn->setShortcut(QKeySequence::ZoomIn);
    //: An item of the chart's context menu: shows the chart smaller, a step at a time.
    mnuZoomOut = &mnuChart->addItem(tr("Zoom &Out"));
    mnuZoomOut->setShortcut(QKeySequence::ZoomOut);
    //: An item of the chart's context menu: shows the chart at its designed size again.
    mnuActualSize = &mnuChart->addItem(tr("Actual &Size"));
    mnuActualSize->setShortcut(QStringLiteral("Ctrl+0"));

    lblArgon.setClickHandler([this](qint16 Index) { lblArgon_Click(Index); });
    lblNeon.setClickHandler([this](qint16 Index) { lblNeon_Click(Index); });
    connect(urlLabel, &forms::Label::clicked, this, &frmCharts::urlLabel_Click);
    mnuVCross->setClickHandler([this] { mnuVCross_Click(); });
    mnuAbout->setClickHandler([this] { mnuAbout_Click(); });
    mnuCopy->setClickHandler([this] { mnuCopy_Click(); });
    mnuPrint->setClickHandler([this] { ChartAtRest::Print(*this); });
    mnuSave->setClickHandler([this] { ChartAtRest::Save(*this); });
    mnuZoomIn->setClickHandler([this] { zoomIn(); });
    mnuZoomOut->setClickHandler([this] { zoomOut(); });
    mnuActualSize->setClickHandler([this] { actualSize(); });
}

void frmCharts::Form_Load()
{
    forms::instance<Form1>().hide();
    Load_Argon();
    Load_Neon();
    mnuVCross->setChecked(true);
    mnuVChart->setCaption(tr("&Chart Only"));
    //: The crosshair item while they show: what choosing it does.
    mnuVCross->setCaption(tr("&Hide Crosshairs"));
    //: The chart window's title: the program's name, then its version's two numbers.
    setCaption(tr("%1 - Version %2.%3")
                   .arg(forms::App::title())
                   .arg(forms::App::major())
                   .arg(forms::App::minor()));
}

void frmCharts::Load_Argon()
{
    Load_Grid(argonGrid());
}

void frmCharts::Load_Neon()
{
    Load_Grid(neonGrid());
}

// Members from 2 up are made from member 0 and placed one pitch from their neighbour as that
// neighbour actually stands; cell rows start again at the left edge of column header 0.
void frmCharts::Load_Grid(const Grid &grid)
{
    using Module1::TranVolts;
    using Module1::TubeDiams;

    const auto x = static_cast<std::int16_t>(std::nearbyint(grid.diamLabel[0].left()));

    for (int c = 0; c < Columns; ++c) {
        if (c >= 2) {
            forms::Label &header = grid.diamLabel.load(c);
            header.setLeft(grid.diamLabel[c - 1].left() + ColumnPitch);
            header.show();
        }
        grid.diamLabel[c].setCaption(QString::number(TubeDiams[9 - c]));
        //: What a screen reader says of a column header: a tube's diameter in millimetres.
        grid.diamLabel[c].setAccessibleName(tr("%1 mm").arg(TubeDiams[9 - c]));
    }

    for (int r = 0; r < Rows; ++r) {
        if (r >= 2) {
            forms::Label &header = grid.TranLabel.load(r);
            header.setTop(grid.TranLabel[r - 1].top() + RowPitch);
            header.show();
        }
        grid.TranLabel[r].setCaption(QString::number(TranVolts[8 - r]));
        //: What a screen reader says of a row header: a transformer's voltage, read out in words.
        grid.TranLabel[r].setAccessibleName(tr("%1 volts").arg(TranVolts[8 - r]));
    }

    //: A cell as a screen reader says it: the grid's title, its row's voltage ("6000 volts"), its
    //: column's diameter ("11 mm"), then its figure.
    const QString cellName =
        tr("%1, %2, %3: %4", "a cell for screen readers: grid, voltage, diameter, figure");
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            const int i = Columns * r + c;
            if (i >= 2) {
                forms::Label &cell = grid.cells.load(i);
                cell.setLeft(c == 0 ? x : grid.cells[i - 1].left() + ColumnPitch);
                cell.setTop(grid.cells[0].top() + RowPitch * r);
                cell.show();
            }
            grid.cells[i].setCaption(grid.table[8 - r][9 - c]);
            grid.cells[i].setAccessibleName(
                cellName.arg(grid.title.caption(), grid.TranLabel[r].accessibleName(),
                             grid.diamLabel[c].accessibleName(), grid.cells[i].caption()));
        }
    }
}

void frmCharts::Form_Unload(qint16 &)
{
    for (forms::LabelArray *array :
         {&diamLabelA, &diamLabelN, &lblArgon, &lblNeon, &TranLabelA, &TranLabelN}) {
        const int last = array->ubound();
        for (int k = 2; k <= last; ++k)
            array->unload(k);
    }
    forms::App::end();
}

void frmCharts::Form_Click()
{
    Clear_All();
}

void frmCharts::lblArgon_Click(qint16 Index)
{
    m_cursor = {false, Index};
    Show_Cursor();
    Show_Crosshair(argonGrid(), Index);
}

void frmCharts::lblNeon_Click(qint16 Index)
{
    m_cursor = {true, Index};
    Show_Cursor();
    Show_Crosshair(neonGrid(), Index);
}

// A screen reader learns that the grids have the focus from the cursor's cell.
void frmCharts::Form_GotFocus()
{
    m_gridsFocused = true;
    Show_Cursor();
    m_cursorCell->reportFocus();
}

void frmCharts::Form_LostFocus()
{
    m_gridsFocused = false;
    Show_Cursor();
}

void frmCharts::Show_Cursor()
{
    forms::Label &cell = (m_cursor.neon ? lblNeon : lblArgon)[m_cursor.index];
    if (m_cursorCell && m_cursorCell != &cell)
        m_cursorCell->setFocusRect(false);
    m_cursorCell = &cell;
    cell.setFocusRect(m_gridsFocused);
}

// Arrows and the Page keys act on the grids, and bring the focus back to them from the link, so
// that the ring stands where the keys act; Enter and Space mark the cursor's cell unless the
// link has the focus, which they then click.
void frmCharts::Form_KeyDown(qint16 &KeyCode, qint16 Shift)
{
    if (Shift == forms::CtrlMask) {
        if (KeyCode == 'C')
            Copy_Table(m_cursor.neon ? neonGrid() : argonGrid());
        else if (KeyCode == 'P')
            ChartAtRest::Print(*this);
        else if (KeyCode == 'S')
            ChartAtRest::Save(*this);
        else
            return;
        KeyCode = 0;
        return;
    }
    if (Shift & (forms::CtrlMask | forms::AltMask))
        return;
    const bool movesCursor = (KeyCode >= forms::Key::Left && KeyCode <= forms::Key::Down) ||
                             KeyCode == forms::Key::PageUp || KeyCode == forms::Key::PageDown;
    if (movesCursor && activeControl())
        setFocus();
    switch (KeyCode) {
    case forms::Key::Left:
        Move_Cursor(0, -1);
        break;
    case forms::Key::Right:
        Move_Cursor(0, 1);
        break;
    case forms::Key::Up:
        Move_Cursor(-1, 0);
        break;
    case forms::Key::Down:
        Move_Cursor(1, 0);
        break;
    case forms::Key::PageUp:
    case forms::Key::PageDown:
        m_cursor.neon = KeyCode == forms::Key::PageDown;
        Mark_Cursor();
        break;
    case forms::Key::Return:
    case forms::Key::Space:
        if (activeControl() == urlLabel)
            return;
        Mark_Cursor();
        break;
    case forms::Key::Escape:
        Clear_All();
        break;
    default:
        return;
    }
    KeyCode = 0;
}

// One cell at a time within the cursor's grid; at an edge the cursor stays put.
void frmCharts::Move_Cursor(int rows, int columns)
{
    const int row = std::clamp(m_cursor.index / Columns + rows, 0, Rows - 1);
    const int column = std::clamp(m_cursor.index % Columns + columns, 0, Columns - 1);
    m_cursor.index = static_cast<qint16>(Columns * row + column);
    Mark_Cursor();
}

void frmCharts::Mark_Cursor()
{
    const KeyCursor cursor = m_cursor;
    if (cursor.neon)
        lblNeon_Click(cursor.index);
    else
        lblArgon_Click(cursor.index);
    (cursor.neon ? lblNeon : lblArgon)[cursor.index].reportFocus();
}

void frmCharts::Clear_All()
{
    Reset_Grid(argonGrid());
    Reset_Grid(neonGrid());
}

void frmCharts::Reset_Grid(const Grid &grid)
{
    for (int i = 0; i <= grid.cells.ubound(); ++i) {
        grid.cells[i].setBackColor(White);
        grid.cells[i].setFontBold(false);
    }
    for (int r = 0; r <= grid.TranLabel.ubound(); ++r)
        paint(grid.TranLabel[r], grid.rest);
    for (int c = 0; c <= grid.diamLabel.ubound(); ++c)
        paint(grid.diamLabel[c], grid.rest);
}

void frmCharts::Show_Crosshair(const Grid &grid, qint16 Index)
{
    if (!mnuVCross->checked())
        return;
    Reset_Grid(grid);

    const int row = Index / Columns;
    const int column = Index % Columns;
    for (int j = 0; j < Columns; ++j)
        grid.cells[Columns * row + j].setBackColor(LightYellow);
    for (int j = 0; j < Rows; ++j)
        grid.cells[column + Columns * j].setBackColor(LightYellow);

    grid.cells[Index].setBackColor(Yellow);
    grid.cells[Index].setFontBold(true);
    paint(grid.TranLabel[row], grid.marked);
    paint(grid.diamLabel[column], grid.marked);
}

void frmCharts::mnuVCross_Click()
{
    if (mnuVCross->checked()) {
        mnuVCross->setChecked(false);
        Clear_All();
        //: The crosshair item while they are off: what choosing it does, show them again.
        mnuVCross->setCaption(tr("&Use Crosshairs"));
    } else {
        mnuVCross->setChecked(true);
        mnuVCross->setCaption(tr("&Hide Crosshairs"));
    }
}

void frmCharts::mnuAbout_Click()
{
    forms::load<frmAbout>();
    forms::instance<frmAbout>().showModal(*this);
}

void frmCharts::urlLabel_Click()
{
    // Asks for a normal, visible window: the user clicked to see the maker's site.
    forms::shellExecute(*this, QStringLiteral("open"), makerAddress(), QString(), QString(),
                        forms::ShowCommand::Normal);
}

// A right click offers the grid under the pointer for copying, the keyboard the cursor's grid;
// neither marks nor clears anything.
void frmCharts::Form_ContextMenu(bool FromKeyboard, float X, float Y)
{
    if (FromKeyboard) {
        const forms::Label &cell = (m_cursor.neon ? lblNeon : lblArgon)[m_cursor.index];
        m_menuNeon = m_cursor.neon;
        X = cell.left();
        Y = cell.top() + cell.height();
    } else {
        m_menuNeon = Y >= Label1[1].top(); // NEON GAS begins with its axis title, its topmost label
    }
    mnuCopy->setCaption(tr("&Copy %1 Table").arg(Label3[m_menuNeon].caption()));
    mnuZoomIn->setEnabled(canZoomIn());
    mnuZoomOut->setEnabled(canZoomOut());
    popupMenu(*mnuChart, X, Y);
}

void frmCharts::mnuCopy_Click()
{
    Copy_Table(m_menuNeon ? neonGrid() : argonGrid());
}

// The grid as the window shows it: "Volts" and the diameters, then each voltage with its
// figures.
void frmCharts::Copy_Table(const Grid &grid)
{
    QList<QStringList> rows{{grid.rowTitle.caption()}};
    for (int c = 0; c < Columns; ++c)
        rows[0] << grid.diamLabel[c].caption();
    for (int r = 0; r < Rows; ++r) {
        QStringList row{grid.TranLabel[r].caption()};
        for (int c = 0; c < Columns; ++c)
            row << grid.cells[Columns * r + c].caption();
        rows << row;
    }
    forms::copyTable(grid.title.caption(), rows);
}
