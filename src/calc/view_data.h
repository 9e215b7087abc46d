#pragma once

#include "sheet/spreadsheet_host.h"

#include <optional>
#include <string_view>

namespace calc {

// The active cell as Calc's spreadsheet view describes itself in its view data:
// "zoom/…;<active sheet index>;tw:<tab bar width>;<sheet 0>;<sheet 1>;…", where each sheet's
// part starts "<cursor column>/<cursor row>/…" (0-based; '+' instead of '/' when the numbers
// are large). The view data of the document is stale; the controller's is current.
// Nothing when the text is not of that form.
std::optional<sheet::CellRef> activeCellFromViewData(std::string_view viewData);

}  // namespace calc
