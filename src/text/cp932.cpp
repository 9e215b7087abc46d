#include "text/cp932.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <utility>

namespace text {
namespace {

// One conversion descriptor per direction and thread; iconv_open is costly next to a short text.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between UTF-8 and CP932");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns the errno that stopped it (0 at the end).
    int convert(std::string_view& in, std::string& out)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::array<char, 4096> buffer;
        while (!in.empty()) {
            char* inPtr = const_cast<char*>(in.data());
            size_t inLeft = in.size();
            char* outPtr = buffer.data();
            size_t outLeft = buffer.size();
            const size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer.data(), buffer.size() - outLeft);
            in.remove_prefix(in.size() - inLeft);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG)
                return errno;
        }
        return 0;
    }

private:
    iconv_t cd_;
};

Converter& encoder()
{
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

Converter& decoder()
{
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

// Code points that CP932 holds only under a look-alike.
constexpr std::array<std::pair<char32_t, char32_t>, 6> kLookAlikes{{
    {U'\u301C', U'\uFF5E'},  // WAVE DASH -> FULLWIDTH TILDE
    {U'\u2212', U'\uFF0D'},  // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
    {U'\u00A5', U'\u005C'},  // YEN SIGN -> the backslash byte, drawn as a yen sign
    {U'\u203E', U'\u007E'},  // OVERLINE -> tilde byte
    {U'\u2016', U'\u2225'},  // DOUBLE VERTICAL LINE -> PARALLEL TO
    {U'\u00AC', U'\uFFE2'},  // NOT SIGN -> FULLWIDTH NOT SIGN
}};

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Rewrites the look-alikes; leaves everything else, valid or not, to iconv.
std::string mapLookAlikes(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        size_t len = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : 4;
        if (len == 1 || i + len > utf8.size()) {
            out += utf8[i++];
            continue;
        }
        char32_t cp = len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
        for (size_t k = 1; k < len; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        bool mapped = false;
        for (const auto& [from, to] : kLookAlikes) {
            if (cp == from) {
                appendUtf8(out, to);
                mapped = true;
                break;
            }
        }
        if (!mapped)
            out.append(utf8.substr(i, len));
        i += len;
    }
    return out;
}

bool isAscii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

}  // namespace

std::optional<std::string> toCp932(std::string_view utf8)
{
    if (isAscii(utf8))
        return std::string(utf8);
    const std::string mapped = mapLookAlikes(utf8);
    std::string_view in = mapped;
    std::string out;
    out.reserve(mapped.size());
    if (encoder().convert(in, out) != 0)
        return std::nullopt;
    return out;
}

std::string toUtf8(std::string_view cp932)
{
    if (isAscii(cp932))
        return std::string(cp932);
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    std::string_view in = cp932;
    while (!in.empty()) {
        if (decoder().convert(in, out) == 0)
            break;
        // An invalid or truncated sequence: mark it and go on after its first byte.
        out += "\xEF\xBF\xBD";
        in.remove_prefix(1);
    }
    return out;
}

bool isValidCp932(std::string_view cp932)
{
    if (isAscii(cp932))
        return true;
    std::string out;
    std::string_view in = cp932;
    return decoder().convert(in, out) == 0;
}

std::string literal(std::string_view utf8)
{
    auto encoded = toCp932(utf8);
    if (!encoded)
        throw std::logic_error("a fixed text of the program has no CP932 form");
    return std::move(*encoded);
}

}  // namespace text
