#include "ui/AppVersion.h"
#include "ui/MenuItems.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace belltide;

namespace {

QSet<QString> EnabledIn(const MenuContext& context)
{
    QSet<QString> names;
    for (const MenuDefinition& menu : MenuBarDefinition()) {
        for (const MenuItemDefinition& item : menu.Items) {
            if (MenuItemStateIn(item, context).Enabled)
                names.insert(QString::fromLatin1(item.Name));
        }
    }
    return names;
}

QSet<QString> Names(const QString& names)
{
    const QStringList list = names.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return { list.begin(), list.end() };
}

const QString kApplication = QStringLiteral("FileNewSchedule FileOpenSchedule HelpAboutBelltide HelpBelltideWebsite "
                                            "HelpEmailCustomerService HelpCheckforUpdates FileQuit ");
const QString kDocument
    = QStringLiteral("FileClose FileSave FileSaveAs FileExport FileImport FilePageSetup FilePrint ScheduleNew "
                     "ScheduleComplete ");
const QString kText = QStringLiteral("EditCut EditCopy EditPaste EditClear EditSelectAll ");

} // namespace

TEST(MenuEnabling, ItemsAreEnabledWhileWhoeverAnswersThemIsThere)
{
    const EditMenuState canUndo { { QStringLiteral("Undo Name Change"), true },
        { QStringLiteral("Can't Redo"), false } };
    struct Case {
        MenuContext Context;
        QString Enabled;
    };
    const Case cases[] = {
        // No document window: an undo state left over has no say.
        { { true, false, false, false, canUndo }, kApplication },
        { { true, false, true, false, canUndo }, kApplication + QStringLiteral("FileClose") },
        { { true, true, false, false, canUndo }, kApplication + kDocument + QStringLiteral("EditUndo") },
        { { true, true, false, true, {} }, kApplication + kDocument + kText },
        { { false, true, false, false, {} }, kDocument + QStringLiteral("FileQuit") },
    };
    for (const Case& c : cases)
        EXPECT_EQ(EnabledIn(c.Context), Names(c.Enabled)) << c.Enabled.toStdString();
}

TEST(AppVersion, IsPublishedWithTwoDigitsANumberAndShownWithoutANullBugVersion)
{
    const struct {
        AppVersion Version;
        const char* Published;
        const char* Shown;
    } cases[]
        = { { { 1, 2, 3 }, "010203", "1.2.3" }, { { 1, 2, 0 }, "010200", "1.2" }, { { 2, 10, 0 }, "021000", "2.10" },
              { { 1, 0, 2 }, "010002", "1.0.2" }, { { 12, 34, 56 }, "123456", "12.34.56" } };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Version.VersionText(), QString::fromLatin1(c.Published));
        EXPECT_EQ(c.Version.DisplayText(), QString::fromLatin1(c.Shown));
    }
}
