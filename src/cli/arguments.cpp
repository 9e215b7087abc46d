#include "cli/arguments.h"

namespace cli {

const std::string* Arguments::value(const std::string& name) const
{
    auto it = values.find(name);
    return it == values.end() ? nullptr : &it->second;
}

std::optional<Arguments> parseArguments(const std::vector<std::string>& words,
                                        const ArgumentSpec& spec, std::string& error)
{
    Arguments args;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word.compare(0, 1, "-") != 0) {
            args.positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = word.compare(0, 2, "--") == 0 ? word.substr(2) : word.substr(1);
        std::optional<std::string> inlineValue;
        if (auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (spec.flagOptions.count(name)) {
            if (inlineValue) {
                error = "option --" + name + " takes no value";
                return std::nullopt;
            }
            args.flags.insert(name);
        } else if (spec.valueOptions.count(name)) {
            if (inlineValue) {
                args.values[name] = *inlineValue;
            } else if (i + 1 < words.size()) {
                args.values[name] = words[++i];
            } else {
                error = "option --" + name + " needs a value";
                return std::nullopt;
            }
        } else {
            error = "unknown option " + word;
            return std::nullopt;
        }
    }
    if (args.positional.size() > spec.maxPositional) {
        error = "unexpected argument " + args.positional[spec.maxPositional];
        return std::nullopt;
    }
    return args;
}

}  // namespace cli
