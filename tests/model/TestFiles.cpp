#include "TestFiles.h"

#include "model/SchoolDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace belltide::test {

QString ScratchFolder::Write(const QString& name, const QByteArray& bytes) const
{
    const QString path = Path(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

std::shared_ptr<School> ReadText(const QByteArray& xml)
{
    auto result = SchoolDocument::ReadBytes(xml, QStringLiteral("test.psc"));
    EXPECT_TRUE(result.IsOk()) << result.Error().toStdString();
    return result.IsOk() ? result.Value() : nullptr;
}

} // namespace belltide::test
