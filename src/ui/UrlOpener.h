#pragma once

class QUrl;

namespace belltide {

// Hands a web address to the browser or a mail address to the mail program.
// Tests record the address instead.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;

    // False when the desktop has nothing to open it with.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

} // namespace belltide
