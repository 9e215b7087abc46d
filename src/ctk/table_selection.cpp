#include "ctk/table_selection.h"

namespace ctk {
namespace {

constexpr std::array<Rgb, kMarkerTables> kColours{{
    {170, 255, 213}, {255, 251, 170}, {255, 170, 255}, {255, 170, 170}, {170, 255, 170},
    {170, 170, 255}, {255, 85, 85},   {255, 170, 85},  {255, 255, 85},  {170, 255, 85},
    {85, 255, 85},   {85, 255, 170},  {85, 255, 255},  {85, 170, 255},  {85, 85, 255},
    {170, 85, 255},  {255, 85, 255},  {255, 85, 170},  {173, 215, 87},  {138, 204, 136},
}};

}  // namespace

std::string selectorItemText(const TableRecord& record, int index)
{
    return record.name() + " (Table" + std::to_string(index + 1) + ")";
}

std::vector<std::string> selectorItems(const std::vector<TableRecord>& records)
{
    std::vector<std::string> items;
    items.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i)
        items.push_back(selectorItemText(records[i], static_cast<int>(i)));
    return items;
}

Rgb selectorColour(int index)
{
    return kColours[static_cast<size_t>(appliedRecordIndex(index))];
}

int appliedRecordIndex(int index)
{
    return index >= 0 && index < kMarkerTables ? index : 0;
}

std::string destinationItem(int number)
{
    return "Table " + std::to_string(number);
}

bool isDestinationItem(std::string_view text)
{
    for (int n = 0; n < kDestinationItems; ++n) {
        if (text == destinationItem(n))
            return true;
    }
    return false;
}

int tableNumberRecordIndex(int selectedIndex, std::string_view destination)
{
    if (destination.empty() || destination == "Table 0")
        return appliedRecordIndex(selectedIndex);
    for (int n = 1; n < kDestinationItems; ++n) {
        if (destination == destinationItem(n))
            return n - 1;
    }
    return 0;
}

const std::string& tableNumberFor(const std::vector<TableRecord>& records, int selectedIndex,
                                  std::string_view destination)
{
    static const std::string empty;
    const size_t index = static_cast<size_t>(tableNumberRecordIndex(selectedIndex, destination));
    return index < records.size() ? records[index].tableNumber() : empty;
}

}  // namespace ctk
