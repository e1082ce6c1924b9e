#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace belltide {
class School;
}

namespace belltide::test {

// A scratch folder per test; files written there vanish with it.
class ScratchFolder {
public:
    QString Path(const QString& name) const { return mDir.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir mDir;
};

// Reads a document from text, failing the test when it does not read.
std::shared_ptr<School> ReadText(const QByteArray& xml);

} // namespace belltide::test
