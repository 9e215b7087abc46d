#pragma once

#include <QValidator>

namespace text {

// Refuses an edit (typed, pasted or committed by the input method) that would put a
// character CP932 cannot hold into the field: such text is refused where it is entered,
// never turned into "?" later.
class Cp932Validator final : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};

}  // namespace text
