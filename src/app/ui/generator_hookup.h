#pragma once

namespace generator {
class GeneratorPanel;
}

namespace app::ui {

class OrangeWindow;

// Puts the generator panel into the orange-mode window and joins it to the grid (positions
// for OK and "取消", the row cursor, Ctrl alone), to the window menu (Esc, F5, F6, F7, F11)
// and to the window's state refresh.
void attachGenerator(OrangeWindow& window, generator::GeneratorPanel& panel);

}  // namespace app::ui
