#include "ctk/ui/ctk_messages.h"

namespace ctk::ui::messages {

QString confirmation(bool marking, const QString& tableText, bool tableApplied,
                     const std::optional<QString>& countCaption)
{
    QString text;
    if (countCaption)
        text = QStringLiteral("個数列:[ ") + *countCaption + QStringLiteral(" ]\r\n");
    if (tableApplied)
        text += QStringLiteral("テーブル設定 [ ") + tableText +
                (marking ? QStringLiteral(" ] でマーキングしますか？")
                         : QStringLiteral(" ] でCTK保存しますか？"));
    else
        text += marking ? QStringLiteral("マーキングしますか？") : QStringLiteral("CTK保存しますか？");
    return text;
}

}  // namespace ctk::ui::messages
