#include "text/ui/cp932_validator.h"

#include "text/ui/qt_text.h"

namespace text {

QValidator::State Cp932Validator::validate(QString& input, int& /*pos*/) const
{
    return fromQString(input) ? Acceptable : Invalid;
}

}  // namespace text
