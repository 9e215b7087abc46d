#include "app/settings_file.h"

#include "files/whole_file.h"

namespace app {

bool SettingsFile::load(const std::filesystem::path& path)
{
    lines_.clear();
    auto read = files::readWholeFile(path);
    if (!read.bytes)
        return false;
    lines_ = files::splitLines(*read.bytes);
    return true;
}

void SettingsFile::padShortImage()
{
    // A file of exactly 50 lines stays at 50: line 50 is never used.
    if (lines_.size() < 50)
        lines_.resize(kNewFileLines);
}

std::string SettingsFile::save(const std::filesystem::path& path) const
{
    return files::writeWholeFile(path, files::joinLines(lines_));
}

std::string SettingsFile::writeNewFile(const std::filesystem::path& path)
{
    return files::writeWholeFile(path, files::joinLines(std::vector<std::string>(kNewFileLines)));
}

const std::string& SettingsFile::line(int index) const
{
    static const std::string empty;
    return index >= 0 && index < lineCount() ? lines_[static_cast<size_t>(index)] : empty;
}

void SettingsFile::setLine(int index, std::string text)
{
    if (index < 0)
        return;
    if (index >= lineCount())
        lines_.resize(static_cast<size_t>(index) + 1);
    lines_[static_cast<size_t>(index)] = std::move(text);
}

}  // namespace app
