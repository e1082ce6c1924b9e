#include "ProgramAbout.h"

#include <string_view>

namespace belltide {

std::optional<std::string> ProgramAbout::Answer(int argc, const char* const* argv) const
{
    if (argc < 2 || argv[1] == nullptr)
        return std::nullopt;
    const std::string_view first(argv[1]);
    if (first == "--help" || first == "-h")
        return std::string(Help);
    if (first == "--version" || first == "-V")
        return VersionText();
    return std::nullopt;
}

std::string ProgramAbout::VersionText() const
{
    return std::string(Name) + ' ' + Version() + '\n';
}

const char* ProgramAbout::Version()
{
    return BELLTIDE_VERSION;
}

} // namespace belltide
