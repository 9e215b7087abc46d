#include "sheet/ui/ui_thread_bridge.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

namespace sheet::ui {

std::function<void(std::function<void()>)> queuedOnUiThread(QObject* context)
{
    QPointer<QObject> target(context);
    return [target](std::function<void()> task) {
        // The queued call is dropped by Qt when the context is destroyed before it runs.
        if (QObject* object = target.data())
            QMetaObject::invokeMethod(object, std::move(task), Qt::QueuedConnection);
    };
}

std::function<void()> paintWithoutInput()
{
    return [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
}

}  // namespace sheet::ui
