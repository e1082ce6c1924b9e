#pragma once

#include "engine/CnfWriter.h"
#include "engine/ThoroughProblem.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace belltide {

class ThoroughProblem;
struct DayPattern;
struct ThoroughFixed;
struct ThoroughRequirement;

// The school's requirements as clauses for a SAT solver. Each requirement takes
// one way its options offer (a resource, a start slot and a pattern), its start
// also held in order form ("starts at t or later"). A special holds one meeting
// in any stretch as long as a meeting and its passing time; the lunch seats
// hold at most as many lunches at a slot as there are seats; a class's blocks
// that share a day keep one order on every day; classes alike keep one order
// among themselves; each class keeps, every day, one stretch of its own day
// clear of its blocks. Each requirement, and each class's free stretch on each
// day, is asked for through an assumption, so a failed proof names those it
// needed.
class SatEncoding {
public:
    enum class Outcome { Found, None, Unknown };

    explicit SatEncoding(const ThoroughProblem& problem);
    ~SatEncoding();
    SatEncoding(const SatEncoding&) = delete;
    SatEncoding& operator=(const SatEncoding&) = delete;

    // Build stops once the solver would hold more than this many bytes.
    void MemoryBudget(std::int64_t bytes) { mBudget = bytes; }
    // False when aborted part way or past the memory budget; progress gets
    // the share done.
    bool Build(const std::atomic<bool>& abort, const std::function<void(double)>& progress);

    // Fixed groups whose pinned meetings, and whose other meetings, the next
    // Solve calls hold; a group not named may keep them or give them back.
    void Hold(std::vector<std::int32_t> pinned, std::vector<std::int32_t> others);
    // Asks for every requirement in `active`, and for each placement in
    // `fixed` that the options offer; other requirements may stay unplaced.
    // Unknown when aborted or past the conflict limit (negative: none).
    Outcome Solve(const std::vector<std::int32_t>& active, const std::vector<ThoroughPlacement>& fixed,
        std::int64_t conflictLimit, const std::atomic<bool>& abort);
    // After Found: where every requirement asked for goes, as units: a
    // requirement of a fixed group is placed by the unit for what it kept.
    std::vector<ThoroughPlacement> Placements(const std::vector<std::int32_t>& active) const;
    // After Found: whether the group kept its pinned or its other meetings.
    bool PinnedKept(std::int32_t group) const;
    bool OthersKept(std::int32_t group) const;
    // After None: the held groups that the proof used.
    std::vector<std::int32_t> FailedPinned() const;
    std::vector<std::int32_t> FailedOthers() const;
    // The same placements with classes alike traded so that they keep the
    // order the encoding sets among them.
    std::vector<ThoroughPlacement> InTwinOrder(std::vector<ThoroughPlacement> placements) const;
    // After None: the requirements asked for that the proof used.
    std::vector<std::int32_t> Failed(const std::vector<std::int32_t>& active) const;
    // After None: the fixed placements that the proof used.
    std::vector<ThoroughPlacement> Failed(const std::vector<ThoroughPlacement>& fixed) const;

    // A class's day on which the encoding asks for its free stretch.
    struct FreeDay {
        std::int32_t Class = 0;
        std::int32_t Day = 0;
        int Literal = 0;
    };
    const std::vector<FreeDay>& FreeDays() const { return mFreeDays; }
    // Positions in FreeDays() that the next Solve calls do not ask for.
    void LeaveOutFreeDays(const std::vector<std::int32_t>& positions);
    // After None: positions in FreeDays() that the proof used.
    std::vector<std::int32_t> FailedFreeDays() const;

    std::int32_t VariableCount() const { return mCnf.VariableCount(); }
    std::int64_t ClauseCount() const { return mCnf.ClauseCount(); }
    std::int64_t LiteralCount() const { return mCnf.LiteralCount(); }
    const std::vector<CnfWriter::FamilyCount>& Families() const { return mCnf.Families(); }

private:
    struct RequirementVariables {
        std::int32_t Lo = 0;
        std::int32_t Hi = -1;
        // Order[t - Lo]: starts at t or later; Order[0] is "placed" and the assumption.
        std::vector<int> Order;
        std::vector<int> Start;
        std::vector<int> Pattern;
        std::array<int, 5> Day {};
        std::vector<std::int32_t> Resources;
        std::vector<int> Choice;
        // Class length and the literal "the chosen resource has it".
        std::vector<std::pair<std::int32_t, int>> Lengths;
        std::uint32_t AllowedPatterns = 0;
        // [resource position × width + start - Lo]: the patterns the options offer.
        std::vector<std::uint32_t> Masks;
    };
    // A meeting that may start at a resource's day slot.
    struct Meeting {
        std::int32_t Requirement;
        int Literal;
    };

    int OrderLiteral(const RequirementVariables& variables, std::int32_t slot) const;
    // The start, special and pattern of a placement, or none when the options
    // do not offer it.
    std::vector<int> PlacementLiterals(const ThoroughPlacement& placement) const;

    void EncodeRequirement(std::int32_t index);
    void EncodeFixedGroups();
    void EncodeFixedMeetings();
    void EncodeFixedClash(const ThoroughFixed& meeting, int held, const RequirementVariables& variables);
    bool Value(int literal) const;
    void EncodeDaysAndChoices(const ThoroughRequirement& requirement, RequirementVariables& variables);
    void EncodeOptions(std::int32_t index, const ThoroughRequirement& requirement, RequirementVariables& variables);
    void EncodeSingleResource(std::int32_t resource);
    void EncodeSharedResource(std::int32_t resource);
    void EncodeClass(std::int32_t classIndex);
    void EncodeFreeTime(std::int32_t classIndex);
    void EncodeFreeDay(std::int32_t classIndex, std::int32_t day);
    void EncodeTwins();
    void EncodeOrder(const RequirementVariables& first, const RequirementVariables& second, int share, int order);
    int ShareLiteral(const RequirementVariables& first, const RequirementVariables& second);

    const ThoroughProblem& mProblem;
    CnfWriter mCnf;
    const int mTrue;
    // By unit.
    std::vector<RequirementVariables> mVariables;
    // By requirement: the literal that asks for it; 0 when it cannot be placed.
    std::vector<int> mAsk;
    // By fixed group: "its pinned meetings are kept", "its others are kept".
    std::vector<std::pair<int, int>> mGroupHeld;
    std::vector<std::int32_t> mHeldPinned;
    std::vector<std::int32_t> mHeldOthers;
    std::int64_t mBudget = -1;
    // Units of each class.
    std::vector<std::vector<std::int32_t>> mUnitsOfClass;
    // [resource][day × slots per day + slot]
    std::vector<std::vector<std::vector<Meeting>>> mMeetings;
    std::vector<FreeDay> mFreeDays;
    std::vector<std::uint8_t> mFreeDayLeftOut;
    // Classes alike, in class order, and the position of the requirement that orders them.
    std::vector<std::pair<std::vector<std::int32_t>, std::size_t>> mTwins;
};

} // namespace belltide
