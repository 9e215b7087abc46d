#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// The one crossing between the core's CP932 bytes and Qt's QString.
namespace text {

QString toQString(std::string_view cp932);

// Nothing when the text holds a character that CP932 cannot hold.
std::optional<std::string> fromQString(const QString& s);

}  // namespace text
