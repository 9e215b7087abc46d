#pragma once

#include <QString>

// Fixed texts of the grid modes and the text operations.
namespace marking_list::ui::messages {

inline QString fullWidthTyped()
{
    return QStringLiteral("全角文字（漢字、ひらがな等）の入力はできません");
}

inline QString fullWidthInList()
{
    return QStringLiteral("グリッド内に全角文字があります(この機能は使用できません)");
}

inline QString replaceNotFound()
{
    return QStringLiteral("選択範囲内に置換対象文字(列)がありません");
}

inline QString deleteNotFound()
{
    return QStringLiteral("選択範囲内に削除対象文字(列)がありません");
}

inline QString positionNotFound()
{
    return QStringLiteral("選択範囲内に指定文字数目がありません");
}

inline QString keywordNotFound()
{
    return QStringLiteral("選択範囲内にキーワードがありません");
}

inline QString lineBreakNotFound()
{
    return QStringLiteral("選択範囲内に多段改行を挿入できる箇所がありません");
}

// The count directly followed by the operation's result text.
inline QString replaced(int count)
{
    return QString::number(count) + QStringLiteral("箇所：文字(列)の置換が終わりました");
}

inline QString deleted(int count)
{
    return QString::number(count) + QStringLiteral("箇所：文字(列)の削除が終わりました");
}

inline QString inserted(int count)
{
    return QString::number(count) + QStringLiteral("箇所：文字(列)の挿入が終わりました");
}

inline QString lineBreaksInserted(int count)
{
    return QString::number(count) + QStringLiteral("箇所：多段改行の一括挿入が終わりました");
}

}  // namespace marking_list::ui::messages
