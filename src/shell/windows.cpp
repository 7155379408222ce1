#include "shell/windows.h"

namespace shell {

namespace {
using Factory = std::unique_ptr<platform::Form> (*)(platform::Program&);
struct Entry {
    int number;
    Factory make;
};
const Entry kWindows[] = {
    {1, makeForm1},
    {2, makeForm2},
    {5, makeForm5},
    {24, makeForm24},
    {14, neighbours::makeForm14},
    {15, neighbours::makeForm15},
    {16, neighbours::makeForm16},
    {17, neighbours::makeForm17},
    {37, neighbours::makeForm37},
    {38, neighbours::makeForm38},
    {39, neighbours::makeForm39},
    {40, neighbours::makeForm40},
    {12, order::makeForm12},
    {13, order::makeForm13},
    {35, order::makeForm35},
    {36, order::makeForm36},
    {3, reading_writing::makeForm3},
    {6, reading_writing::makeForm6},
    {29, reading_writing::makeForm29},
    {4, reading_writing::makeForm4},
    {7, reading_writing::makeForm7},
    {30, reading_writing::makeForm30},
    {10, order::makeForm10},
    {33, order::makeForm33},
    {27, reading_writing::makeForm27},
    {28, reading_writing::makeForm28},
    {18, operations::makeForm18},
    {19, operations::makeForm19},
    {20, operations::makeForm20},
    {21, operations::makeForm21},
    {22, operations::makeForm22},
    {23, operations::makeForm23},
    {41, operations::makeForm41},
    {42, operations::makeForm42},
    {43, operations::makeForm43},
    {11, order::makeForm11},
    {34, order::makeForm34},
    {8, reading_writing::makeForm8},
    {9, reading_writing::makeForm9},
    {31, reading_writing::makeForm31},
    {32, reading_writing::makeForm32},
    {25, operations::makeForm25},
    {26, operations::makeForm26},
};
} // namespace

std::unique_ptr<platform::Form> createForm(platform::Program& program, int number) {
    for (const Entry& e : kWindows)
        if (e.number == number)
            return e.make(program);
    return nullptr;
}

std::vector<int> existingForms() {
    std::vector<int> numbers;
    for (const Entry& e : kWindows)
        numbers.push_back(e.number);
    return numbers;
}

} // namespace shell
