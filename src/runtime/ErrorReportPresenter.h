#pragma once

namespace belltide {

struct RuntimeErrorReport;

// Shows a runtime error report and answers the user's choice. The runtime
// library shows it as text; the window program passes a message-box presenter
// (stop icon, title "Runtime Error", OK and Cancel with Cancel the default) to
// the loader when a display is available.
class ErrorReportPresenter {
public:
    enum class Choice {
        Continue, // OK: back to the loader
        Quit, // Cancel: the process ends at once
    };

    virtual ~ErrorReportPresenter() = default;
    virtual Choice Present(const RuntimeErrorReport& report) = 0;
};

} // namespace belltide
