// belltide-pack: appends an application container to an executable built
// with the runtime, so that the loader finds its entry routine and resources.
//
//   belltide-pack [--entry NAME] [--resource TYPE ID FILE]... INPUT OUTPUT
//
// INPUT and OUTPUT may be the same file. Exit codes: 0 packed (or left bare
// on a machine without an entry routine), 2 bad arguments or input.

#include "runtime/EntryRoutine.h"
#include "runtime/ExecutablePacker.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

using namespace belltide;

namespace {

struct Arguments {
    QByteArray Entry = EntryRoutine::kRuntimeEntry;
    std::vector<ExecutablePacker::Resource> Resources;
    QString Input;
    QString Output;
};

int Fail(const QString& message)
{
    std::fprintf(stderr, "belltide-pack: %s\n", qPrintable(message));
    return 2;
}

QString Arg(char* argument)
{
    return QString::fromLocal8Bit(argument);
}

// A type names four characters; shorter ones are padded with spaces.
std::optional<std::uint32_t> TypeCode(const QString& text)
{
    const QByteArray name = text.toLatin1().leftJustified(4, ' ');
    if (text.isEmpty() || name.size() != 4)
        return std::nullopt;
    std::uint32_t code = 0;
    for (const char c : name)
        code = code << 8 | std::uint8_t(c);
    return code;
}

std::optional<ExecutablePacker::Resource> ReadResource(
    const QString& type, const QString& id, const QString& path, QString& error)
{
    bool isNumber = false;
    const uint number = id.toUInt(&isNumber);
    const auto code = TypeCode(type);
    if (!code || !isNumber || number > 0xFFFF) {
        error = QStringLiteral("bad resource \"%1 %2\": a type of 1 to 4 characters and an id of 0 to 65535")
                    .arg(type, id);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return ExecutablePacker::Resource { *code, std::uint16_t(number), file.readAll() };
}

std::optional<Arguments> Parse(int argc, char** argv, QString& error)
{
    Arguments arguments;
    std::vector<QString> files;
    for (int i = 1; i < argc; ++i) {
        const QString arg = Arg(argv[i]);
        if (arg == u"--entry" && i + 1 < argc) {
            arguments.Entry = QByteArray(argv[++i]);
        } else if (arg == u"--resource" && i + 3 < argc) {
            auto resource = ReadResource(Arg(argv[i + 1]), Arg(argv[i + 2]), Arg(argv[i + 3]), error);
            if (!resource)
                return std::nullopt;
            arguments.Resources.push_back(std::move(*resource));
            i += 3;
        } else if (arg.startsWith(u"--")) {
            error = QStringLiteral("unknown or incomplete option \"%1\"").arg(arg);
            return std::nullopt;
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) {
        error = QStringLiteral("usage: belltide-pack [--entry NAME] [--resource TYPE ID FILE]... INPUT OUTPUT");
        return std::nullopt;
    }
    arguments.Input = files[0];
    arguments.Output = files[1];
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    QString error;
    const auto arguments = Parse(argc, argv, error);
    if (!arguments)
        return Fail(error);

    QFile input(arguments->Input);
    if (!input.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read \"%1\": %2").arg(arguments->Input, input.errorString()));
    const QByteArray executable = input.readAll();
    const QFileDevice::Permissions permissions = input.permissions();
    input.close();

    const auto packed = ExecutablePacker::Pack(executable, arguments->Entry, arguments->Resources);
    if (!packed.Error.isEmpty())
        return Fail(QStringLiteral("cannot pack \"%1\" because %2.").arg(arguments->Input, packed.Error));

    // Written beside the target and renamed over it, so an interrupted build
    // never leaves half an executable.
    QSaveFile output(arguments->Output);
    if (!output.open(QIODevice::WriteOnly) || output.write(packed.Executable) != packed.Executable.size()
        || !output.commit())
        return Fail(QStringLiteral("cannot write \"%1\": %2").arg(arguments->Output, output.errorString()));
    QFile::setPermissions(arguments->Output, permissions);
    return 0;
}
