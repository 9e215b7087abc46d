#include "text/ui/qt_text.h"

#include "text/cp932.h"

namespace text {

QString toQString(std::string_view cp932)
{
    return QString::fromStdString(toUtf8(cp932));
}

std::optional<std::string> fromQString(const QString& s)
{
    return toCp932(s.toStdString());
}

}  // namespace text
