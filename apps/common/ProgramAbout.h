#pragma once

#include <optional>
#include <string>

namespace belltide {

// What a program says about itself when asked with --help or --version. The
// texts follow the GNU conventions, so that help2man makes manual pages of them.
struct ProgramAbout {
    const char* Name = "";
    // The whole --help text, starting with its "Usage:" lines.
    const char* Help = "";

    // The text to print when the first argument is --help (-h) or --version
    // (-V); the program then exits with status 0. Nothing for every other
    // command line, which the program handles as usual.
    std::optional<std::string> Answer(int argc, const char* const* argv) const;

    // "NAME VERSION", the line --version prints.
    std::string VersionText() const;

    // The version the programs were built as, e.g. "0.1.0".
    static const char* Version();
};

} // namespace belltide
