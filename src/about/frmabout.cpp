#include "frmabout.h"

#include "app/maker.h"
#include "forms/app.h"
#include "forms/commandbutton.h"
#include "forms/label.h"

using forms::Alignment;
using forms::FontSpec;
using forms::LabelBorder;
using forms::LabelStyle;
using forms::Rgb;

namespace {

const forms::FormDesign Design = [] {
    forms::FormDesign d;
    d.caption = QStringLiteral("About MyApp");
    d.clientWidth = 4155;
    d.clientHeight = 3360;
    d.border = forms::WindowBorder::FixedDialog;
    d.minButton = false;
    d.maxButton = false;
    d.showInTaskbar = false;
    d.startPosition = forms::StartPosition::Manual;
    d.left = 2340;
    d.top = 1935;
    return d;
}();

constexpr Rgb Blue{0, 0, 255};

const LabelStyle HeadingStyle{
    {}, Blue, FontSpec{"MS Sans Serif", 9.75f, true, false}, Alignment::Center, LabelBorder::None};
const LabelStyle AddressStyle{
    {}, Blue, FontSpec{"MS Sans Serif", 8.25f, true, false}, Alignment::Center, LabelBorder::None};
const LabelStyle TextStyle{{}, {}, FontSpec{}, Alignment::Center, LabelBorder::None};

} // namespace

frmAbout::frmAbout() : Form(Design)
{
    lblTitle = new forms::Label(client(), {240, 240, 3765, 225}, HeadingStyle,
                                QStringLiteral("Application Title"));
    lblVersion =
        new forms::Label(client(), {120, 480, 3885, 225}, HeadingStyle, QStringLiteral("Version"));
    //: In the About box, over the maker's web address: say what the English says, no more.
    Label2 = new forms::Label(
        client(), {480, 840, 3135, 855}, TextStyle,
        tr("This is the very simplified free lite version. The full version has many powerful "
           "calculation features. Information on the current release is available at:"));
    Label3 = new forms::Label(client(), {720, 1680, 2775, 255}, AddressStyle,
                              MakerHost + QStringLiteral("/Software"));
    Label1 = new forms::Label(client(), {840, 2160, 2775, 495}, TextStyle,
                              tr("Copyright \u00A9 2026 ORVELLE.\nAll rights reserved."));
    cmdOK = new forms::CommandButton(client(), {1440, 2760, 1260, 345}, tr("OK"));
    cmdOK->setDefaultRole();
    cmdOK->setCancelRole();
    cmdOK->setFocus();

    connect(cmdOK, &forms::CommandButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(Label3, &forms::Label::clicked, this, &frmAbout::Label3_Click);
    Label3->setOffersPress(false); // its click does nothing, so there is nothing to press
}

void frmAbout::Form_Load()
{
    //: The About box's title; %1 is the program's name.
    setCaption(tr("About %1").arg(forms::App::title()));
    //: The version's two numbers, under the program's name.
    lblVersion->setCaption(tr("Version %1.%2").arg(forms::App::major()).arg(forms::App::minor()));
    lblTitle->setCaption(forms::App::title());
}

void frmAbout::cmdOK_Click()
{
    unload();
}

void frmAbout::Label3_Click() {}
