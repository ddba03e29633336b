#include "form1.h"

#include "chart/frmcharts.h"

namespace {

// Which way each translation is written, as Qt reads it to lay every window out: the translator
// writes "RTL" for a language written from right to left, "LTR" for any other.
//: "RTL" where your language is written from right to left, "LTR" otherwise; nothing else.
[[maybe_unused]] const char *const LayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

forms::FormDesign design()
{
    forms::FormDesign d;
    d.caption = Form1::tr("Form1", "the blank start-up window's caption");
    d.clientWidth = 4680;
    d.clientHeight = 3195;
    d.icon = ":/res/varelux.xpm";
    return d;
}

} // namespace

Form1::Form1() : Form(design()) {}

void Form1::Form_Load()
{
    Arrays_Init();
    forms::load<frmCharts>();
    forms::instance<frmCharts>().show();
    forms::instance<frmCharts>().setWindowStateNormal();
}

void Form1::Arrays_Init()
{
    using namespace Module1;

    ArgonRows[8] = {120, 100, 90, 80, 72, 60, 55, 48, 44, 39};
    ArgonRows[7] = {95, 79, 70, 62, 55, 46, 44, 38, 35, 31};
    ArgonRows[6] = {80, 67, 55, 45, 40, 33, 32, 28, 25, 22};
    ArgonRows[5] = {61, 48, 39, 35, 31, 27, 25, 23, 20, 18};
    ArgonRows[4] = {48, 40, 32, 28, 24, 21, 19, 18, 16, 14};
    ArgonRows[3] = {40, 33, 27, 23, 20, 16, 16, 13, 12, 11};
    ArgonRows[2] = {32, 27, 22, 19, 17, 15, 14, 11, 10, 8};
    ArgonRows[1] = {22, 18, 16, 14, 12, 10, 9, 8, 7, 6};
    ArgonRows[0] = {20, 16, 14, 12, 9, 8, 7, 6, 5, 5};

    NeonRows[8] = {102, 85, 78, 72, 60, 50, 45, 40, 36, 32};
    NeonRows[7] = {79, 67, 61, 55, 45, 39, 35, 32, 29, 26};
    NeonRows[6] = {67, 57, 48, 40, 33, 29, 26, 24, 21, 18};
    NeonRows[5] = {51, 41, 34, 28, 26, 22, 21, 19, 17, 15};
    NeonRows[4] = {40, 34, 28, 23, 21, 18, 16, 15, 13, 12};
    NeonRows[3] = {33, 28, 23, 19, 17, 15, 12, 11, 10, 8};
    NeonRows[2] = {27, 23, 19, 16, 13, 11, 10, 9, 8, 7};
    NeonRows[1] = {17, 14, 12, 11, 10, 9, 8, 7, 6, 5};
    NeonRows[0] = {15, 12, 10, 9, 7, 6, 6, 5, 4, 4};

    TranVolts = {2000, 3000, 4000, 5000, 6000, 7500, 9000, 12000, 15000};
    TubeDiams = {9, 10, 11, 12, 13, 15, 18, 20, 22, 25};

    for (int v = 0; v < VoltCount; ++v) {
        for (int d = 0; d < DiamCount; ++d) {
            ArgonTable[v][d] = QString::number(ArgonRows[v][9 - d]);
            NeonTable[v][d] = QString::number(NeonRows[v][9 - d]);
        }
    }
}
