#pragma once

#include "platform/dialogs.h"

namespace platform {

// Message boxes and file dialogs on Qt's widgets. Message boxes carry the program's name as
// their caption, as the program shows no caption of its own.
class QtDialogs final : public Dialogs {
public:
    void inform(QWidget* parent, const QString& text) override;
    Answer ask(QWidget* parent, const QString& text, Buttons buttons) override;
    std::optional<QString> openFileName(QWidget* parent, const QString& startFolder,
                                        const QStringList& filters) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& startFolder,
                                        const QStringList& filters,
                                        const QString& defaultSuffix) override;
};

}  // namespace platform
