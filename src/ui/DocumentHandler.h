#pragma once

namespace belltide {

// What the application does for a document window's File menu and its closing.
// The application gives each window one; a window without one saves nothing and
// closes without asking.
class DocumentHandler {
public:
    virtual ~DocumentHandler() = default;

    // Each is true when the document was written.
    virtual bool PerformSave() = 0;
    virtual bool PerformSaveAs() = 0;
    // Asked before the window closes; true keeps it open.
    virtual bool CancelClose(bool appQuitting) = 0;
};

} // namespace belltide
