#include "app/ui/hints.h"
#include "app/ui/program.h"
#include "app/ui/single_instance.h"
#include "app/ui/start_up.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/translations.h"
#include "platform/x11/x11_desktop.h"

#include <QApplication>

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

    app::ui::SingleInstance instance;
    if (app::ui::checkStart(instance, desktop, dialogs) != app::ui::StartCheck::Run)
        return 0;

    const QString folder = app::ui::programFolder(QApplication::applicationDirPath());
    app::ui::bootstrapSettings(folder + QStringLiteral("/velmorad.ini"), dialogs);

    app::ui::Program program(folder, {desktop, dialogs, clipboard, shell}, &hints);
    QObject::connect(&program, &app::ui::Program::finished, &app, &QApplication::quit);
    program.start();
    return QApplication::exec();
}
