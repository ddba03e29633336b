#pragma once

#include "forms/form.h"
#include "forms/labelarray.h"

namespace forms {
class Label;
class MenuItem;
} // namespace forms

// The chart window: two look-up grids, BLUE GAS above and NEON GAS below, each made of column
// headers (diameters), row headers (voltages) and cells. Only members 0 and 1 of each array are
// designed; Form_Load builds the rest from member 0 and fills them from the loading tables.
// A cell click marks its crosshair in its own grid; the marks live only in the labels' colours
// and the crosshair switch is the check mark of mnuVCross. The keyboard has one cursor, a cell
// of one grid: keys move it and mark the cell they land on through the same click handlers.
// The grids are one focus stop and the link the other; the cursor's cell has the focus ring
// while the grids hold the focus, shown while the keyboard is in use.
// A grid can be copied as a table; printing and saving go through ChartAtRest. The window zooms,
// from its context menu and with the keys and wheel the windowing layer gives a zoomable window.
class frmCharts : public forms::Form {
    Q_OBJECT
public:
    frmCharts();

    void Load_Argon();
    void Load_Neon();
    void Clear_All();

    void lblArgon_Click(qint16 Index);
    void lblNeon_Click(qint16 Index);
    void mnuVCross_Click();
    void mnuAbout_Click();
    void urlLabel_Click();
    void mnuCopy_Click();

    forms::Label *Label4;
    forms::Label *urlLabel;
    forms::LabelArray Label1;
    forms::LabelArray Label2;
    forms::LabelArray Label3;
    forms::LabelArray diamLabelA;
    forms::LabelArray TranLabelA;
    forms::LabelArray lblArgon;
    forms::LabelArray diamLabelN;
    forms::LabelArray TranLabelN;
    forms::LabelArray lblNeon;
    forms::MenuItem *mnuView;
    forms::MenuItem *mnuVChart;
    forms::MenuItem *mnuVCross;
    forms::MenuItem *mnuAbout;
    forms::MenuItem *mnuChart; // the context menu
    forms::MenuItem *mnuCopy;
    forms::MenuItem *mnuPrint;
    forms::MenuItem *mnuSave;
    forms::MenuItem *mnuZoomIn;
    forms::MenuItem *mnuZoomOut;
    forms::MenuItem *mnuActualSize;

protected:
    void Form_Load() override;
    void Form_Unload(qint16 &cancel) override;
    void Form_Click() override;
    void Form_KeyDown(qint16 &KeyCode, qint16 Shift) override;
    void Form_ContextMenu(bool FromKeyboard, float X, float Y) override;
    void Form_GotFocus() override;
    void Form_LostFocus() override;

private:
    struct Grid;
    Grid argonGrid();
    Grid neonGrid();
    void Load_Grid(const Grid &grid);
    void Reset_Grid(const Grid &grid);
    void Show_Crosshair(const Grid &grid, qint16 Index);
    void Move_Cursor(int rows, int columns);
    void Mark_Cursor();
    void Show_Cursor();
    void Copy_Table(const Grid &grid);

    // Where the keyboard is: a cell of the BLUE GAS grid or of the NEON GAS grid.
    struct KeyCursor {
        bool neon = false;
        qint16 index = 0;
    } m_cursor;
    bool m_gridsFocused = false;          // the grids, not the link, hold the keyboard focus
    forms::Label *m_cursorCell = nullptr; // the cell that shows the cursor
    bool m_menuNeon = false;              // the grid the context menu offers to copy
};
