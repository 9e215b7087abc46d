#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace app {

// velmorad.ini: a CP932 text file whose lines are addressed by index. The image keeps every
// line, those past the ones the program knows included, and is saved whole.
class SettingsFile final {
public:
    static constexpr int kSerialButtons = 20;      // lines 0..19
    static constexpr int kFirstRegisterLine = 20;  // lines 20..45, registers A..Z
    static constexpr int kRegisters = 26;
    static constexpr int kDestinationTableLine = 46;
    static constexpr int kHistoryModeLine = 47;
    static constexpr int kInsertModeLine = 48;
    static constexpr int kNewFileLines = 51;

    static const char* fileName() { return "velmorad.ini"; }

    // Reads the whole file into the image. False when it cannot be read; the image is then
    // left empty.
    bool load(const std::filesystem::path& path);

    // The orange-mode window's rule: an image of fewer than 50 lines is padded to 51.
    void padShortImage();

    // Writes the whole image. Returns an empty string, or the reason it could not be written.
    std::string save(const std::filesystem::path& path) const;

    // A new file of 51 empty lines, for a start-up that found none.
    static std::string writeNewFile(const std::filesystem::path& path);

    // A line of the image; empty for an index past its end.
    const std::string& line(int index) const;
    // Stores a text into a line, growing the image when it is shorter.
    void setLine(int index, std::string text);
    int lineCount() const { return static_cast<int>(lines_.size()); }

    const std::string& serialDefinition(int button) const { return line(button); }
    void setSerialDefinition(int button, std::string text) { setLine(button, std::move(text)); }
    const std::string& textRegister(int index) const { return line(kFirstRegisterLine + index); }
    void setTextRegister(int index, std::string text)
    {
        setLine(kFirstRegisterLine + index, std::move(text));
    }
    const std::string& destinationTable() const { return line(kDestinationTableLine); }
    void setDestinationTable(std::string text) { setLine(kDestinationTableLine, std::move(text)); }

    // Both boxes compare the whole line: "CHECK8 " with a blank is not checked.
    bool historyMode() const { return line(kHistoryModeLine) == "CHECK8"; }
    void setHistoryMode(bool on) { setLine(kHistoryModeLine, on ? "CHECK8" : ""); }
    bool transferInsertMode() const { return line(kInsertModeLine) == "CHECK35"; }
    void setTransferInsertMode(bool on) { setLine(kInsertModeLine, on ? "CHECK35" : ""); }

private:
    std::vector<std::string> lines_;
};

}  // namespace app
