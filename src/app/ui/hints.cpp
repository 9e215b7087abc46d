#include "app/ui/hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace app::ui {

namespace {

class NoHintPauseStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay || hint == QStyle::SH_ToolTip_FallAsleepDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

Hints::Hints(QApplication& app) : QObject(&app)
{
    QApplication::setStyle(new NoHintPauseStyle(QStringLiteral("Fusion")));
    app.installEventFilter(this);
}

void Hints::setOn(bool on)
{
    if (on == on_)
        return;
    on_ = on;
    if (!on)
        QToolTip::hideText();
    Q_EMIT toggled(on);
}

bool Hints::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!on_ || widget == nullptr)
        return true;  // no hint while hints are off
    // Walk up to the widget that carries a hint, as Qt's own handling does.
    QWidget* carrier = widget;
    while (carrier != nullptr && carrier->toolTip().isEmpty() && !carrier->isWindow())
        carrier = carrier->parentWidget();
    if (carrier == nullptr || carrier->toolTip().isEmpty())
        return true;
    auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), carrier->toolTip(), carrier, {}, kVisibleMs);
    return true;
}

}  // namespace app::ui
