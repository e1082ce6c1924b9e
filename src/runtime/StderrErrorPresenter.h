#pragma once

#include "ErrorReportPresenter.h"

#include <cstdio>

namespace belltide {

// Without a display nobody can press OK, so every report ends the process as
// Cancel would.
class StderrErrorPresenter : public ErrorReportPresenter {
public:
    explicit StderrErrorPresenter(std::FILE* stream = stderr)
        : mStream(stream)
    {
    }
    Choice Present(const RuntimeErrorReport& report) override;

private:
    std::FILE* mStream;
};

} // namespace belltide
