#pragma once

#include <string>

/// Section id "method": the formulas of Takabeya's method as the analysis forms
/// them, each with its unit and sign, the order of the sweep, the balance, the
/// textbook's conventions they match (fixed-end moments, Kani's factors), and how
/// the start and the numbers compare with Kani's iteration.
void AppendMethodSection(std::string& out);
