// One thorough search in a process of its own, so that its peak memory can be
// read: where the time went, the size of the encoding by kind of rule, and
// the process's peak resident memory. One line of tab-separated fields.
//
//   belltide_thorough_study realistic CLASSES [feasible|full-days|music-short|lunch-short|visitors-clash]
//   belltide_thorough_study scaled COPIES
//   belltide_thorough_study file SCHOOL.psc
//
// With BELLTIDE_WHOLE_SCHOOL=1 in the environment the repair is skipped and
// the whole school goes to the solver; with BELLTIDE_NO_CLASS_LIMITS=1 the
// specials' most students and the interrupt-free time are turned off.

#include "RealisticSchools.h"
#include "ScaledSchools.h"

#include "engine/ScheduleGenerator.h"
#include "engine/ThoroughScheduler.h"
#include "model/School.h"
#include "model/SchoolDocument.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <sys/resource.h>

#include <cstdlib>

using namespace belltide;

namespace {

std::shared_ptr<School> SchoolFromArguments(int argc, char** argv)
{
    const QString kind = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString value = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (kind == QStringLiteral("realistic")) {
        const QString name = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("feasible");
        for (SchoolVariant variant : { SchoolVariant::Feasible, SchoolVariant::FullDays, SchoolVariant::MusicShort,
                 SchoolVariant::LunchShort, SchoolVariant::VisitorsClash }) {
            if (VariantName(variant) == name)
                return RealisticSchool(value.toInt(), variant);
        }
        return nullptr;
    }
    if (kind == QStringLiteral("scaled")) {
        auto school = ScaledExampleSchool(value.toInt());
        return school ? school.Value() : nullptr;
    }
    if (kind == QStringLiteral("file")) {
        auto school = SchoolDocument::Read(value);
        return school ? school.Value() : nullptr;
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    QTextStream out(stdout);
    const auto school = SchoolFromArguments(argc, argv);
    if (!school) {
        QTextStream(stderr) << "usage: belltide_thorough_study realistic CLASSES [VARIANT] | scaled COPIES | file "
                               "SCHOOL.psc\n";
        return 2;
    }
    if (qEnvironmentVariableIntValue("BELLTIDE_NO_CLASS_LIMITS") != 0)
        WithoutClassLimits(*school);
    QElapsedTimer timer;
    timer.start();
    const GenerationInputs inputs = ScheduleGenerator::BuildInputs(*school).Value();
    ThoroughScheduler scheduler;
    scheduler.RepairFirst = qEnvironmentVariableIntValue("BELLTIDE_WHOLE_SCHOOL") == 0;
    const ThoroughResult result = scheduler.Schedule(inputs);
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const ThoroughStatistics& s = result.Statistics;
    out << "classes=" << school->Classes.size() << "\tscheduled=" << (result.Schedule ? 1 : 0)
        << "\treasons=" << result.Reasons.size() << "\tseconds=" << seconds << "\tcounting=" << s.CountingSeconds
        << "\tencoding=" << s.EncodingSeconds << "\thint=" << s.HintSeconds << "\tsolving=" << s.SolvingSeconds
        << "\texplaining=" << s.ExplainingSeconds << "\thint_placed=" << s.HintPlacements << "/" << s.Requirements
        << "\trepair=" << s.RepairSeconds << "\trepaired=" << s.Repaired
        << "\tcpu=" << static_cast<double>(usage.ru_utime.tv_sec) + static_cast<double>(usage.ru_utime.tv_usec) / 1e6
        << "\tpeak_mb=" << static_cast<double>(usage.ru_maxrss) / 1024.0 << "\tvariables=" << s.Variables
        << "\tclauses=" << s.Clauses << "\tliterals=" << s.Literals;
    for (const auto& family : s.Families)
        out << "\t" << QString::fromStdString(family.Name) << "=" << family.Clauses << "/" << family.Literals;
    out << "\n";
    return 0;
}
