#include "frmcharts.h"

#include "app/form1.h"
#include "forms/app.h"

namespace {

const forms::FormDesign Design{
    QStringLiteral("Transformer Loading Chart"),
    4590,
    6435,
    forms::WindowBorder::FixedSingle,
    true,
    false,
    true,
    forms::StartPosition::CenterScreen,
    0,
    0,
    ":/res/varelux.xpm",
};

} // namespace

frmCharts::frmCharts() : Form(Design) {}

void frmCharts::Form_Load()
{
    forms::instance<Form1>().hide();
    setCaption(forms::App::title() + QStringLiteral(" - Version ") + QString::number(forms::App::major()) +
               QStringLiteral(".") + QString::number(forms::App::minor()));
}

void frmCharts::Form_Unload(qint16 &)
{
    forms::App::end();
}
