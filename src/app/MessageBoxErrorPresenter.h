#pragma once

#include "runtime/ErrorReportPresenter.h"

class QProcessEnvironment;

namespace belltide {

// The runtime error report as a message box: stop icon, title "Runtime
// Error", OK and Cancel with Cancel the default. Closing the box is Cancel.
// Needs the application object.
class MessageBoxErrorPresenter final : public ErrorReportPresenter {
public:
    // Whether the environment offers a screen someone looks at. Qt ends the
    // process when it cannot reach one, so this is asked before the
    // application object exists; on the offscreen and minimal platforms a box
    // would wait for a click that never comes.
    static bool CanShow(const QProcessEnvironment& environment);

    Choice Present(const RuntimeErrorReport& report) override;
};

} // namespace belltide
