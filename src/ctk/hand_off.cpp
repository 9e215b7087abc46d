#include "ctk/hand_off.h"

#include "ctk/writer.h"

namespace ctk {

std::filesystem::path handOffFile(const std::filesystem::path& programFolder, bool tableApplied)
{
    return programFolder / ("velmorad." + std::string(fileExtension(tableApplied)));
}

}  // namespace ctk
