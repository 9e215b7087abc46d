#include "ctk/applied_conditions.h"

#include "ctk/condition_template.h"
#include "ctk/table_selection.h"

namespace ctk {

namespace {
constexpr std::string_view kWorkLengthKey = "WorkLength=";
constexpr std::string_view kHoseiKey = "Hosei=";
}  // namespace

const std::string& AppliedConditions::line(int index) const
{
    static const std::string empty;
    if (index < 0 || static_cast<size_t>(index) >= lines_.size())
        return empty;
    return lines_[static_cast<size_t>(index)];
}

void AppliedConditions::fill(const std::vector<TableRecord>& records, int selectedIndex,
                             std::string_view destination)
{
    static const TableRecord none;
    const size_t applied = static_cast<size_t>(appliedRecordIndex(selectedIndex));
    const TableRecord& record = applied < records.size() ? records[applied] : none;
    const std::string& tableNumber = tableNumberFor(records, selectedIndex, destination);

    lines_.assign(ConditionTemplate::kLines, std::string());
    for (int i = 0; i < ConditionTemplate::kLines; ++i) {
        std::string text = ConditionTemplate::text(i);
        const int value = ConditionTemplate::valueColumn(i);
        if (value == ConditionTemplate::kTableNumber)
            text += tableNumber;
        else if (value >= 0)
            text += record.column(value);
        lines_[static_cast<size_t>(i)] = std::move(text);
    }
}

void AppliedConditions::setLine(int index, std::string text)
{
    if (static_cast<size_t>(index) < lines_.size())
        lines_[static_cast<size_t>(index)] = std::move(text);
}

void AppliedConditions::setWorkLength(std::string_view value)
{
    const std::string text = std::string(kWorkLengthKey) + std::string(value);
    setLine(ConditionTemplate::kWorkLengthLine, text);
    setLine(ConditionTemplate::kWindowsWorkLengthLine, text);
}

void AppliedConditions::setTableNumber(std::string_view number)
{
    const std::string text = ConditionTemplate::text(ConditionTemplate::kTableNoLine) +
                             std::string(number);
    setLine(ConditionTemplate::kTableNoLine, text);
    setLine(ConditionTemplate::kWindowsTableNoLine, text);
}

void AppliedConditions::setHosei(std::string_view value)
{
    const std::string text = std::string(kHoseiKey) + std::string(value);
    setLine(ConditionTemplate::kHoseiLine, text);
    setLine(ConditionTemplate::kWindowsHoseiLine, text);
}

std::string AppliedConditions::workLengthValue() const
{
    const std::string& text = line(ConditionTemplate::kWorkLengthLine);
    return text.size() > kWorkLengthKey.size() ? text.substr(kWorkLengthKey.size()) : std::string();
}

bool AppliedConditions::allowsFeedCorrection() const
{
    const std::string& mode = line(ConditionTemplate::kWorkModeLine);
    return mode == "WorkMode=2" || mode == "WorkMode=3";
}

bool AppliedConditions::closesWithExtraPiece() const
{
    return line(ConditionTemplate::kWorkModeLine) == "WorkMode=3";
}

}  // namespace ctk
