#pragma once

#include <string_view>

/// The moment diagram's rules of the page's style sheet: the parts, the
/// drawing's classes (frame, stub, support, moment, cycle, bar, label, span,
/// joint) and the legend. The drawing's texts take their size from each
/// picture's font-size, so that they scale with it.
std::string_view DiagramStyleSheet();
