#pragma once

class QCoreApplication;

namespace platform {

// Loads Qt's own Japanese texts (the buttons of message boxes, the file dialogs) from the
// translations installed with Qt. False when they are not installed; Qt then speaks English.
bool installJapaneseQtTranslations(QCoreApplication& app);

}  // namespace platform
