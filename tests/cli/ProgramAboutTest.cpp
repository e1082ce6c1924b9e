#include "ProgramAbout.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

using belltide::ProgramAbout;

const ProgramAbout kAbout { "belltide-cli", "Usage: belltide-cli COMMAND\n" };

struct Case {
    std::vector<const char*> Arguments;
    std::optional<std::string> Expected;
};

TEST(ProgramAbout, AnswersHelpAndVersionOnlyAsTheFirstArgument)
{
    const std::string version = std::string("belltide-cli ") + ProgramAbout::Version() + "\n";
    const Case cases[] = {
        { { "--help" }, "Usage: belltide-cli COMMAND\n" },
        { { "-h" }, "Usage: belltide-cli COMMAND\n" },
        { { "--version" }, version },
        { { "-V", "ignored.psc" }, version },
        { {}, std::nullopt },
        { { "info", "--help" }, std::nullopt },
        { { "school.psc", "--version" }, std::nullopt },
        { { "--versions" }, std::nullopt },
        { { "-v" }, std::nullopt },
    };
    for (const Case& test : cases) {
        std::vector<const char*> argv { "belltide-cli" };
        argv.insert(argv.end(), test.Arguments.begin(), test.Arguments.end());
        argv.push_back(nullptr);
        EXPECT_EQ(kAbout.Answer(int(argv.size()) - 1, argv.data()), test.Expected)
            << (test.Arguments.empty() ? "(none)" : test.Arguments.front());
    }
}

TEST(ProgramAbout, TheVersionIsThreeNumbers)
{
    const std::string version = ProgramAbout::Version();
    int major = -1, minor = -1, patch = -1;
    char rest = 0;
    EXPECT_EQ(std::sscanf(version.c_str(), "%d.%d.%d%c", &major, &minor, &patch, &rest), 3) << version;
}

} // namespace
