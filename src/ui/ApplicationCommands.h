#pragma once

namespace belltide {

// The menu commands that need no document. The application answers them,
// whichever window's menu they come from; each is true when handled.
class ApplicationCommands {
public:
    virtual ~ApplicationCommands() = default;

    virtual bool FileNewSchedule() = 0;
    virtual bool FileOpenSchedule() = 0;
    virtual bool HelpAboutBelltide() = 0;
    virtual bool HelpBelltideWebsite() = 0;
    virtual bool HelpEmailCustomerService() = 0;
    virtual bool HelpCheckforUpdates() = 0;
};

} // namespace belltide
