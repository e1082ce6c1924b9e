#pragma once

#include "UrlOpener.h"

namespace belltide {

// The desktop's own browser and mail program.
class DesktopUrlOpener final : public UrlOpener {
public:
    bool OpenUrl(const QUrl& url) override;
};

} // namespace belltide
