#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace platform {

// Every message box and file dialog of the program goes through here, so tests can script
// the answers and read the texts.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    enum class Answer { Ok, Yes, No, Cancel };
    enum class Buttons { YesCancel, YesNo };

    // A message with an OK button.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A confirmation question. Closing the box answers Cancel (YesCancel) or No (YesNo).
    virtual Answer ask(QWidget* parent, const QString& text, Buttons buttons) = 0;

    // File dialogs; nothing when the user cancels. `filters` as Qt's name filters.
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& startFolder,
                                                const QStringList& filters) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& startFolder,
                                                const QStringList& filters,
                                                const QString& defaultSuffix) = 0;
};

}  // namespace platform
