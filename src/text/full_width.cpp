#include "text/full_width.h"

#include "text/marks.h"
#include "text/sjis.h"

namespace text {

bool isFullWidth(std::string_view s)
{
    const size_t open = find(s, marks::open());
    const size_t close = find(s, marks::close());
    for (size_t i = 0; i < s.size(); ++i) {
        if (i == open || i == close) {
            ++i;  // step over the mark's second byte as well
            continue;
        }
        if (isLeadByte(s[i]))
            return true;
    }
    return false;
}

}  // namespace text
