#include "ctk/ui/ctk_panel.h"

#include "app/program_state.h"
#include "app/ui/services.h"
#include "ctk/table_file.h"
#include "ctk/ui/ctk_commands.h"
#include "ctk/ui/ctk_messages.h"
#include "ctk/ui/marked_count_choice.h"
#include "ctk/ui/table_controls.h"
#include "platform/dialogs.h"
#include "text/ui/qt_text.h"

#include <QDir>
#include <QPushButton>
#include <QVBoxLayout>

namespace ctk::ui {

CtkPanel::CtkPanel(QWidget* parent)
    : QWidget(parent),
      marking_(new QPushButton(QStringLiteral("マーキング"), this)),
      save_(new QPushButton(QStringLiteral("CTK 保存"), this)),
      markedCount_(new MarkedCountChoice(this))
{
    marking_->setToolTip(QStringLiteral("CTKソフトを起動してマーキングします（すでに起動済みの時は"
                                        "終了してからクリック ショートカット F10）"));
    save_->setToolTip(QStringLiteral("CTKデータに変換して保存します(ショートカット F8)"));
    for (QPushButton* b : {marking_, save_}) {
        b->setEnabled(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->hide();
    }
    markedCount_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(markedCount_);
    layout->addWidget(marking_);
    layout->addWidget(save_);
}

CtkPanel::~CtkPanel() = default;

void CtkPanel::attach(app::ProgramState& state, const app::ui::Services& services,
                      const QString& programFolder, std::function<void()> returnFocus,
                      std::function<void()> disableImport)
{
    state_ = &state;
    tableControls_ = new TableControls(state, services.desktop, services.dialogs, this);
    tableControls_->setReturnFocus(returnFocus);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, tableControls_);

    const std::filesystem::path folder = programFolder.toStdString();
    const TableFile tables = loadTableFile(folder / TableFile::fileName());
    tableControls_->load(tables, text::fromQString(destination_).value_or(std::string()));
    if (tables.outcome != TableLoad::Loaded && tables.outcome != TableLoad::NotFound)
        services.dialogs.inform(window(), messages::tableFileUnreadable());

    CtkCommands::Window window;
    window.parent = this->window();
    window.programFolder = programFolder;
    window.markedCountColumn = [this] { return markedCount_->column(); };
    window.markedCountCaption = [this] { return markedCount_->caption(); };
    window.returnFocus = std::move(returnFocus);
    window.disableImport = std::move(disableImport);
    commands_ = std::make_unique<CtkCommands>(state, *tableControls_, services.desktop,
                                              services.dialogs, services.shell, window);
    bindButton(Button::Marking, [this] { commands_->mark(); });
    bindButton(Button::Save, [this] { commands_->save(); });
}

QPushButton* CtkPanel::button(Button which) const
{
    return which == Button::Marking ? marking_ : save_;
}

void CtkPanel::bindButton(Button which, std::function<void()> command)
{
    QPushButton* b = button(which);
    connect(b, &QPushButton::clicked, this, [command = std::move(command)] { command(); });
    b->setEnabled(true);
}

void CtkPanel::setButtonsVisible(bool visible)
{
    marking_->setVisible(visible);
    save_->setVisible(visible);
    // The TEXT layout writes no CTK file: it hides the table choice and the work length.
    if (tableControls_ && state_) {
        const bool allows = state_->list.layout() != marking_list::CountBoxMode::Text;
        if (allows != tableControls_->tableApplied() && tableControls_->tableLoaded())
            tableControls_->setLayoutAllowsTable(allows);
    }
}

void CtkPanel::setMarkedCountChoiceVisible(bool visible)
{
    if (!visible)
        markedCount_->chooseFirst();
    markedCount_->setVisible(visible);
}

void CtkPanel::setWireSizes(const QStringList& sizes)
{
    markedCount_->setWireSizes(sizes);
}

bool CtkPanel::tableFileLoaded() const
{
    return tableControls_ != nullptr && tableControls_->tableLoaded();
}

void CtkPanel::setDestinationTable(const QString& text)
{
    destination_ = text;
    if (tableControls_)
        tableControls_->setDestination(text::fromQString(text).value_or(std::string()));
}

void CtkPanel::importFile()
{
    if (commands_)
        commands_->importFile();
}

}  // namespace ctk::ui
