#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace cli {

// A command line after the command word: options with values, flags, and positional words.
// "--name value" and "--name=value" are both accepted.
struct Arguments {
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    std::vector<std::string> positional;

    const std::string* value(const std::string& name) const;
    bool has(const std::string& name) const { return flags.count(name) > 0; }
};

struct ArgumentSpec {
    std::set<std::string> valueOptions;  // names without the leading "--"
    std::set<std::string> flagOptions;
    std::size_t maxPositional = 0;
};

// Parses the words against the accepted options; on a usage error returns nothing and sets
// `error`.
std::optional<Arguments> parseArguments(const std::vector<std::string>& words,
                                        const ArgumentSpec& spec, std::string& error);

}  // namespace cli
