#include "app/ui/preset_hookup.h"

#include "app/ui/orange_window.h"
#include "ctk/ui/ctk_panel.h"
#include "generator/ui/preset_panel.h"
#include "generator/ui/serial_buttons.h"
#include "generator/ui/serial_settings_panel.h"
#include "text/ui/qt_text.h"

#include <QBoxLayout>

namespace app::ui {

generator::PresetPanel* attachPresets(OrangeWindow& window, generator::GeneratorPanel& panel)
{
    auto* slot = qobject_cast<QBoxLayout*>(window.generatorSlot()->layout());
    auto* buttons = new generator::SerialButtons(panel, window.settings(),
                                                 window.services().dialogs);
    auto* presets = new generator::PresetPanel(window.state(), window.settings(),
                                               window.settingsPath(), panel, *buttons,
                                               window.services().dialogs);
    slot->insertWidget(0, buttons);
    slot->addWidget(presets);

    window.setCloseGuard([presets] { return presets->settingsOpen(); });
    window.addSettingsWriter([presets](SettingsFile& settings) { presets->writeSettings(settings); });
    QObject::connect(&window, &OrangeWindow::controlStatesRefreshed, presets,
                     [presets] { presets->refresh(); });
    // The destination is chosen in the settings only when there are tables to choose from;
    // the one kept in the settings is the one the CTK commands apply.
    presets->settingsPanel()->destinationArea()->setVisible(window.ctkPanel()->tableFileLoaded());
    presets->setTableReapply([&window] {
        window.ctkPanel()->setDestinationTable(
            text::toQString(window.settings().destinationTable()));
    });
    return presets;
}

}  // namespace app::ui
