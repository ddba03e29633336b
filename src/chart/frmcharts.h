#pragma once

#include "forms/form.h"

// The chart window: the program's working window.
class frmCharts : public forms::Form {
    Q_OBJECT
public:
    frmCharts();

protected:
    void Form_Load() override;
    void Form_Unload(qint16 &cancel) override;
};
