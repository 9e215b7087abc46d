#include "app/ui/program.h"

#include "app/ui/generator_hookup.h"
#include "app/ui/orange_window.h"
#include "app/ui/preset_hookup.h"
#include "app/ui/spreadsheet_hookup.h"
#include "generator/ui/generator_panel.h"

namespace app::ui {

Program::Program(const QString& folder, Services services, Hints* hints)
    : folder_(folder), services_(services), hints_(hints)
{
}

Program::~Program() = default;

void Program::start()
{
    orange_ = std::make_unique<OrangeWindow>(state_, folder_, services_, hints_);
    auto* generator = new generator::GeneratorPanel(state_, services_.dialogs, orange_.get());
    attachGenerator(*orange_, *generator);
    attachPresets(*orange_, *generator);
    attachSpreadsheet(*orange_);
    connect(orange_.get(), &OrangeWindow::closed, this, &Program::finished,
            Qt::QueuedConnection);
    orange_->show();
}

}  // namespace app::ui
