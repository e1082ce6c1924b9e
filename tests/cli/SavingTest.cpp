#include "FailingDisk.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace belltide::test;

namespace {

const QString kExample = QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc");

struct Outcome {
    int Code = -1;
    QString Err;
};

// The real program, as a shell would start it, with its files limited in size.
Outcome RunLimited(std::size_t limit, const QStringList& arguments)
{
    QProcess process;
    process.setProgram(QStringLiteral(BELLTIDE_CLI));
    process.setArguments(arguments);
    process.setChildProcessModifier([limit] { LimitFileSizeInChild(limit); });
    process.start();
    process.waitForFinished(60000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardError()) };
}

} // namespace

// Each way the program writes a file fails with exit 2 and one sentence, and
// leaves what the target held before, with no temporary file beside it.
TEST(CliSaving, EveryOutputFailsLoudlyUnderAFileSizeLimit)
{
    QTemporaryDir dir;
    const QString kept = QStringLiteral("kept before");
    const struct {
        QString Name;
        QStringList Arguments;
    } outputs[] = {
        { QStringLiteral("out.psc"), { QStringLiteral("convert"), kExample, dir.filePath(QStringLiteral("out.psc")) } },
        { QStringLiteral("out.json"),
            { QStringLiteral("generate"), kExample, QStringLiteral("--seed"), QStringLiteral("1"),
                QStringLiteral("--json"), dir.filePath(QStringLiteral("out.json")) } },
        { QStringLiteral("out.pdf"),
            { QStringLiteral("generate"), kExample, QStringLiteral("--seed"), QStringLiteral("1"),
                QStringLiteral("--pdf"), dir.filePath(QStringLiteral("out.pdf")) } },
    };
    for (const auto& output : outputs) {
        SCOPED_TRACE(output.Name.toStdString());
        const QString path = dir.filePath(output.Name);
        ASSERT_TRUE(WriteAll(path, kept.toUtf8()));
        const Outcome run = RunLimited(4096, output.Arguments);
        EXPECT_EQ(run.Code, 2);
        EXPECT_TRUE(run.Err.contains(QStringLiteral("Could not save \"%1\" because the file would be larger than "
                                                    "this system allows.")
                                         .arg(path)))
            << run.Err.toStdString();
        EXPECT_EQ(ReadAll(path), kept.toUtf8());
    }
    EXPECT_EQ(FilesIn(dir.path()),
        (QStringList { QStringLiteral("out.json"), QStringLiteral("out.pdf"), QStringLiteral("out.psc") }));

    // The same command with room to write succeeds.
    const Outcome roomy = RunLimited(64 * 1024 * 1024, outputs[0].Arguments);
    EXPECT_EQ(roomy.Code, 0) << roomy.Err.toStdString();
}
