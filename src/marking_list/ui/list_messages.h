#pragma once

#include <QString>

// The fixed texts of the list commands' questions and messages.
namespace marking_list::ui::messages {

inline QString deleteAllQuestion()
{
    return QString::fromUtf8("グリッド内の文字列を\r\nすべて削除しますか？");
}

inline QString pasteInsertQuestion()
{
    return QString::fromUtf8("選択されているセル位置に挿入しますか？\r\n（\"いいえ\"を選択すると上書きされます）");
}

inline QString pasteInsertOverLimit(int rowsInList)
{
    return QString::fromUtf8("グリッドに") + QString::number(rowsInList) +
           QString::fromUtf8("行あります。\r\n貼り付け後が1000行を超えた部分はカットされます。\r\nよろしいですか？");
}

inline QString pasteOverwriteOverLimit(int lines)
{
    return QString::fromUtf8("貼り付ける文字列が") + QString::number(lines) +
           QString::fromUtf8("行あります。\r\n貼り付け後が1000行を超えた部分はカットされます。\r\nよろしいですか？");
}

// "行挿入" refuses rather than push rows of the list past row 1000.
inline QString insertRowsWouldOverflow()
{
    return QString::fromUtf8("行を挿入するとマーキングデータが1000行を超えるため、挿入できません。");
}

// Clipboard text with a character the marking data cannot hold is not pasted at all.
inline QString clipboardNotCp932()
{
    return QString::fromUtf8(
        "クリップボードの文字列にマーキングデータに使えない文字が含まれているため、貼り付けできません。");
}

// Column 1's header while string-insert mode is on, and when the grid's modes end.
inline QString stringInsertHeader(bool threeBox)
{
    return threeBox ? QString::fromUtf8("　  文字列挿入モード") : QString::fromUtf8("　　　  文字列挿入モード");
}

inline QString markingDataHeader(bool threeBox)
{
    return threeBox ? QString::fromUtf8("　   マーキングデータ") : QString::fromUtf8("　　　  マーキングデータ");
}

}  // namespace marking_list::ui::messages
