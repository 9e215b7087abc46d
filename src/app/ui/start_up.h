#pragma once

#include <QString>

namespace platform {
class Desktop;
class Dialogs;
}  // namespace platform

namespace app::ui {

class SingleInstance;

// The smallest screen height the window is laid out for.
constexpr int kMinimumScreenHeight = 768;

enum class StartCheck { Run, AlreadyRunning, ScreenTooLow };

// The checks before any window: the single-instance lock, then the screen height. A refusal
// has been told to the user when this returns.
StartCheck checkStart(SingleInstance& instance, const platform::Desktop& desktop,
                      platform::Dialogs& dialogs);

// The folder of the program's files (velmorad.ini, the table file, the hand-off files): the
// executable's folder when it can be written, as in a built or unpacked tree; otherwise, for
// an installed program, the user's application data folder, created when missing.
QString programFolder(const QString& executableFolder);

// Makes sure the settings file exists: a file that cannot be read is replaced by one of 51
// empty lines. A file that cannot be written either is told to the user; false then.
bool bootstrapSettings(const QString& path, platform::Dialogs& dialogs);

// "ＭＳ Ｐゴシック" and its siblings are Windows fonts; map them to the IPA fonts before the
// first widget is made, so Qt does not mix families.
void installFontSubstitutions();

}  // namespace app::ui
