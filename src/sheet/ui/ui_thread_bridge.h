#pragma once

#include <functional>

class QObject;

namespace sheet::ui {

// The spreadsheet's listeners run on threads of their own; this hands their work to the UI
// thread as a queued call on `context` (dropped once `context` is gone). Give it to the
// spreadsheet host as its way of delivering events.
std::function<void(std::function<void()>)> queuedOnUiThread(QObject* context);

// What the UI does while a spreadsheet call waits for the user to answer the spreadsheet's
// own question: windows keep painting, input waits until the call has returned.
std::function<void()> paintWithoutInput();

}  // namespace sheet::ui
