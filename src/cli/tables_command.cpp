#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/io.h"
#include "ctk/table_selection.h"
#include "text/cp932.h"

#include <cstdio>

namespace cli {

int runTables(const std::vector<std::string>& words)
{
    std::string error;
    const auto args = parseArguments(words, {{}, {}, 1}, error);
    if (!args || args->positional.empty()) {
        complain("tables: " + (args ? std::string("which file?") : error));
        return kExitUsage;
    }
    const auto tables = loadTables("tables", args->positional[0]);
    if (!tables)
        return kExitRefused;
    std::string out;
    for (const auto& item : ctk::selectorItems(tables->records))
        out += text::toUtf8(item) + '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

}  // namespace cli
