#pragma once

#include <QString>

// The application shell's fixed texts.
namespace app::ui::messages {

inline QString alreadyRunning()
{
    return QStringLiteral("すでに起動されています。");
}

inline QString screenTooLow()
{
    return QStringLiteral("Velmoraは画面の解像度が縦方向で768ピクセルに最適化されています\r\n\r\n"
                          "(画面の解像度を変更してください)");
}

inline QString confirmQuit()
{
    return QStringLiteral("Velmoraを終了しますか？");
}

inline QString closeSettingsFirst()
{
    return QStringLiteral("設定を閉じてください");
}

// A settings file that could not be written: the user decides whether to quit anyway.
inline QString settingsNotSaved(const QString& path, const QString& reason)
{
    return QStringLiteral("設定ファイルを保存できませんでした。\r\n%1\r\n（%2）\r\n\r\n"
                          "保存せずに終了しますか？")
        .arg(path, reason);
}

inline QString settingsNotCreated(const QString& path, const QString& reason)
{
    return QStringLiteral("設定ファイルを作成できませんでした。\r\n%1\r\n（%2）\r\n\r\n"
                          "登録した内容は終了時に保存されません。")
        .arg(path, reason);
}

// The spreadsheet could not be linked while the window was being shown.
inline QString spreadsheetShowFailed()
{
    return QStringLiteral("エラーが発生しました。\r\n\r\nエクセルを閉じ、Velmoraを再起動してください。");
}

inline QString windowCaption()
{
    return QStringLiteral("Velmora Ver3.40");
}

}  // namespace app::ui::messages
