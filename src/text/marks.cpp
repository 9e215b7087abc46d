#include "text/marks.h"

#include "text/cp932.h"

namespace text::marks {

const std::string& open()
{
    static const std::string mark = literal("【");
    return mark;
}

const std::string& close()
{
    static const std::string mark = literal("】");
    return mark;
}

const std::string& fullBlank()
{
    static const std::string mark = literal("　");
    return mark;
}

}  // namespace text::marks
