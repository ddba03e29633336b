#pragma once

#include "forms/form.h"
#include "module1.h"

#include <array>
#include <cstdint>

// The start-up window: blank. Its load handler fills the loading tables and brings up the
// chart window; it then stays beside the chart window until the user closes it.
class Form1 : public forms::Form {
    Q_OBJECT
public:
    // Figures per voltage, largest diameter first: element k belongs to diameter index 9 - k.
    using RowList = std::array<std::int16_t, Module1::DiamCount>;

    Form1();

    void Arrays_Init();

    std::array<RowList, Module1::VoltCount> ArgonRows{};
    std::array<RowList, Module1::VoltCount> NeonRows{};

protected:
    void Form_Load() override;
};
