#include "text/half_width.h"

#include "text/cp932.h"
#include "text/sjis.h"

#include <string>
#include <unordered_map>
#include <utility>

namespace text {
namespace {

using Table = std::unordered_map<std::string, std::string>;

void add(Table& table, std::string_view fromUtf8, std::string_view toUtf8)
{
    auto from = toCp932(fromUtf8);
    auto to = toCp932(toUtf8);
    if (from && to && from->size() == 2)
        table.emplace(std::move(*from), std::move(*to));
}

// A code point of the Basic Multilingual Plane at or above U+0800, as UTF-8.
std::string utf8Of(char32_t cp)
{
    return {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
            static_cast<char>(0x80 | (cp & 0x3F))};
}

// Built once from the Unicode pairs, keyed by the two CP932 bytes of the full-width form.
const Table& table()
{
    static const Table t = [] {
        Table t;
        // Full-width ASCII U+FF01..U+FF5E to 0x21..0x7E, and the ideographic space.
        for (char32_t cp = 0xFF01; cp <= 0xFF5E; ++cp)
            add(t, utf8Of(cp), std::string(1, static_cast<char>(cp - 0xFF01 + 0x21)));
        add(t, "\u3000", " ");
        add(t, "\uFFE5", "\\");  // full-width yen sign: the backslash byte, drawn as yen

        // Katakana and their punctuation; half-width forms in UTF-8 (U+FF61..U+FF9F).
        static const std::pair<std::string_view, std::string_view> kana[] = {
            {"。", "｡"}, {"「", "｢"}, {"」", "｣"}, {"、", "､"}, {"・", "･"},
            {"ヲ", "ｦ"}, {"ァ", "ｧ"}, {"ィ", "ｨ"}, {"ゥ", "ｩ"}, {"ェ", "ｪ"},
            {"ォ", "ｫ"}, {"ャ", "ｬ"}, {"ュ", "ｭ"}, {"ョ", "ｮ"}, {"ッ", "ｯ"},
            {"ー", "ｰ"}, {"ア", "ｱ"}, {"イ", "ｲ"}, {"ウ", "ｳ"}, {"エ", "ｴ"},
            {"オ", "ｵ"}, {"カ", "ｶ"}, {"キ", "ｷ"}, {"ク", "ｸ"}, {"ケ", "ｹ"},
            {"コ", "ｺ"}, {"サ", "ｻ"}, {"シ", "ｼ"}, {"ス", "ｽ"}, {"セ", "ｾ"},
            {"ソ", "ｿ"}, {"タ", "ﾀ"}, {"チ", "ﾁ"}, {"ツ", "ﾂ"}, {"テ", "ﾃ"},
            {"ト", "ﾄ"}, {"ナ", "ﾅ"}, {"ニ", "ﾆ"}, {"ヌ", "ﾇ"}, {"ネ", "ﾈ"},
            {"ノ", "ﾉ"}, {"ハ", "ﾊ"}, {"ヒ", "ﾋ"}, {"フ", "ﾌ"}, {"ヘ", "ﾍ"},
            {"ホ", "ﾎ"}, {"マ", "ﾏ"}, {"ミ", "ﾐ"}, {"ム", "ﾑ"}, {"メ", "ﾒ"},
            {"モ", "ﾓ"}, {"ヤ", "ﾔ"}, {"ユ", "ﾕ"}, {"ヨ", "ﾖ"}, {"ラ", "ﾗ"},
            {"リ", "ﾘ"}, {"ル", "ﾙ"}, {"レ", "ﾚ"}, {"ロ", "ﾛ"}, {"ワ", "ﾜ"},
            {"ン", "ﾝ"}, {"゛", "ﾞ"}, {"゜", "ﾟ"},
            {"ガ", "ｶﾞ"}, {"ギ", "ｷﾞ"}, {"グ", "ｸﾞ"}, {"ゲ", "ｹﾞ"}, {"ゴ", "ｺﾞ"},
            {"ザ", "ｻﾞ"}, {"ジ", "ｼﾞ"}, {"ズ", "ｽﾞ"}, {"ゼ", "ｾﾞ"}, {"ゾ", "ｿﾞ"},
            {"ダ", "ﾀﾞ"}, {"ヂ", "ﾁﾞ"}, {"ヅ", "ﾂﾞ"}, {"デ", "ﾃﾞ"}, {"ド", "ﾄﾞ"},
            {"バ", "ﾊﾞ"}, {"ビ", "ﾋﾞ"}, {"ブ", "ﾌﾞ"}, {"ベ", "ﾍﾞ"}, {"ボ", "ﾎﾞ"},
            {"パ", "ﾊﾟ"}, {"ピ", "ﾋﾟ"}, {"プ", "ﾌﾟ"}, {"ペ", "ﾍﾟ"}, {"ポ", "ﾎﾟ"},
            {"ヴ", "ｳﾞ"},
        };
        for (const auto& [from, to] : kana)
            add(t, from, to);
        return t;
    }();
    return t;
}

}  // namespace

std::string toHalfWidth(std::string_view s)
{
    const Table& map = table();
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const size_t len = charLength(s, i);
        if (len == 2) {
            auto it = map.find(std::string(s.substr(i, 2)));
            if (it != map.end()) {
                out += it->second;
                i += 2;
                continue;
            }
        }
        out.append(s.substr(i, len));
        i += len;
    }
    return out;
}

}  // namespace text
