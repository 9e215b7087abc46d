#pragma once

namespace generator {
class GeneratorPanel;
}

namespace app::ui {

class OrangeWindow;

// Puts the serial buttons above the generator and the registers with their settings beside
// it, and ties them to the window's close, settings and refresh.
void attachPresets(OrangeWindow& window, generator::GeneratorPanel& panel);

}  // namespace app::ui
