#include "CliCommand.h"
#include "ExportCommand.h"
#include "FailingDisk.h"
#include "GenerateCommand.h"
#include "ImportCommand.h"
#include "InfoCommand.h"
#include "QtPrinting.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using belltide::cli::CommandFunction;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kExample = QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc");

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

CliRun Invoke(CommandFunction command, const QStringList& arguments)
{
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = command(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}

class CliExportImport : public ::testing::Test {
protected:
    void SetUp() override
    {
        school = dir.filePath(u"school.psc"_s);
        ASSERT_TRUE(belltide::test::WriteAll(school, belltide::test::ReadAll(kExample)));
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    void Save()
    {
        ASSERT_EQ(Invoke(&RunGenerateCommand, { school, u"--seed"_s, u"4"_s, u"--save"_s, u"--quiet"_s }).code, 0);
    }

    QTemporaryDir dir;
    QString school;
};

TEST_F(CliExportImport, ExportWritesEachFormatOfTheSavedSchedule)
{
    const CliRun none = Invoke(&RunExportCommand, { school, u"--csv"_s, Path(u"a.csv"_s) });
    EXPECT_EQ(none.code, belltide::cli::kExitNoSchedule);
    EXPECT_EQ(none.err, school + u" has no saved schedule to export.\n"_s);
    EXPECT_FALSE(QFile::exists(Path(u"a.csv"_s)));

    Save();
    const CliRun run = Invoke(&RunExportCommand,
        { school, u"--csv"_s, Path(u"a.csv"_s), u"--html"_s, Path(u"a.html"_s), u"--ics"_s, Path(u"a.ics"_s),
            u"--from=2025-09-02"_s, u"--to"_s, u"2026-06-19"_s, u"--class"_s, u"k: mrs. adams"_s, u"--floating"_s });
    ASSERT_EQ(run.code, belltide::cli::kExitOk) << run.err.toStdString();
    EXPECT_EQ(run.out, u"Wrote %1\nWrote %2\nWrote %3\n"_s.arg(Path(u"a.csv"_s), Path(u"a.html"_s), Path(u"a.ics"_s)));
    // 239 meetings, 100 of them lunches followed by recess, and the header.
    EXPECT_EQ(belltide::test::ReadAll(Path(u"a.csv"_s)).count("\r\n"), 239 + 100 + 1);
    const QByteArray calendar = belltide::test::ReadAll(Path(u"a.ics"_s));
    EXPECT_TRUE(calendar.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_TRUE(calendar.contains("X-WR-CALNAME:Maple Grove Elementary: K: Mrs. Adams\r\n"));
    EXPECT_FALSE(calendar.contains("TZID"));
    EXPECT_TRUE(belltide::test::ReadAll(Path(u"a.html"_s)).startsWith("<!DOCTYPE html>"));
}

TEST_F(CliExportImport, BadExportArgumentsSayWhatIsWrongInOneLine)
{
    Save();
    const QString out = Path(u"out.ics"_s);
    const struct {
        QStringList Arguments;
        QString Error;
    } cases[] = {
        { { school },
            u"belltide-cli export: expected FILE.psc [--csv OUT] [--html OUT] [--ics OUT --from "
            "YYYY-MM-DD --to YYYY-MM-DD [--class LABEL | --special LABEL] [--time-zone ZONE | "
            "--floating]] [--quiet]\n"_s },
        { { school, u"--ics"_s, out, u"--from"_s, u"2025-09-02"_s },
            u"belltide-cli export: --ics needs the term's first and last day: --from YYYY-MM-DD --to "
            "YYYY-MM-DD\n"_s },
        { { school, u"--csv"_s, out, u"--from"_s, u"2025-09-02"_s },
            u"belltide-cli export: --from, --to, --class, --special, --time-zone and --floating go with --ics\n"_s },
        { { school, u"--ics"_s, out, u"--from"_s, u"9/2/2025"_s, u"--to"_s, u"2026-06-19"_s },
            u"belltide-cli export: --from takes a date as YYYY-MM-DD, not \"9/2/2025\"\n"_s },
        { { school, u"--ics"_s, out, u"--from"_s, u"2025-09-02"_s, u"--to"_s, u"2026-06-19"_s, u"--class"_s,
              u"K: Nobody"_s },
            school + u": no class is called \"K: Nobody\"\n"_s },
        { { school, u"--ics"_s, out, u"--from"_s, u"2025-09-02"_s, u"--to"_s, u"2026-06-19"_s, u"--class"_s,
              u"K: Mrs. Adams"_s, u"--special"_s, u"Music: Mr. Chen"_s },
            u"belltide-cli export: give --class or --special, not both\n"_s },
        { { school, u"--ics"_s, out, u"--from"_s, u"2026-06-19"_s, u"--to"_s, u"2025-09-02"_s },
            u"Could not export \"%1\": The term's last day, 2025-09-02, comes before its first day, 2026-06-19.\n"_s
                .arg(out) },
        { { school, u"--html"_s, Path(u"no/folder/a.html"_s) },
            u"Could not save \"%1\" because its folder does not exist.\n"_s.arg(Path(u"no/folder/a.html"_s)) },
    };
    for (const auto& c : cases) {
        const CliRun run = Invoke(&RunExportCommand, c.Arguments);
        EXPECT_EQ(run.code, belltide::cli::kExitBadInput) << c.Arguments.join(u' ').toStdString();
        EXPECT_EQ(run.err, c.Error);
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(CliExportImport, ImportAddsTheGoodLinesAndADryRunChangesNothing)
{
    const QString list = Path(u"list.csv"_s);
    ASSERT_TRUE(belltide::test::WriteAll(
        list, "Grade,Teacher,Students,Start,End\n6th,Mr. Abe,24,8:00,15:00\n6th,Ms. Bo,23,9:00,8:00\n"));
    const QByteArray before = belltide::test::ReadAll(school);
    const CliRun dry = Invoke(&RunImportCommand, { school, list, u"--dry-run"_s });
    EXPECT_EQ(dry.code, belltide::cli::kExitOk);
    EXPECT_EQ(dry.out, u"Would add 6th: Mr. Abe, 24 students, 8:00 AM-3:00 PM\n1 class to add; 1 line left out.\n"_s);
    EXPECT_EQ(dry.err, list + u": Line 3: the day end 8:00 comes before the day start 9:00.\n"_s);
    EXPECT_EQ(belltide::test::ReadAll(school), before);

    ASSERT_EQ(Invoke(&RunImportCommand, { school, list }).code, belltide::cli::kExitOk);
    const CliRun info = Invoke(&RunInfoCommand, { school });
    EXPECT_TRUE(info.out.contains(u"6th - Mr. Abe"_s)) << info.out.toStdString();
    EXPECT_FALSE(info.out.contains(u"Ms. Bo"_s));

    // Again: the class is there now, so nothing is left to add.
    const QByteArray once = belltide::test::ReadAll(school);
    const CliRun again = Invoke(&RunImportCommand, { school, list });
    EXPECT_EQ(again.code, belltide::cli::kExitBadInput);
    EXPECT_TRUE(again.err.contains(u"Line 2: 6th: Mr. Abe is already in the school."_s));
    EXPECT_EQ(belltide::test::ReadAll(school), once);
}

} // namespace
