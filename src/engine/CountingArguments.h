#pragma once

#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace belltide {

class ThoroughProblem;
struct ThoroughRequirement;
struct ThoroughResource;
struct ThoroughSubject;

// Reasons, in words, why a school has no schedule, found by counting before any
// search: each one alone proves that none exists, and says what would have to
// change. Finding none proves nothing.
class CountingArguments {
public:
    explicit CountingArguments(const ThoroughProblem& problem);

    QStringList Reasons();

private:
    void RequirementsWithoutOptions();
    void ReportNoOptions(const std::vector<std::int32_t>& requirements);
    void ReportNeverFree(const ThoroughSubject& subject);
    QString NoTimeForLunch(const QString& classes, const QString& are, const QString& day) const;
    QString NoTimeForMeetings(const ThoroughSubject& subject, const ThoroughRequirement& requirement,
        const QString& classes, const QString& are, const QString& day) const;
    QString LunchPeriod() const;
    static QString MeetingLength(const ThoroughResource& resource);
    void ClassTime();
    void FreeTime();
    bool ReportTooSmall(const ThoroughRequirement& requirement);
    void SubjectCapacity();
    // A stretch of the day, on one day or (Day < 0) over the week, where the
    // classes inside need more meetings of a subject than its specials hold.
    struct Shortfall {
        std::int32_t Need = 0;
        std::int32_t Room = 0;
        std::int32_t First = 0;
        std::int32_t End = 0;
        std::int32_t Day = -1;
        std::vector<std::int32_t> Classes;
    };
    // The shortfall that says most about `subject`, among the requirements
    // `wanting` it; none when its specials hold every stretch.
    std::optional<Shortfall> WorstShortfall(
        const ThoroughSubject& subject, const std::vector<std::int32_t>& wanting) const;
    // The shortfall in words; `everyone`: every class wanting the subject is in it.
    QString ShortfallReason(const ThoroughSubject& subject, const Shortfall& worst, bool everyone) const;
    void LunchCapacity();

    QString ClassNames(const std::vector<std::int32_t>& requirements) const;
    QString ClassDay(std::int32_t classIndex) const;
    // Bit d: the requirement meets on day d whichever of its possible patterns it takes.
    std::uint32_t ForcedDays(const ThoroughRequirement& requirement) const;
    std::int32_t ShortestClassLength(const ThoroughRequirement& requirement) const;

    const ThoroughProblem& mProblem;
    QStringList mReasons;
    // Subjects and classes already explained; counting them again would repeat it.
    std::vector<std::uint8_t> mSubjectExplained;
    std::vector<std::uint8_t> mClassExplained;
};

} // namespace belltide
