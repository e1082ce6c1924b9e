#include "ReadOnlyFolder.h"
#include "app/FileRegistry.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace belltide;

namespace {

class FileRegistryTest : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    FileRegistry Store { Folder.path() };
    const QString UserFile = Store.FileFor(RegistryRoot::CurrentUser);

    void WriteUserFile(const QByteArray& bytes)
    {
        QFile file(UserFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadUserFile() const
    {
        QFile file(UserFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(FileRegistryTest, KeysAndTypedValuesSurviveTheFileWithCaseInsensitiveNames)
{
    auto root = Store.Open(RegistryRoot::CurrentUser);
    EXPECT_FALSE(root->Subkey(QStringLiteral("Software")));
    auto key = root->AddSubkey(QStringLiteral("Software\\Quorvane\\Belltide"));
    ASSERT_TRUE(key);
    EXPECT_EQ(key.Value()->Path(), QStringLiteral("HKEY_CURRENT_USER\\Software\\Quorvane\\Belltide"));
    key.Value()->SetValue(QString(), RegistryValue::String(QStringLiteral("Dictionary")));
    key.Value()->SetValue(QStringLiteral("Zeta"), RegistryValue::Dword(0xFFFFFFFFu));
    key.Value()->SetValue(QStringLiteral("Alpha"), RegistryValue::Binary(QByteArray("\0\1\xff", 3)));
    key.Value()->SetValue(QStringLiteral("alpha"), RegistryValue::String(QStringLiteral("Ünïcode")));
    EXPECT_FALSE(QFile::exists(UserFile)) << "nothing is stored before a flush";
    ASSERT_TRUE(key.Value()->Flush());

    auto reopened = Store.Open(RegistryRoot::CurrentUser)->Subkey(QStringLiteral("software\\QUORVANE\\belltide"));
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->Path(), QStringLiteral("HKEY_CURRENT_USER\\Software\\Quorvane\\Belltide"));
    EXPECT_EQ(reopened->DefaultValue(), RegistryValue::String(QStringLiteral("Dictionary")));
    EXPECT_EQ(reopened->ValueNames(), (QStringList { QStringLiteral("Zeta"), QStringLiteral("Alpha") }));
    EXPECT_EQ(reopened->Value(QStringLiteral("ZETA")), RegistryValue::Dword(0xFFFFFFFFu));
    EXPECT_EQ(reopened->Value(QStringLiteral("Alpha")), RegistryValue::String(QStringLiteral("Ünïcode")));
    EXPECT_FALSE(reopened->Value(QStringLiteral("Beta")));
}

TEST_F(FileRegistryTest, AnUnreadableFileReadsAsEmptyAndIsKeptAsideWhenReplaced)
{
    const QByteArray valid = R"({"format": "Belltide registry 1", "key": {"name": "HKEY_CURRENT_USER",
        "values": [], "subkeys": [{"name": "Software", "values": [], "subkeys": []}]}})";
    const QByteArray broken[] = {
        "garbage \x01\x02",
        QByteArray(valid).replace("registry 1", "registry 9"),
        QByteArray(valid).replace("HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"),
        QByteArray(valid).replace(
            R"("values": [])", R"("values": [{"name": "a", "type": "REG_MULTI_SZ", "data": ""}])"),
        QByteArray(valid).replace(R"("values": [])", R"("values": [{"name": "a", "type": "REG_DWORD", "data": -1}])"),
        QByteArray(valid).replace(
            R"("values": [])", R"("values": [{"name": "a", "type": "REG_BINARY", "data": "@@"}])"),
        QByteArray(valid).replace(R"("subkeys": [])", R"("subkeys": [{"name": "a\\b", "values": [], "subkeys": []}])"),
        QByteArray(valid).chopped(3),
    };
    WriteUserFile(valid);
    EXPECT_TRUE(Store.Open(RegistryRoot::CurrentUser)->Subkey(QStringLiteral("Software")));
    for (const QByteArray& bytes : broken) {
        SCOPED_TRACE(bytes.toStdString());
        WriteUserFile(bytes);
        auto root = Store.Open(RegistryRoot::CurrentUser);
        EXPECT_TRUE(root->SubkeyNames().isEmpty());
        EXPECT_TRUE(root->ValueNames().isEmpty());
        EXPECT_EQ(ReadUserFile(), bytes) << "reading never rewrites";
        ASSERT_TRUE(root->AddSubkey(QStringLiteral("Fresh")));
        ASSERT_TRUE(root->Flush());
        EXPECT_TRUE(Store.Open(RegistryRoot::CurrentUser)->Subkey(QStringLiteral("Fresh")));
        QFile kept(UserFile + QStringLiteral(".corrupt"));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), bytes);
    }
}

TEST_F(FileRegistryTest, AFailedFlushLeavesThePreviousFile)
{
    auto root = Store.Open(RegistryRoot::CurrentUser);
    root->SetValue(QStringLiteral("Kept"), RegistryValue::Dword(1));
    ASSERT_TRUE(root->Flush());
    const QByteArray before = ReadUserFile();
    root->SetValue(QStringLiteral("Lost"), RegistryValue::Dword(2));
    Status flushed = Status::Ok({});
    {
        ReadOnlyFolder readOnly(Folder.path());
        flushed = root->Flush();
    }
    ASSERT_FALSE(flushed);
    EXPECT_TRUE(flushed.Error().contains(UserFile)) << flushed.Error().toStdString();
    EXPECT_EQ(ReadUserFile(), before);
}
