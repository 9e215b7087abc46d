#pragma once

// What the generator panel's source files share: its colours, messages and key helpers.

#include "generator/ui/generator_panel.h"

#include <QColor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>

namespace generator::panel_parts {

using F = PanelField;

inline QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

inline constexpr size_t idx(PanelField f)
{
    return static_cast<size_t>(f);
}

inline const QColor kFixedColour(255, 213, 170);
inline const QColor kWireHintColour(220, 220, 248);

inline constexpr const char* kListAlreadyFull = "マーキングデータが１０００行入力されています";
inline constexpr const char* kListBecameFull = "マーキングデータが1000行になりました";
inline constexpr const char* kInsideBracketRefused = "始値は数字・英大文字A～Fのみ入力できます";
inline constexpr const char* kNumberingEndRefused = "終値は数字・英大文字A～Fのみ入力できます";
inline constexpr const char* kOpenListFullWidth =
    "グリッド内に全角文字（全角英数字、漢字、ひらがな等）がある時、”ナンバーリング【】”は入力できません";
inline constexpr const char* kOpenFieldFullWidth =
    "線番１か線番２に全角文字（全角英数字、漢字、ひらがな等）がある時、”ナンバーリング【】”は入力できません";
inline constexpr const char* kCloseListFullWidth =
    "グリッド内に全角文字（漢字、ひらがな等）がある時、”ナンバーリング【】”は無効になります";
inline constexpr const char* kLineBreakListFullWidth =
    "グリッド内に全角文字（全角英数字、漢字、ひらがな等）がある時、”多段改行｜”は入力できません";
inline constexpr const char* kLineBreakFieldFullWidth =
    "線番１か線番２に全角文字（全角英数字、漢字、ひらがな等）がある時、”多段改行｜”は入力できません";

// Where the caret stands for the panel's rules: at the start of the selection when there is
// one (a field reached by Enter or Tab has its whole text selected and the caret counts as
// standing first).
inline int caretIndex(const QLineEdit* e)
{
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

inline bool isDigitKey(const QString& t)
{
    return t.size() == 1 && t[0] >= u'0' && t[0] <= u'9';
}

// A key press that types a character (not a command or a control key).
inline bool typesText(const QKeyEvent* key)
{
    const QString t = key->text();
    if (t.isEmpty())
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return t[0].isPrint() || t[0].unicode() >= 0x80;
}

}  // namespace generator::panel_parts
