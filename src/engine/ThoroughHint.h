#pragma once

#include "engine/SatEncoding.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace belltide {

class ScheduleObject;
class ThoroughProblem;
struct GenerationInputs;
struct ThoroughPlacement;

// The quick search's attempt that got furthest, for the solver to start
// from: a schedule with a few meetings missing is usually a few moves from
// a whole one.
class ThoroughHint {
public:
    // Runs a few quick attempts from the fixed meetings; `abort` cuts them short.
    ThoroughHint(const GenerationInputs& inputs, const std::atomic<bool>& abort);

    // The attempt's meetings, but for the fixed ones, as placements of the
    // problem's units, as far as they are ways the problem knows.
    std::vector<ThoroughPlacement> Placements(const ThoroughProblem& problem) const;

    // How many held placements a proof of "no schedule" gives back at once,
    // and how many questions the guide gets.
    struct Pace {
        std::size_t GivenBackAtOnce;
        int Rounds;
    };
    // A few at a time: most of the guide stays and each question stays small.
    static constexpr Pace kFewAtATime { 16, 400 };
    // All a proof names at once: fewer questions, for a problem whose every
    // question is costly.
    static constexpr Pace kAllAtOnce { SIZE_MAX, 40 };

    // Solves with the guide's placements held, giving back those a proof of
    // "no schedule" needs. Found; None when a proof needs none of the guide;
    // Unknown when a question runs out of conflicts or the rounds end. The
    // guide keeps what is still held.
    static SatEncoding::Outcome Guide(SatEncoding& encoding, const std::vector<std::int32_t>& all,
        std::vector<ThoroughPlacement>& guide, Pace pace, const std::atomic<bool>& abort);

private:
    // One class's meetings with one special, by day.
    struct Block {
        std::int32_t Class = 0;
        const ScheduleObject* Special = nullptr;
        std::int32_t Day = 0;
        std::int32_t Slot = 0;
    };

    const GenerationInputs& mInputs;
    std::vector<Block> mBlocks;
};

} // namespace belltide
