#pragma once

#include "forms/form.h"

namespace forms {
class CommandButton;
class Label;
} // namespace forms

// The About box: names the program and its version, says what this free lite edition is and
// where the maker publishes its software. It exists only while shown: OK, Enter, Escape and the
// close button all unload it, and each About command loads a fresh one.
class frmAbout : public forms::Form {
    Q_OBJECT
public:
    frmAbout();

    void cmdOK_Click();
    void Label3_Click();

    forms::Label *lblTitle;
    forms::Label *lblVersion;
    forms::Label *Label1;
    forms::Label *Label2;
    forms::Label *Label3;
    forms::CommandButton *cmdOK;

protected:
    void Form_Load() override;
};
