#pragma once

#include "app/program_state.h"
#include "app/ui/services.h"

#include <QObject>

#include <memory>

namespace app::ui {

class Hints;
class OrangeWindow;

// The program's invisible main window: never shown, it owns the working windows and the
// program-wide state, and ends the program when the orange-mode window has closed.
class Program final : public QObject {
    Q_OBJECT
public:
    Program(const QString& folder, Services services, Hints* hints = nullptr);
    ~Program() override;

    ProgramState& state() { return state_; }
    OrangeWindow* orangeWindow() const { return orange_.get(); }

    // Creates the orange-mode window and shows it.
    void start();

Q_SIGNALS:
    // The program is done; the event loop should end.
    void finished();

private:
    QString folder_;
    Services services_;
    Hints* hints_;
    ProgramState state_;
    std::unique_ptr<OrangeWindow> orange_;
};

}  // namespace app::ui
