#include "generator/text_registers.h"

#include <algorithm>

namespace generator {

int TextRegisters::fixedCount() const
{
    int count = 0;
    while (count < kCount && fixed_[count])
        ++count;
    return count;
}

void TextRegisters::setHistoryMode(bool on)
{
    historyMode_ = on;
    if (!on)
        fixed_.fill(false);
}

TextRegisters::CopyOutcome TextRegisters::copy(const GeneratorInput& input)
{
    if (historyMode_)
        return CopyOutcome::HistoryMode;
    const auto entry = formatHistoryEntry(input);
    if (!entry)
        return CopyOutcome::NothingToKeep;
    if (std::find(texts_.begin(), texts_.end(), *entry) != texts_.end())
        return CopyOutcome::Duplicate;
    std::move_backward(texts_.begin(), texts_.end() - 1, texts_.end());
    texts_[0] = *entry;
    return CopyOutcome::Stored;
}

bool TextRegisters::clear(int index)
{
    if (historyMode_ || index < 0 || index >= kCount)
        return false;
    std::move(texts_.begin() + index + 1, texts_.end(), texts_.begin() + index);
    texts_[kCount - 1].clear();
    return true;
}

bool TextRegisters::fix(int index)
{
    if (!historyMode_ || index < 0 || index >= kCount || texts_[index].empty())
        return false;
    if (fixed_[index])
        return true;
    const int firstFree = fixedCount();
    // The run ends before `index`, since `index` itself is not fixed.
    std::string entry = std::move(texts_[index]);
    std::move_backward(texts_.begin() + firstFree, texts_.begin() + index,
                       texts_.begin() + index + 1);
    texts_[firstFree] = std::move(entry);
    fixed_[firstFree] = true;
    return true;
}

bool TextRegisters::unfix(int index)
{
    if (!historyMode_ || index < 0 || index >= kCount || !fixed_[index])
        return false;
    std::move(texts_.begin() + index + 1, texts_.end(), texts_.begin() + index);
    std::copy(fixed_.begin() + index + 1, fixed_.end(), fixed_.begin() + index);
    texts_[kCount - 1].clear();
    fixed_[kCount - 1] = false;
    return true;
}

bool TextRegisters::addHistoryEntry(const std::string& entry)
{
    const int firstFree = fixedCount();
    if (firstFree == kCount)
        return false;
    std::move_backward(texts_.begin() + firstFree, texts_.end() - 1, texts_.end());
    texts_[firstFree] = entry;
    return true;
}

void TextRegisters::clearAll()
{
    for (std::string& t : texts_)
        t.clear();
    fixed_.fill(false);
}

}  // namespace generator
