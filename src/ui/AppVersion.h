#pragma once

#include <QString>

namespace belltide {

// The running program's version, three numbers as the build gives them.
struct AppVersion {
    int MajorVersion = 0;
    int MinorVersion = 0;
    int BugVersion = 0;

    static AppVersion Current();

    // What the maker's server publishes: each number with at least two
    // digits, run together (1.2.3 is "010203").
    QString VersionText() const;
    // What people read: "1.2", or "1.2.3" when there is a bug version.
    QString DisplayText() const;

    friend bool operator==(const AppVersion&, const AppVersion&) = default;
};

} // namespace belltide
