#include "drawing/DiagramStyle.h"

namespace {

// The label colours and halo are those of the samples in the legend too.
constexpr std::string_view Style =
    R"(.part{margin:.4em 0 .8em}
.part p{font-family:sans-serif;font-size:.85em;margin:0 0 .2em}
.part svg{display:block;max-width:100%;height:auto;background:#fff}
.part svg text{font-family:sans-serif}
.frame{stroke:#444;stroke-width:2.5;fill:none}
.stub{stroke:#444;stroke-width:2.5;stroke-dasharray:6 3;fill:none}
.support{stroke:#444;stroke-width:1.2}
.moment{fill:#c9daf3;fill-opacity:.75;stroke:#1d4f91;stroke-width:1.2;stroke-linejoin:round}
.cycle{fill:none;stroke:#c0392b;stroke-width:1.2;stroke-dasharray:5 3;stroke-linejoin:round}
.bar{stroke:#1d4f91;stroke-width:2}
.label{fill:#163d70;stroke:#fff;stroke-width:3px;paint-order:stroke;stroke-linejoin:round}
.span{font-weight:bold}
.joint{fill:#6b6b6b;font-style:italic;stroke:#fff;stroke-width:3px;paint-order:stroke;stroke-linejoin:round}
ul.key{list-style:none;padding:0;margin:.3em 0 .6em;font-size:.9em}
ul.key li{margin:.2em 0;display:flex;align-items:baseline;gap:.5em}
ul.key .sample{flex:0 0 5.5em}
ul.key .number,ul.key .joint-number{font-family:sans-serif;margin-right:.3em;color:#163d70}
ul.key .joint-number{color:#6b6b6b;font-style:italic}
@media print{.part{break-inside:avoid}}
)";

} // namespace

std::string_view DiagramStyleSheet() {
    return Style;
}
