#pragma once

#include <QString>
#include <QStringList>

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

inline QString newWorkbookAdvice()
{
    return QStringLiteral(
        "万一に備えての保存をお勧めします\r\n\r\n"
        "※注意 エクセル側の操作で一部使用できないものがあります\r\n\r\n"
        "・セル選択状態でBSキー・Deleteキーが使用できません（セル内の編集では使用できます）\r\n"
        " ＞Ctrl＋Deleteキーで使用できます\r\n\r\n"
        "・エクセルを閉じることが出来ません  ＞Velmora側で閉じてください\r\n\r\n"
        "・ファンクションキーF1～F12が使用できません\r\n\r\n"
        "※シート名の変更はVelmoraのシート選択ボックスで行ってください");
}

inline QString confirmCloseWorkbook(const QString& name)
{
    return QStringLiteral("エクセルブック ( ") + name + QStringLiteral(" ) を閉じますか？");
}

inline QString sheetNameInUse(const QString& name)
{
    return QStringLiteral("シート名:[") + name + QStringLiteral("] は使用されています");
}

// Asked when Enter is pressed in the sheet box.
inline QString confirmRenameOnEnter(const QString& oldName, const QString& newName)
{
    return QStringLiteral("シート名:[ ") + oldName + QStringLiteral(" ] を [ ") + newName +
           QStringLiteral(" ] に変更しますか？");
}

// Asked when the sheet box is left; worded without the blanks before "を" and "に".
inline QString confirmRenameOnLeave(const QString& oldName, const QString& newName)
{
    return QStringLiteral("シート名:[ ") + oldName + QStringLiteral(" ]を [ ") + newName +
           QStringLiteral(" ]に変更しますか？");
}

// The open dialog offers every workbook kind the spreadsheet reads first, then the classic
// Excel books alone.
inline QStringList workbookFilters()
{
    return {QStringLiteral("Excelブック (*.xls *.xlsx *.ods)"),
            QStringLiteral("Excelブック (*.xls)")};
}

}  // namespace sheet::ui::messages
