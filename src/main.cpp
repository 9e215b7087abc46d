#include "app/ui/hints.h"
#include "app/ui/program.h"
#include "app/ui/single_instance.h"
#include "app/ui/start_up.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/termination_signals.h"
#include "platform/qt/translations.h"
#include "platform/x11/x11_desktop.h"
#include "sheet/no_spreadsheet_host.h"
#include "sheet/ui/ui_thread_bridge.h"

#if VELMORA_HAVE_CALC
#include "calc/calc_host.h"
#endif

#include <QApplication>

#include <memory>

namespace {

// LibreOffice Calc on the user's own profile, so a Calc the user already runs is the one
// linked; its events reach the UI thread as queued calls.
std::unique_ptr<sheet::SpreadsheetHost> makeSpreadsheetHost(QObject* uiContext)
{
#if VELMORA_HAVE_CALC
    calc::CalcHost::Options options;
    options.post = sheet::ui::queuedOnUiThread(uiContext);
    options.whileWaiting = sheet::ui::paintWithoutInput();
    return std::make_unique<calc::CalcHost>(std::move(options));
#else
    (void)uiContext;
    return std::make_unique<sheet::NoSpreadsheetHost>();
#endif
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    // Only the orange-mode window's close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    app::ui::installFontSubstitutions();
    platform::installJapaneseQtTranslations(app);
    app::ui::Hints hints(app);

    platform::X11Desktop desktop;
    platform::QtDialogs dialogs;
    platform::QtClipboard clipboard;
    platform::QtShell shell;
    const auto spreadsheet = makeSpreadsheetHost(&app);

    app::ui::SingleInstance instance;
    if (app::ui::checkStart(instance, desktop, dialogs) != app::ui::StartCheck::Run)
        return 0;

    const QString folder = app::ui::programFolder(QApplication::applicationDirPath());
    app::ui::bootstrapSettings(folder + QStringLiteral("/velmorad.ini"), dialogs);

    app::ui::Program program(folder, {desktop, dialogs, clipboard, shell, *spreadsheet}, &hints);
    QObject::connect(&program, &app::ui::Program::finished, &app, &QApplication::quit);
    platform::quitOnTerminationSignals(app);
    program.start();
    return QApplication::exec();
}
