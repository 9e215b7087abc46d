#pragma once

#include <QString>

#include <optional>

// The fixed texts of the CTK commands and controls.
namespace ctk::ui::messages {

inline QString markerRunning() { return QStringLiteral("CTKPCMS for Windowsを閉じてください"); }
inline QString closeSettings() { return QStringLiteral("設定を閉じてください"); }
inline QString noTableForWindowsFontMarking()
{
    return QStringLiteral("テーブルファイル(velmorad.sp3)がありませんので\r\n"
                          "Windows フォントでのマーキングはできません");
}
inline QString noTableForWindowsFontSave()
{
    return QStringLiteral("テーブルファイル(velmorad.sp3)がありませんので\r\n"
                          "Windows フォントでの保存はできません");
}
inline QString feedOutOfRange()
{
    return QStringLiteral("送り補正の範囲を超えています（長さ設定を変更してください）");
}
inline QString multiRowRefused()
{
    return QStringLiteral("このファイルはWindowsフォント用で、段改行が\r\n"
                          "設定されていますのでインポートできません。");
}
inline QString importLimit(int rows)
{
    return QStringLiteral("インポート出来るのは%1行までになります").arg(rows);
}

// Files that cannot be written or read, and a hand-off the shell could not open. Each names
// the file.
inline QString cannotWrite(const QString& path)
{
    return QStringLiteral("ファイルを書き込めませんでした\r\n%1").arg(path);
}
inline QString cannotRead(const QString& path)
{
    return QStringLiteral("ファイルを読み込めませんでした\r\n%1").arg(path);
}
inline QString tooLargeToImport(const QString& path)
{
    return QStringLiteral("ファイルが大きすぎるためインポートできません\r\n%1").arg(path);
}
inline QString notMarkingData(const QString& path)
{
    return QStringLiteral("CTKマーキングデータではないためインポートできません\r\n%1").arg(path);
}
inline QString handOffNotOpened(const QString& path)
{
    return QStringLiteral("マーキングデータを書き出しましたが、CTKソフトで開けませんでした\r\n"
                          "（.cta / .ctk を開くプログラムが登録されていません）\r\n%1")
        .arg(path);
}
inline QString tableFileUnreadable()
{
    return QStringLiteral("テーブルファイル(velmorad.sp3)を読み込めませんでした\r\n"
                          "テーブル設定なしで起動します");
}

// Confirmations. `countCaption` (the marked count column) only in the 3BOX layout.
QString confirmation(bool marking, const QString& tableText, bool tableApplied,
                     const std::optional<QString>& countCaption);

}  // namespace ctk::ui::messages
