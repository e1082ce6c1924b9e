// Success rates and times of whole generations over 100 fixed seeds, for the
// example school and its 40- and 80-class copies and for realistic schools of
// 40 and 100 classes, with the limits a class
// brings (most students, interrupt-free time) on and off. A fingerprint of every
// schedule made lets a faster engine prove it still makes the same schedules.

#include "RealisticSchools.h"
#include "ScaledSchools.h"

#include "engine/Schedule.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleSpecial.h"
#include "model/School.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

using namespace belltide;

namespace {

void AddFingerprint(QCryptographicHash& hash, const Schedule& schedule)
{
    for (std::int32_t row = 0; row < schedule.HeadingCount(); ++row) {
        for (std::int32_t minute = 0; minute < schedule.MinuteCount(); ++minute) {
            std::int32_t length = 0;
            const auto item = std::dynamic_pointer_cast<ScheduleSpecial>(
                schedule.ScheduledItem(*schedule.Heading(row), minute, length));
            hash.addData(QByteArrayView(item ? item->Subject.toUtf8() : QByteArray("-")));
            hash.addData(QByteArrayView(QByteArray::number(schedule.Cell(row, minute))));
        }
    }
}

} // namespace

int main()
{
    QTextStream out(stdout);
    constexpr int kSeeds = 100;
    for (const bool limits : { true, false })
        for (std::int32_t size : { 1, 2, 4, 40, 100 }) {
            auto school = size <= 4
                ? ScaledExampleSchool(size)
                : Result<std::shared_ptr<School>>::Ok(RealisticSchool(size, SchoolVariant::Feasible));
            if (!school) {
                out << school.Error() << '\n';
                return 1;
            }
            if (!limits)
                WithoutClassLimits(*school.Value());
            std::vector<double> times;
            int firstAttempt = 0;
            int generated = 0;
            int attempts = 0;
            QCryptographicHash fingerprint(QCryptographicHash::Sha1);
            for (int s = 0; s < kSeeds; ++s) {
                QElapsedTimer timer;
                timer.start();
                const GenerationInputs inputs = ScheduleGenerator::BuildInputs(*school.Value()).Value();
                ScheduleGenerator generator;
                const GenerationResult result = generator.Run(inputs, { 10, static_cast<std::uint64_t>(s) * 1000 });
                times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
                firstAttempt += result.Attempt == 1 ? 1 : 0;
                generated += result.Schedule ? 1 : 0;
                attempts += result.AttemptsMade;
                if (result.Schedule)
                    AddFingerprint(fingerprint, *result.Schedule);
            }
            std::sort(times.begin(), times.end());
            out << (size <= 4 ? "example " : "realistic ") << school.Value()->Classes.size() << " classes, limits "
                << (limits ? "on" : "off") << ": one attempt succeeds for " << firstAttempt << "/" << kSeeds
                << " seeds, a generation for " << generated << "/" << kSeeds << " (" << attempts
                << " attempts); median " << QString::number((times[kSeeds / 2 - 1] + times[kSeeds / 2]) / 2, 'f', 2)
                << " ms, slowest " << QString::number(times.back(), 'f', 2) << " ms; fingerprint "
                << fingerprint.result().toHex().left(16) << '\n';
        }
    return 0;
}
