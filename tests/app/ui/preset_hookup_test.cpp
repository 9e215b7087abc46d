#include "app/ui/generator_hookup.h"
#include "app/ui/orange_window.h"
#include "app/ui/preset_hookup.h"
#include "ctk/ui/ctk_panel.h"
#include "ctk/ui/destination_box.h"
#include "generator/ui/generator_panel.h"
#include "generator/ui/preset_panel.h"
#include "generator/ui/serial_settings_panel.h"
#include "support/ui/orange_window_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class PresetHookupTest : public testing_support::OrangeWindowFixture {
protected:
    void create(bool withTables)
    {
        if (withTables)
            QFile::copy(QStringLiteral(VELMORA_FIXTURES_DIR "/ctk/tables20.sp3"),
                        QDir(dir.path()).filePath(QStringLiteral("velmorad.sp3")));
        createWindow();
        panel = new generator::GeneratorPanel(state, dialogs, window.get());
        app::ui::attachGenerator(*window, *panel);
        presets = app::ui::attachPresets(*window, *panel);
        window->show();
    }

    generator::GeneratorPanel* panel = nullptr;
    generator::PresetPanel* presets = nullptr;
};

TEST_F(PresetHookupTest, TheDestinationChosenInTheSettingsIsTheOneTheCtkCommandsApply)
{
    create(true);
    presets->openSettings();
    auto* settingsPanel = presets->settingsPanel();
    EXPECT_TRUE(settingsPanel->destinationArea()->isVisible());
    settingsPanel->destinationBox()->setDestination(QStringLiteral("Table 5"));
    EXPECT_EQ(window->ctkPanel()->destinationTable(), QString());  // applied on closing
    presets->closeSettings();
    EXPECT_EQ(window->ctkPanel()->destinationTable(), QStringLiteral("Table 5"));
    EXPECT_EQ(window->settings().destinationTable(), "Table 5");
}

TEST_F(PresetHookupTest, WithoutATableFileThereIsNoDestinationToChoose)
{
    create(false);
    presets->openSettings();
    EXPECT_FALSE(presets->settingsPanel()->destinationArea()->isVisible());
}

}  // namespace
