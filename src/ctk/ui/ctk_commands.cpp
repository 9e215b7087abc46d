#include "ctk/ui/ctk_commands.h"

#include "app/program_state.h"
#include "ctk/hand_off.h"
#include "ctk/import.h"
#include "ctk/ui/ctk_messages.h"
#include "ctk/ui/table_controls.h"
#include "ctk/writer.h"
#include "files/whole_file.h"
#include "marking_list/list_undo.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/qt/busy_cursor.h"
#include "platform/shell.h"

#include <QApplication>
#include <QDir>

namespace ctk::ui {
namespace {

using marking_list::CountBoxMode;

// Sets the program-wide flag while a file dialog is open.
class FileDialogOpen {
public:
    explicit FileDialogOpen(app::ProgramState& state) : state_(state) { state_.fileDialogOpen = true; }
    ~FileDialogOpen() { state_.fileDialogOpen = false; }
    FileDialogOpen(const FileDialogOpen&) = delete;
    FileDialogOpen& operator=(const FileDialogOpen&) = delete;

private:
    app::ProgramState& state_;
};

std::filesystem::path toPath(const QString& path)
{
    return std::filesystem::path(path.toStdString());
}

}  // namespace

CtkCommands::CtkCommands(app::ProgramState& state, TableControls& table,
                         platform::Desktop& desktop, platform::Dialogs& dialogs,
                         platform::Shell& shell, Window window)
    : state_(state),
      table_(table),
      desktop_(desktop),
      dialogs_(dialogs),
      shell_(shell),
      window_(std::move(window))
{
}

std::optional<std::string> CtkCommands::confirmAndRender(bool marking)
{
    if (state_.serialSettingsOpen) {
        dialogs_.inform(window_.parent, messages::closeSettings());
        return std::nullopt;
    }
    const bool threeBox = state_.list.layout() == CountBoxMode::ThreeBox;
    const int countColumn = threeBox && window_.markedCountColumn ? window_.markedCountColumn() : 0;
    std::optional<QString> caption;
    if (threeBox)
        caption = window_.markedCountCaption ? window_.markedCountCaption() : QString();
    const bool tableApplied = table_.tableApplied();
    const QString question =
        messages::confirmation(marking, table_.selectorText(), tableApplied, caption);
    if (dialogs_.ask(window_.parent, question, platform::Dialogs::Buttons::YesCancel) !=
        platform::Dialogs::Answer::Yes) {
        if (marking && window_.returnFocus)
            window_.returnFocus();
        return std::nullopt;
    }

    platform::BusyCursor busy;
    table_.prepareForRendering();
    const FontVariant variant =
        state_.fullWidthMode ? FontVariant::WindowsFont : FontVariant::MarkerFont;
    RenderResult rendered = renderOrange(table_.applied(), variant, state_.list, countColumn);
    busy.restore();
    if (!rendered.ok()) {
        dialogs_.inform(window_.parent, marking ? messages::noTableForWindowsFontMarking()
                                                : messages::noTableForWindowsFontSave());
        return std::nullopt;
    }
    if (variant == FontVariant::WindowsFont)
        state_.generatorUndoVisible = false;
    return std::move(rendered.bytes);
}

bool CtkCommands::writeFile(const QString& path, const std::string& bytes)
{
    const std::string error = files::writeWholeFile(toPath(path), bytes);
    if (error.empty())
        return true;
    dialogs_.inform(window_.parent, messages::cannotWrite(QDir::toNativeSeparators(path)));
    return false;
}

void CtkCommands::mark()
{
    if (desktop_.hasWindowTitled(QString::fromLatin1(kMarkerWindowTitle))) {
        dialogs_.inform(window_.parent, messages::markerRunning());
        return;
    }
    const std::optional<std::string> bytes = confirmAndRender(true);
    if (!bytes)
        return;
    const QString path = QString::fromStdString(
        handOffFile(toPath(window_.programFolder), table_.tableApplied()).string());
    if (writeFile(path, *bytes) && !shell_.openFile(path))
        dialogs_.inform(window_.parent, messages::handOffNotOpened(QDir::toNativeSeparators(path)));
    if (window_.returnFocus)
        window_.returnFocus();
    if (window_.disableImport)
        window_.disableImport();
}

void CtkCommands::save()
{
    const std::optional<std::string> bytes = confirmAndRender(false);
    if (!bytes)
        return;
    const bool tableApplied = table_.tableApplied();
    const QString filter = tableApplied ? QStringLiteral("CTKファイル.cta (*.cta)")
                                        : QStringLiteral("CTKファイル.ctk (*.ctk)");
    const QString suffix = QString::fromLatin1(fileExtension(tableApplied));
    std::optional<QString> path;
    {
        FileDialogOpen open(state_);
        path = dialogs_.saveFileName(window_.parent, QString(), {filter}, suffix);
    }
    if (path)
        writeFile(*path, *bytes);
    if (window_.returnFocus)
        window_.returnFocus();
}

void CtkCommands::importFile()
{
    std::optional<QString> path;
    {
        FileDialogOpen open(state_);
        path = dialogs_.openFileName(window_.parent, shell_.desktopFolder(),
                                     {QStringLiteral("CTKPCMS　データファイル (*.ctk *.cta)")});
    }
    if (!path)
        return;
    marking_list::keepUndo(state_, 1);
    const ImportResult result = importCtkFile(state_.list, toPath(*path));
    if (result.rows > 0)
        marking_list::changeDone(state_, 1);
    const QString shown = QDir::toNativeSeparators(*path);
    switch (result.outcome) {
    case ImportOutcome::Imported:
    case ImportOutcome::UnknownFontFlag:
        break;
    case ImportOutcome::LimitReached:
        dialogs_.inform(window_.parent, messages::importLimit(result.limit));
        break;
    case ImportOutcome::MultiRowRefused:
        dialogs_.inform(window_.parent, messages::multiRowRefused());
        break;
    case ImportOutcome::NotFound:
    case ImportOutcome::Unreadable:
        dialogs_.inform(window_.parent, messages::cannotRead(shown));
        break;
    case ImportOutcome::TooLarge:
        dialogs_.inform(window_.parent, messages::tooLargeToImport(shown));
        break;
    case ImportOutcome::NotText:
        dialogs_.inform(window_.parent, messages::notMarkingData(shown));
        break;
    }
}

}  // namespace ctk::ui
