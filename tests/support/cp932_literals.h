#pragma once

#include "text/cp932.h"

#include <string>

// Tests write Japanese in UTF-8 and compare CP932 bytes: sj("【A】") is the CP932 text.
inline std::string sj(const char* utf8)
{
    return text::literal(utf8);
}
