#pragma once

namespace generator {
class GeneratorPanel;
class PresetPanel;
}

namespace app::ui {

class OrangeWindow;

// Puts the serial buttons above the generator and the registers with their settings beside
// it, and ties them to the window's close, settings and refresh. Returns the registers' panel.
generator::PresetPanel* attachPresets(OrangeWindow& window, generator::GeneratorPanel& panel);

}  // namespace app::ui
