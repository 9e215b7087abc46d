#pragma once

#include <QString>

// The fixed texts of the spreadsheet commands and controls.
namespace sheet::ui::messages {

// Any failure of the spreadsheet in a command: a cell being edited, a refused address, the
// application gone.
inline QString spreadsheetBusy()
{
    return QStringLiteral("エクセルが編集中です(またはエクセルシートがその他のウィンドウに隠れています)");
}

inline QString columnKeyRefused() { return QStringLiteral("列指定は数字・英大文字のみ入力できます"); }

inline QString confirmOverwrite()
{
    return QStringLiteral("挿入モードではありませんので転送先の\r\nデータが上書きされますよろしいですか？");
}

inline QString confirmTargetBeyondLastColumn()
{
    return QStringLiteral("エクセルシートの選択セルがCV列（100列）以上にあります\r\n"
                          "Velmoraでの指定選択セルでよろしいですか？");
}

}  // namespace sheet::ui::messages
