#include "app/Preferences.h"
#include "FailingDisk.h"
#include "app/FileRegistry.h"

#include <QColor>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace belltide;

namespace {

class PreferencesTest : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    FileRegistry Store { Folder.path() };

    Preferences Loaded()
    {
        Preferences prefs(Store);
        prefs.CompanyName = QStringLiteral("Quorvane");
        prefs.ApplicationName = QStringLiteral("Belltide");
        prefs.Load();
        return prefs;
    }
    std::shared_ptr<RegistryKey> ApplicationKey()
    {
        return Store.Open(RegistryRoot::CurrentUser)->Subkey(QStringLiteral("Software\\Quorvane\\Belltide"));
    }
};

const RegistryValue kDictionary = RegistryValue::String(QStringLiteral("Dictionary"));
const RegistryValue kArray = RegistryValue::String(QStringLiteral("Array"));

} // namespace

TEST_F(PreferencesTest, FirstRunGivesDefaultsAndSavesThemAsTheApplicationKey)
{
    Preferences prefs = Loaded();
    ASSERT_TRUE(prefs.Data);
    EXPECT_TRUE(prefs.Data->isEmpty());
    EXPECT_TRUE(prefs.Value(QStringLiteral("InstantHelp"), true).toBool());
    EXPECT_TRUE(prefs.HasKey(QStringLiteral("instanthelp")));
    EXPECT_FALSE(prefs.Dirty()) << "a default read is no change";
    ASSERT_TRUE(prefs.SaveIfNeeded());
    EXPECT_FALSE(ApplicationKey()) << "nothing changed, nothing written";

    prefs.SetValue(QStringLiteral("INSTANTHELP"), true);
    EXPECT_TRUE(prefs.Dirty());
    ASSERT_TRUE(prefs.SaveIfNeeded());
    EXPECT_FALSE(prefs.Dirty());
    auto key = ApplicationKey();
    ASSERT_TRUE(key);
    EXPECT_EQ(key->DefaultValue(), kDictionary);
    EXPECT_EQ(key->ValueNames(), QStringList { QStringLiteral("InstantHelp") });
    EXPECT_EQ(key->Value(QStringLiteral("InstantHelp")), RegistryValue::Dword(1));
    EXPECT_TRUE(key->SubkeyNames().isEmpty());
}

TEST_F(PreferencesTest, EachKindOfValueHasItsRegistryFormAndReadsBack)
{
    const QDateTime when(QDate(2024, 9, 2), QTime(8, 15));
    const struct {
        const char* Name;
        QVariant Value;
        RegistryValue Stored;
        QVariant ReadBack;
    } rows[] = {
        { "yes", true, RegistryValue::Dword(1), 1 },
        { "no", false, RegistryValue::Dword(0), 0 },
        { "count", 42, RegistryValue::Dword(42), 42 },
        { "negative", -1, RegistryValue::Dword(0xFFFFFFFFu), -1 },
        { "colour", QColor(1, 2, 3), RegistryValue::Dword(0x010203), 0x010203 },
        { "fraction", 2.5, RegistryValue::String(QStringLiteral("2.5")), QStringLiteral("2.5") },
        { "date", when, RegistryValue::String(QStringLiteral("2024-09-02T08:15:00")),
            QStringLiteral("2024-09-02T08:15:00") },
        { "text", QStringLiteral("Maple Grove"), RegistryValue::String(QStringLiteral("Maple Grove")),
            QStringLiteral("Maple Grove") },
        { "bytes", QByteArray("\0\1", 2), RegistryValue::Binary(QByteArray("\0\1", 2)), QByteArray("\0\1", 2) },
    };
    Preferences prefs = Loaded();
    for (const auto& row : rows)
        prefs.SetValue(QString::fromLatin1(row.Name), row.Value);
    ASSERT_TRUE(prefs.Save());
    auto key = ApplicationKey();
    Preferences reloaded = Loaded();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(key->Value(QString::fromLatin1(row.Name)), row.Stored);
        EXPECT_EQ(reloaded.Value(QString::fromLatin1(row.Name), QVariant()), row.ReadBack);
    }
}

TEST_F(PreferencesTest, DictionariesAndArraysBecomeSubkeysAndAreReplacedWhole)
{
    const QVariantMap window { { QStringLiteral("Left"), 10 }, { QStringLiteral("Title"), QStringLiteral("Oak") } };
    const QVariantList recent { QStringLiteral("a.psc"), QStringLiteral("b.psc"), QStringLiteral("c.psc") };
    Preferences prefs = Loaded();
    prefs.SetValue(QStringLiteral("Window"), window);
    prefs.SetValue(QStringLiteral("Recent"), recent);
    prefs.SetValue(QStringLiteral("Mixed"), QVariantList { 1, QVariantMap { { QStringLiteral("x"), 2 } } });
    prefs.SetValue(QStringLiteral("Stays"), 1);
    ASSERT_TRUE(prefs.Save());

    auto key = ApplicationKey();
    auto windowKey = key->Subkey(QStringLiteral("Window"));
    auto recentKey = key->Subkey(QStringLiteral("Recent"));
    ASSERT_TRUE(windowKey && recentKey);
    EXPECT_EQ(windowKey->DefaultValue(), kDictionary);
    EXPECT_EQ(windowKey->Value(QStringLiteral("Title")), RegistryValue::String(QStringLiteral("Oak")));
    EXPECT_EQ(recentKey->DefaultValue(), kArray);
    EXPECT_EQ(recentKey->ValueNames(), (QStringList { QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2") }));
    EXPECT_EQ(recentKey->Value(QStringLiteral("2")), RegistryValue::String(QStringLiteral("c.psc")));
    EXPECT_EQ(key->Subkey(QStringLiteral("Mixed\\1"))->DefaultValue(), kDictionary);

    Preferences reloaded = Loaded();
    EXPECT_EQ(reloaded.Value(QStringLiteral("Window"), QVariant()).toMap(), window);
    EXPECT_EQ(reloaded.Value(QStringLiteral("Recent"), QVariant()).toList(), recent);
    EXPECT_EQ(reloaded.Value(QStringLiteral("Mixed"), QVariant()),
        QVariant(QVariantList { 1, QVariantMap { { QStringLiteral("x"), 2 } } }));

    // A nested key loses what its value no longer has; the top level loses nothing.
    reloaded.Data->remove(QStringLiteral("Stays"));
    reloaded.SetValue(QStringLiteral("Window"), QVariantMap { { QStringLiteral("Left"), 5 } });
    ASSERT_TRUE(reloaded.Save());
    Preferences third = Loaded();
    EXPECT_EQ(
        third.Value(QStringLiteral("Window"), QVariant()).toMap(), (QVariantMap { { QStringLiteral("Left"), 5 } }));
    EXPECT_EQ(third.Value(QStringLiteral("Stays"), QVariant()), 1);
}

TEST_F(PreferencesTest, AStoreThatIsNotADictionaryLoadsAsEmptySettings)
{
    const auto writeApplicationKey = [&](const RegistryValue& mark) {
        auto root = Store.Open(RegistryRoot::CurrentUser);
        auto key = root->AddSubkey(QStringLiteral("Software\\Quorvane\\Belltide")).Value();
        key->SetValue(QString(), mark);
        key->SetValue(QStringLiteral("InstantHelp"), RegistryValue::Dword(0));
        ASSERT_TRUE(root->Flush());
    };
    writeApplicationKey(kArray);
    EXPECT_TRUE(Loaded().Data->isEmpty());
    writeApplicationKey(kDictionary);
    EXPECT_FALSE(Loaded().Value(QStringLiteral("InstantHelp"), true).toBool());

    QFile file(Store.FileFor(RegistryRoot::CurrentUser));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{ not a store");
    file.close();
    Preferences corrupt = Loaded();
    ASSERT_TRUE(corrupt.Data);
    EXPECT_TRUE(corrupt.Data->isEmpty());
    EXPECT_TRUE(corrupt.Value(QStringLiteral("InstantHelp"), true).toBool());
}

TEST_F(PreferencesTest, TheMachineLocationUsesTheMachineRootAndUnloadedSettingsGiveDefaults)
{
    Preferences machine(Store);
    machine.CompanyName = QStringLiteral("Quorvane");
    machine.ApplicationName = QStringLiteral("Belltide");
    machine.Location = 1;
    EXPECT_EQ(machine.Value(QStringLiteral("A"), 3), 3);
    EXPECT_FALSE(machine.Data) << "a read before loading creates nothing";
    EXPECT_FALSE(machine.HasKey(QStringLiteral("A")));
    machine.SetValue(QStringLiteral("A"), 4);
    ASSERT_TRUE(machine.Save());
    EXPECT_TRUE(QFile::exists(Store.FileFor(RegistryRoot::LocalMachine)));
    EXPECT_FALSE(QFile::exists(Store.FileFor(RegistryRoot::CurrentUser)));
}

TEST_F(PreferencesTest, AnArrayElementSitsAtTheIndexItsNameGivesGapsIncluded)
{
    auto root = Store.Open(RegistryRoot::CurrentUser);
    auto key = root->AddSubkey(QStringLiteral("Software\\Quorvane\\Belltide")).Value();
    key->SetValue(QString(), kDictionary);
    auto recent = key->AddSubkey(QStringLiteral("Recent")).Value();
    recent->SetValue(QString(), kArray);
    recent->SetValue(QStringLiteral("2"), RegistryValue::String(QStringLiteral("third")));
    recent->SetValue(QStringLiteral("0"), RegistryValue::String(QStringLiteral("first")));
    recent->SetValue(QStringLiteral("999999"), RegistryValue::String(QStringLiteral("nobody wrote this")));
    auto nested = recent->AddSubkey(QStringLiteral("4")).Value();
    nested->SetValue(QString(), kDictionary);
    nested->SetValue(QStringLiteral("x"), RegistryValue::Dword(7));
    ASSERT_TRUE(root->Flush());

    const QVariantList read = Loaded().Value(QStringLiteral("Recent"), QVariant()).toList();
    ASSERT_EQ(read.size(), 5);
    EXPECT_EQ(read[0], QStringLiteral("first"));
    EXPECT_FALSE(read[1].isValid());
    EXPECT_EQ(read[2], QStringLiteral("third"));
    EXPECT_FALSE(read[3].isValid());
    EXPECT_EQ(read[4].toMap().value(QStringLiteral("x")), 7);
}

TEST_F(PreferencesTest, ASaveThatCannotCompleteFailsAndKeepsTheStoredSettings)
{
    Preferences prefs = Loaded();
    prefs.SetValue(QStringLiteral("LastSchedule"), QStringLiteral("/home/office/school.psc"));
    ASSERT_TRUE(prefs.Save());
    const QString file = Store.FileFor(RegistryRoot::CurrentUser);
    const QByteArray before = test::ReadAll(file);
    const QStringList files = test::FilesIn(Folder.path());

    const int child = test::InChildWithFileSizeLimit(before.size() + 1024, [&] {
        prefs.SetValue(QStringLiteral("Notes"), QString(64 * 1024, u'x'));
        const Status saved = prefs.Save();
        return !saved
                && saved.Error().contains(QStringLiteral("because the file would be larger than this system "
                                                         "allows."))
            ? 0
            : 1;
    });
    EXPECT_EQ(child, 0);
    EXPECT_EQ(test::ReadAll(file), before);
    EXPECT_EQ(test::FilesIn(Folder.path()), files);
}

// Two copies of the program on one store: each save writes what that copy set,
// and a default it read never covers a value another copy saved meanwhile.
TEST_F(PreferencesTest, ASaveWritesOnlyWhatThisCopySetAndLearnsTheRest)
{
    Preferences first = Loaded();
    Preferences second = Loaded();
    EXPECT_TRUE(first.Value(QStringLiteral("InstantHelp"), true).toBool());
    EXPECT_EQ(first.Value(QStringLiteral("LastSchedule"), QString()), QString());

    second.SetValue(QStringLiteral("LastSchedule"), QStringLiteral("/office/new.psc"));
    second.SetValue(QStringLiteral("InstantHelp"), false);
    ASSERT_TRUE(second.Save());
    first.SetValue(QStringLiteral("Zoom"), 2);
    ASSERT_TRUE(first.Save());

    Preferences reloaded = Loaded();
    EXPECT_EQ(reloaded.Value(QStringLiteral("LastSchedule"), QString()), QStringLiteral("/office/new.psc"));
    EXPECT_FALSE(reloaded.Value(QStringLiteral("InstantHelp"), true).toBool());
    EXPECT_EQ(reloaded.Value(QStringLiteral("Zoom"), 0), 2);
    EXPECT_EQ(first.Value(QStringLiteral("LastSchedule"), QString()), QStringLiteral("/office/new.psc"))
        << "a save also brings in what the other copy saved";
}
