#pragma once

// The chart's figures as printed: rows 2000 V to 15000 V, columns 9 mm to 25 mm. Tests compare
// the program against these, never against the program's own tables.
namespace printed {

inline constexpr int Volts[9] = {2000, 3000, 4000, 5000, 6000, 7500, 9000, 12000, 15000};
inline constexpr int Diams[10] = {9, 10, 11, 12, 13, 15, 18, 20, 22, 25};

inline constexpr int Argon[9][10] = {
    {5, 5, 6, 7, 8, 9, 12, 14, 16, 20},         {6, 7, 8, 9, 10, 12, 14, 16, 18, 22},
    {8, 10, 11, 14, 15, 17, 19, 22, 27, 32},    {11, 12, 13, 16, 16, 20, 23, 27, 33, 40},
    {14, 16, 18, 19, 21, 24, 28, 32, 40, 48},   {18, 20, 23, 25, 27, 31, 35, 39, 48, 61},
    {22, 25, 28, 32, 33, 40, 45, 55, 67, 80},   {31, 35, 38, 44, 46, 55, 62, 70, 79, 95},
    {39, 44, 48, 55, 60, 72, 80, 90, 100, 120},
};

inline constexpr int Neon[9][10] = {
    {4, 4, 5, 6, 6, 7, 9, 10, 12, 15},         {5, 6, 7, 8, 9, 10, 11, 12, 14, 17},
    {7, 8, 9, 10, 11, 13, 16, 19, 23, 27},     {8, 10, 11, 12, 15, 17, 19, 23, 28, 33},
    {12, 13, 15, 16, 18, 21, 23, 28, 34, 40},  {15, 17, 19, 21, 22, 26, 28, 34, 41, 51},
    {18, 21, 24, 26, 29, 33, 40, 48, 57, 67},  {26, 29, 32, 35, 39, 45, 55, 61, 67, 79},
    {32, 36, 40, 45, 50, 60, 72, 78, 85, 102},
};

// The headers as the chart shows them, left to right and top to bottom.
inline constexpr int ColumnHeaders[10] = {25, 22, 20, 18, 15, 13, 12, 11, 10, 9};
inline constexpr int RowHeaders[9] = {15000, 12000, 9000, 7500, 6000, 5000, 4000, 3000, 2000};

// The figure printed for a voltage and a diameter, found by value.
inline int figure(const int (&table)[9][10], int volts, int mm)
{
    int v = 0;
    int d = 0;
    while (Volts[v] != volts)
        ++v;
    while (Diams[d] != mm)
        ++d;
    return table[v][d];
}

} // namespace printed
