#include "ui/ScheduleWeekView.h"
#include "engine/ScheduleRules.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SchoolDocument.h"
#include "model/SpecialClass.h"
#include "model/Timetable.h"
#include "output/PainterGraphics.h"
#include "output/ScheduleRenderer.h"
#include "ui/ClassesPage.h"
#include "ui/HandEdit.h"
#include "ui/HelpCanvas.h"
#include "ui/MainWindow.h"
#include "ui/SchedulePage.h"
#include "undo/FieldChanges.h"
#include "undo/ScheduleChange.h"
#include "undo/UndoManager.h"

#include <QComboBox>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <optional>

using namespace belltide;

namespace {

struct Target {
    std::int32_t Meeting = -1;
    int Day = 0;
    int Slot = 0;
    std::optional<BrokenRule> Why;
};

} // namespace

class ScheduleWeekViewTest : public QObject {
    Q_OBJECT

    std::shared_ptr<School> mSchool;
    std::unique_ptr<MainWindow> mWindow;

    SchedulePage& Page() const { return mWindow->SchedulePage(); }
    ScheduleWeekView& View() const { return *Page().mScheduleContentPane; }

    // Maple Grove with a schedule, on the Schedule step.
    void Open()
    {
        mSchool = SchoolDocument::Read(QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc")).Value();
        mWindow = std::make_unique<MainWindow>(mSchool);
        mWindow->resize(1100, 750);
        mWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mWindow.get()));
        // No test may wait on a message box: an unexpected question is a failure.
        Page().AskToUnpin = [](const QString& question) {
            qWarning("Unexpected question: %s", qPrintable(question));
            return false;
        };
        mWindow->GoToStep(5);
        QTRY_VERIFY_WITH_TIMEOUT(mSchool->Schedule && !Page().IsGenerating(), 60000);
    }

    // Shows the week of the popup's row for the class or special, and draws it.
    void Show(const std::shared_ptr<Classroom>& classroom, const std::shared_ptr<SpecialClass>& special = nullptr)
    {
        for (std::size_t row = 0; row < Page().mPreviewObjects.size(); ++row) {
            const ScheduleContent& object = Page().mPreviewObjects[row];
            if ((classroom && object.Classroom == classroom) || (special && object.Special == special))
                Page().mSchedulePreview->setCurrentIndex(int(row));
        }
        View().repaint();
        QVERIFY(!View().mBoxes.empty());
    }

    std::vector<std::int32_t> ShownMeetings() const
    {
        std::vector<std::int32_t> meetings;
        for (const DrawnBox& box : View().mBoxes) {
            if (box.Meeting >= 0 && (meetings.empty() || meetings.back() != box.Meeting))
                meetings.push_back(box.Meeting);
        }
        return meetings;
    }

    // The first move of a meeting shown in the week that `wanted` accepts,
    // with the rules' verdict on it.
    std::optional<Target> Find(const std::function<bool(const Target&)>& wanted) const
    {
        const auto edit = HandEdit::For(*mSchool);
        for (std::int32_t meeting : ShownMeetings()) {
            for (int day = 0; day < 5; ++day) {
                for (int slot = 0; slot + edit->Duration(meeting) <= edit->SlotsPerDay(); ++slot) {
                    const Target target { meeting, day, slot, edit->WhyNot(meeting, day, slot) };
                    if (wanted(target))
                        return target;
                }
            }
        }
        return std::nullopt;
    }

    const Meeting& At(std::int32_t meeting) const { return mSchool->Timetable->Meetings[std::size_t(meeting)]; }

    int SlotOf(const Meeting& meeting) const { return (meeting.Start - mSchool->DayStartAt) / 5; }

    void Drag(std::int32_t meeting, int day, int slot)
    {
        ScheduleWeekView& view = View();
        const QRect from = view.MeetingRect(meeting);
        QVERIFY(!from.isEmpty());
        const QPoint grab(from.x() + 3, from.y() + from.height() / 2);
        const QPoint to = view.SlotPoint(day, slot) + QPoint(3, view.mHourHeight / 2);
        QTest::mousePress(&view, Qt::LeftButton, {}, grab);
        // Far enough to start a drag wherever the target is.
        QTest::mouseMove(&view, grab + QPoint(0, grab.y() > view.height() / 2 ? -40 : 40));
        QTest::mouseMove(&view, to);
        QVERIFY(view.mDrag && view.mDrag->Moving);
        QCOMPARE(view.mDrag->Day, day);
        QCOMPARE(view.mDrag->Slot, slot);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
    }

    QString HelpText() const { return mWindow->findChild<HelpCanvas*>()->Text(); }

private slots:
    void init() { Open(); }
    void cleanup() { mWindow.reset(); }

    void AnAllowedDragLandsPinnedAndUndoRestoresTheExactPlacement()
    {
        Show(mSchool->Classes.front());
        const auto target = Find([&](const Target& t) {
            return !t.Why && At(t.Meeting).Special && (t.Day != At(t.Meeting).Day || t.Slot != SlotOf(At(t.Meeting)));
        });
        QVERIFY(target);
        const auto before = mSchool->Timetable;
        const Meeting original = At(target->Meeting);
        Drag(target->Meeting, target->Day, target->Slot);

        const Meeting& moved = At(target->Meeting);
        QCOMPARE(moved.Day, target->Day);
        QCOMPARE(moved.Start, mSchool->DayStartAt + 5 * target->Slot);
        QCOMPARE(moved.Special, original.Special);
        QVERIFY(moved.Pinned);
        QCOMPARE(moved.By, MadeBy::Hand);
        QCOMPARE(mSchool->Timetable->Meetings.size(), before->Meetings.size());
        QCOMPARE(mWindow->UndoManager().UndoText(), QStringLiteral("Undo Move ") + original.Special->Title);
        // The keeper leaves a hand edit as it was made, and the grid shows it.
        View().repaint();
        QCOMPARE(View().MeetingRect(target->Meeting).topLeft(), View().SlotPoint(target->Day, target->Slot));
        const auto after = mSchool->Timetable;

        mWindow->UndoManager().Undo();
        QCOMPARE(mSchool->Timetable, before);
        QVERIFY(At(target->Meeting) == original);
        mWindow->UndoManager().Redo();
        QCOMPARE(mSchool->Timetable, after);
    }

    void ALunchDraggedByItsRecessTakesItAlong()
    {
        Show(mSchool->Classes.front());
        const auto target = Find([&](const Target& t) {
            return !t.Why && !At(t.Meeting).Special && (t.Day != At(t.Meeting).Day || t.Slot != SlotOf(At(t.Meeting)));
        });
        QVERIFY(target);
        // Grab the recess box, the one after the lunch's.
        const DrawnBox* recess = nullptr;
        const auto& boxes = View().mBoxes;
        for (std::size_t b = 1; b < boxes.size(); ++b) {
            if (boxes[b].Meeting == target->Meeting && boxes[b - 1].Meeting == target->Meeting)
                recess = &boxes[b];
        }
        QVERIFY(recess);
        const QRect lunch = View().MeetingRect(target->Meeting);
        const QPoint grab(recess->X + 2, recess->Y + 5);
        const QPoint to = View().SlotPoint(target->Day, target->Slot) + QPoint(grab.x() - lunch.x(), 5);
        QTest::mousePress(&View(), Qt::LeftButton, {}, grab);
        QTest::mouseMove(&View(), grab + QPoint(0, grab.y() > View().height() / 2 ? -40 : 40));
        QTest::mouseMove(&View(), to);
        QTest::mouseRelease(&View(), Qt::LeftButton, {}, to);
        QCOMPARE(At(target->Meeting).Day, target->Day);
        QCOMPARE(SlotOf(At(target->Meeting)), target->Slot);
        QCOMPARE(mWindow->UndoManager().UndoText(), QStringLiteral("Undo Move Lunch"));
        View().repaint();
        const QRect now = View().MeetingRect(target->Meeting);
        bool recessFollows = false;
        for (const DrawnBox& box : View().mBoxes)
            recessFollows |= box.Meeting == target->Meeting && std::abs(box.X - (now.x() + now.width())) <= 1;
        QVERIFY(recessFollows);
    }

    void EveryKindOfForbiddenDropIsRefusedWithItsReason_data()
    {
        QTest::addColumn<int>("rule");
        QTest::newRow("class busy") << int(Rule::ClassBusy);
        QTest::newRow("special busy") << int(Rule::SpecialBusy);
        QTest::newRow("twice a day") << int(Rule::TwiceADay);
        QTest::newRow("special away") << int(Rule::SpecialTime);
        QTest::newRow("class's own day") << int(Rule::ClassDay);
        QTest::newRow("lunch period") << int(Rule::LunchPeriod);
        QTest::newRow("lunchroom full") << int(Rule::LunchroomFull);
    }

    void EveryKindOfForbiddenDropIsRefusedWithItsReason()
    {
        QFETCH(int, rule);
        std::optional<Target> target;
        for (const auto& classroom : mSchool->Classes) {
            Show(classroom);
            target = Find([&](const Target& t) { return t.Why && int(t.Why->Rule) == rule; });
            if (target)
                break;
        }
        QVERIFY2(target, "the example school has such a move");
        const auto before = mSchool->Timetable;
        const QString undo = mWindow->UndoManager().UndoText();
        Drag(target->Meeting, target->Day, target->Slot);
        QCOMPARE(mSchool->Timetable, before);
        QCOMPARE(mWindow->UndoManager().UndoText(), undo);
        QCOMPARE(HelpText(), target->Why->Words);
        QVERIFY(!HelpText().isEmpty());

        // Escape gives a drag up, allowed or not.
        const QRect from = View().MeetingRect(target->Meeting);
        QTest::mousePress(&View(), Qt::LeftButton, {}, from.center());
        QTest::mouseMove(&View(), from.center() + QPoint(0, from.center().y() > View().height() / 2 ? -60 : 60));
        QVERIFY(View().mDrag && View().mDrag->Moving);
        QTest::keyClick(&View(), Qt::Key_Escape);
        QTest::mouseRelease(&View(), Qt::LeftButton, {}, from.center());
        QCOMPARE(mSchool->Timetable, before);
    }

    void ASpecialsWeekMovesItsClasses()
    {
        const auto music = *std::find_if(mSchool->Specials.begin(), mSchool->Specials.end(),
            [](const auto& special) { return special->Title == QStringLiteral("Music"); });
        Show(nullptr, music);
        const auto target = Find(
            [&](const Target& t) { return !t.Why && (t.Day != At(t.Meeting).Day || t.Slot != SlotOf(At(t.Meeting))); });
        QVERIFY(target);
        Drag(target->Meeting, target->Day, target->Slot);
        QCOMPARE(At(target->Meeting).Special, music);
        QCOMPARE(SlotOf(At(target->Meeting)), target->Slot);
        QCOMPARE(mWindow->UndoManager().UndoText(), QStringLiteral("Undo Move Music"));
    }

    void KeysWalkMovePinAndAnnounceMeetings()
    {
        Show(mSchool->Classes.front());
        ScheduleWeekView& view = View();
        view.setFocus();
        const auto shown = ShownMeetings();
        QTest::keyClick(&view, Qt::Key_Tab);
        QCOMPARE(view.CurrentMeeting(), shown[0]);
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(view.CurrentMeeting(), shown[1]);
        QTest::keyClick(&view, Qt::Key_Left);
        QCOMPARE(view.CurrentMeeting(), shown[0]);
        const Meeting& first = At(shown[0]);
        const QString name = view.accessibleName();
        QVERIFY2(name.startsWith(first.Special ? first.Special->Title : QStringLiteral("Lunch")), qPrintable(name));
        QVERIFY2(name.contains(first.Class->Grade) && name.contains(QStringLiteral("Monday"))
                && name.contains(QRegularExpression(QStringLiteral("\\d:\\d\\d.*-.*\\d:\\d\\d"))),
            qPrintable(name));

        // P pins and unpins, each one undoable action.
        view.SetCurrentMeeting(shown[0]);
        const bool pinned = At(shown[0]).Pinned;
        QTest::keyClick(&view, Qt::Key_P);
        QCOMPARE(At(shown[0]).Pinned, !pinned);
        QCOMPARE(mWindow->UndoManager().UndoText(), pinned ? QStringLiteral("Undo Unpin") : QStringLiteral("Undo Pin"));
        QTest::keyClick(&view, Qt::Key_Space);
        QCOMPARE(At(shown[0]).Pinned, pinned);
        mWindow->UndoManager().Undo();
        QCOMPARE(At(shown[0]).Pinned, !pinned);

        // Ctrl+arrows move by 5 minutes or a day, judged like a drop.
        std::optional<Target> later;
        for (const auto& classroom : mSchool->Classes) {
            Show(classroom);
            later = Find([&](const Target& t) {
                return !t.Why && t.Day == At(t.Meeting).Day && t.Slot == SlotOf(At(t.Meeting)) + 1;
            });
            if (later)
                break;
        }
        QVERIFY(later);
        view.SetCurrentMeeting(later->Meeting);
        const int slot = SlotOf(At(later->Meeting));
        QTest::keyClick(&view, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(SlotOf(At(later->Meeting)), slot + 1);
        QVERIFY(At(later->Meeting).Pinned);
        QVERIFY(view.accessibleName().endsWith(QStringLiteral("pinned")));

        const auto refused = Find([&](const Target& t) {
            return t.Why && t.Day == At(t.Meeting).Day + 1 && t.Slot == SlotOf(At(t.Meeting));
        });
        QVERIFY(refused);
        view.SetCurrentMeeting(refused->Meeting);
        const auto before = mSchool->Timetable;
        QTest::keyClick(&view, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(mSchool->Timetable, before);
        QCOMPARE(HelpText(), refused->Why->Words);
    }

    void TheMenuPinsAndHandsAMeetingToAFreeTeacherOfTheSubject()
    {
        std::optional<std::pair<std::int32_t, std::int32_t>> found;
        for (const auto& classroom : mSchool->Classes) {
            Show(classroom);
            const auto edit = HandEdit::For(*mSchool);
            for (std::int32_t meeting : ShownMeetings()) {
                for (const auto& [special, free] : edit->OtherTeachers(meeting)) {
                    if (free && !found)
                        found.emplace(meeting, special);
                }
            }
            if (found)
                break;
        }
        QVERIFY(found);
        const std::int32_t meeting = found->first;
        const Meeting original = At(meeting);
        // The example school has two P.E. teachers and two computer labs.
        const QString subject = original.Special->Title;
        QVERIFY(subject == QStringLiteral("P.E.") || subject == QStringLiteral("Computer Lab"));
        const QString other = HandEdit::For(*mSchool)->TeacherOf(found->second);
        QVERIFY(!other.isEmpty() && other != original.Special->Teacher);
        auto menu = View().MeetingMenu(meeting);
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text();
        QCOMPARE(texts,
            (QStringList { original.Pinned ? QStringLiteral("Unpin") : QStringLiteral("Pin"), QString(),
                QStringLiteral("Move to ") + other }));
        const auto before = mSchool->Timetable;
        menu->actions().last()->trigger();
        QCOMPARE(At(meeting).Special->Teacher, other);
        QVERIFY(At(meeting).Pinned);
        QVERIFY(At(meeting).Day == original.Day && At(meeting).Start == original.Start);
        QCOMPARE(mWindow->UndoManager().UndoText(), QStringLiteral("Undo Change %1 Teacher").arg(subject));
        // The first teacher is the free one now.
        menu = View().MeetingMenu(meeting);
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("Unpin"));
        QVERIFY(menu->actions().last()->text() == QStringLiteral("Move to ") + original.Special->Teacher);
        mWindow->UndoManager().Undo();
        QCOMPARE(mSchool->Timetable, before);
        menu = View().MeetingMenu(meeting);
        menu->actions().first()->trigger();
        QCOMPARE(mWindow->UndoManager().UndoText(),
            original.Pinned ? QStringLiteral("Undo Unpin") : QStringLiteral("Undo Pin"));
    }

    void PinsSurviveNewScheduleAndComplete()
    {
        Show(mSchool->Classes.front());
        const auto target = Find([&](const Target& t) {
            return !t.Why && At(t.Meeting).Special && (t.Day != At(t.Meeting).Day || t.Slot != SlotOf(At(t.Meeting)));
        });
        QVERIFY(target);
        Drag(target->Meeting, target->Day, target->Slot);
        const Meeting pinned = At(target->Meeting);
        const auto kept = [&] {
            return std::count_if(mSchool->Timetable->Meetings.begin(), mSchool->Timetable->Meetings.end(),
                       [&](const Meeting& m) { return m.SamePlace(pinned) && m.Pinned; })
                == 1;
        };
        QTest::mouseClick(Page().mNewScheduleButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!Page().IsGenerating(), 60000);
        QCOMPARE(mWindow->UndoManager().UndoText(), QStringLiteral("Undo New Schedule"));
        QVERIFY(kept());

        // Take out a meeting that is not pinned: Complete has one to place.
        auto fewer = std::make_shared<Timetable>(*mSchool->Timetable);
        const auto loose
            = std::find_if(fewer->Meetings.begin(), fewer->Meetings.end(), [](const Meeting& m) { return !m.Pinned; });
        fewer->Meetings.erase(loose);
        mWindow->UndoManager().Add(std::make_shared<ScheduleChange>(mSchool, fewer, QStringLiteral("Remove")));
        Page().RefreshBar();
        QCOMPARE(Page().MissingMeetings(), 1);
        QTest::mouseClick(Page().mBarComplete, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!Page().IsGenerating(), 60000);
        QCOMPARE(Page().MissingMeetings(), 0);
        QVERIFY(kept());
    }

    void APinAnEditMadeImpossibleIsNamedAndLetGoOnlyWithConsent()
    {
        // Pin the class's latest meeting, then end the class's day when it starts.
        const auto classroom = mSchool->Classes.front();
        Show(classroom);
        std::int32_t latest = -1;
        for (std::int32_t m : ShownMeetings()) {
            if (At(m).Special && (latest < 0 || At(m).Start > At(latest).Start))
                latest = m;
        }
        View().SetCurrentMeeting(latest);
        View().setFocus();
        QTest::keyClick(&View(), Qt::Key_P);
        const Meeting pinned = At(latest);
        QVERIFY(pinned.Pinned);
        mWindow->UndoManager().Add(std::make_shared<ClassTimeChange>(classroom, false, pinned.Start));
        QVERIFY(std::any_of(mSchool->Timetable->Dropped.begin(), mSchool->Timetable->Dropped.end(),
            [&](const Meeting& m) { return m.SamePlace(pinned) && m.Pinned; }));

        QStringList asked;
        bool consent = false;
        Page().AskToUnpin = [&](const QString& question) {
            asked << question;
            return consent;
        };
        const auto edited = mSchool->Timetable;
        Page().NewSchedule();
        QVERIFY(!Page().IsGenerating());
        QCOMPARE(mSchool->Timetable, edited);
        QCOMPARE(asked.size(), 1);
        const QString named = pinned.Special->Title + QStringLiteral(" for ") + classroom->Grade;
        QVERIFY2(asked[0].contains(named) && asked[0].contains(QStringLiteral("would not fit in the day")),
            qPrintable(asked[0]));

        consent = true;
        Page().CompleteSchedule();
        QTRY_VERIFY_WITH_TIMEOUT(!Page().IsGenerating(), 60000);
        QCOMPARE(asked.size(), 2);
        QCOMPARE(Page().MissingMeetings(), 0);
        QVERIFY(std::none_of(mSchool->Timetable->Meetings.begin(), mSchool->Timetable->Meetings.end(),
            [&](const Meeting& m) { return m.Class == classroom && m.Pinned; }));
    }

    void PinsAreDrawnOnScreenAndOnPaperOnlyWhenAsked()
    {
        Show(mSchool->Classes.front());
        const std::int32_t meeting = ShownMeetings().front();
        View().SetCurrentMeeting(meeting);
        View().setFocus();
        if (!At(meeting).Pinned)
            QTest::keyClick(&View(), Qt::Key_P);
        const auto reddish = [&](bool pins) {
            QImage image(900, 400, QImage::Format_RGB32);
            QPainter painter(&image);
            PainterGraphics surface(painter, 900, 400);
            LandscapeScheduleRenderer renderer;
            renderer.Graphics = &surface;
            renderer.PageWidth = 900;
            renderer.PageHeight = 400;
            renderer.DrawHeader = false;
            renderer.DrawPins = pins;
            renderer.Render(*mSchool, mSchool->Classes.front(), nullptr);
            painter.end();
            const auto box = std::find_if(
                renderer.Boxes.begin(), renderer.Boxes.end(), [&](const DrawnBox& b) { return b.Meeting == meeting; });
            int count = 0;
            for (int x = box->X + box->Width - 10; x < box->X + box->Width; ++x) {
                for (int y = box->Y; y < box->Y + 10; ++y) {
                    const QColor c = image.pixelColor(x, y);
                    count += c.red() > 150 && c.green() < 80 ? 1 : 0;
                }
            }
            return box->Pinned ? count : -1;
        };
        QCOMPARE(reddish(false), 0);
        QVERIFY(reddish(true) > 10);
    }
};

QTEST_MAIN(ScheduleWeekViewTest)
#include "ScheduleWeekViewTest.moc"
