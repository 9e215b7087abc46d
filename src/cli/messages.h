#pragma once

// The window's own messages that the command line repeats word for word (UTF-8, with the
// window's CR LF line breaks).
namespace cli::messages {

inline constexpr const char* kListFull = "マーキングデータが１０００行入力されています";
inline constexpr const char* kListBecameFull = "マーキングデータが1000行になりました";
inline constexpr const char* kWindowsFontSaveNeedsTable =
    "テーブルファイル(velmorad.sp3)がありませんので\r\nWindows フォントでの保存はできません";
inline constexpr const char* kFeedOutOfRange =
    "送り補正の範囲を超えています（長さ設定を変更してください）";
inline constexpr const char* kMultiRowRefused =
    "このファイルはWindowsフォント用で、段改行が\r\n設定されていますのでインポートできません。";
inline constexpr const char* kImportLimit1000 = "インポート出来るのは1000行までになります";
inline constexpr const char* kImportLimit100 = "インポート出来るのは100行までになります";

}  // namespace cli::messages
