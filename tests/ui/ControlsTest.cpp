#include "ui/controls/AddRemoveButtons.h"
#include "ui/controls/NiceEditField.h"
#include "ui/controls/SegmentSlider.h"
#include "ui/controls/TextChoiceBox.h"
#include "ui/controls/TimeControl.h"

#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace belltide;

namespace {

using Sections = std::pair<std::vector<int>, std::vector<bool>>;

Sections SectionsOf(const SegmentSlider& slider)
{
    return { slider.SectionPoints, slider.SectionAvailability };
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private:
    // 8:10 to 15:00 over 418 pixels: one pixel a minute, x = 4 + (value - 490).
    std::unique_ptr<SegmentSlider> MakeDaySlider()
    {
        auto slider = std::make_unique<SegmentSlider>();
        slider->resize(418, 24);
        slider->SetMinimum(490);
        slider->SetMaximum(900);
        slider->StepSize = 5;
        slider->AddPoint(600, false, false);
        slider->show();
        if (!QTest::qWaitForWindowExposed(slider.get()))
            qWarning("slider not exposed");
        return slider;
    }

    static QPoint At(int value, int y) { return { 4 + (value - 490), y }; }

    // Sent directly: the offscreen platform moves no real pointer.
    static void Move(QWidget& widget, QPoint to, Qt::MouseButtons held)
    {
        QMouseEvent move(
            QEvent::MouseMove, QPointF(to), widget.mapToGlobal(QPointF(to)), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
    }
    static void Drag(SegmentSlider& slider, QPoint to) { Move(slider, to, Qt::LeftButton); }

private slots:
    void TextChoiceBoxKeepsTheTypedSpellingAndTellsTypingFromPicking()
    {
        TextChoiceBox box;
        box.ShowChoices({ QStringLiteral("2nd"), QStringLiteral("Kinder") }, QStringLiteral("2nd"));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy typed(&box, &TextChoiceBox::TextTyped);
        QSignalSpy picked(&box, &TextChoiceBox::Picked);

        box.lineEdit()->selectAll();
        QTest::keyClicks(&box, QStringLiteral("kINDER"));
        QCOMPARE(typed.count(), 6);
        QCOMPARE(typed.last().at(0).toString(), QStringLiteral("kINDER"));
        // The matching entry is current, but the text is as typed.
        QCOMPARE(box.currentIndex(), 1);
        QCOMPARE(box.currentText(), QStringLiteral("kINDER"));
        QCOMPARE(box.lineEdit()->cursorPosition(), 6);
        QCOMPARE(picked.count(), 0);

        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picked.last().at(0).toString(), QStringLiteral("2nd"));
        QCOMPARE(typed.count(), 6);

        // The program's own writes are no one's typing.
        box.ShowChoices({ QStringLiteral("K") }, QStringLiteral("k"));
        box.Clear();
        QCOMPARE(typed.count(), 6);
        QCOMPARE(picked.count(), 1);
        QCOMPARE(box.count(), 0);
        QCOMPARE(box.currentText(), QString());
    }

    void AddPointClearPointsAndReduce()
    {
        SegmentSlider slider;
        slider.SetMinimum(0);
        slider.SetMaximum(100);
        slider.AddPoint(-5, false, false);
        QCOMPARE(SectionsOf(slider), Sections({ 0, 100 }, { true }));
        slider.AddPoint(40, false, false);
        slider.AddPoint(70, true, false);
        QCOMPARE(SectionsOf(slider), Sections({ 0, 40, 70, 100 }, { true, false, true }));
        slider.AddPoint(70, false, false); // same as the section before: merged away
        QCOMPARE(SectionsOf(slider), Sections({ 0, 40, 100 }, { true, false }));
        slider.AddPoint(0, false, false); // the first section takes it, then merges with the second
        QCOMPARE(SectionsOf(slider), Sections({ 0, 100 }, { false }));
        slider.AddPoint(50, true, false);
        slider.ClearPoints();
        QCOMPARE(SectionsOf(slider), Sections({ 0, 100 }, { false }));
    }

    void InsertingATabAndDraggingDownMakesTheRestRed()
    {
        auto slider = MakeDaySlider();
        QSignalSpy changed(slider.get(), &SegmentSlider::Changed);
        QTest::mousePress(slider.get(), Qt::LeftButton, Qt::NoModifier, At(722, 12));
        QCOMPARE(slider->TabDragging, 2);
        Drag(*slider, At(722, 20));
        QCOMPARE(SectionsOf(*slider), Sections({ 490, 600, 720, 900 }, { true, false, false }));
        QCOMPARE(changed.count(), 0);
        QTest::mouseRelease(slider.get(), Qt::LeftButton, Qt::NoModifier, At(722, 20));
        QCOMPARE(SectionsOf(*slider), Sections({ 490, 600, 900 }, { true, false }));
        QCOMPARE(changed.count(), 1);
    }

    void PullingATabOffRemovesItAndBringingItBackRestoresIt()
    {
        auto slider = MakeDaySlider();
        QTest::mousePress(slider.get(), Qt::LeftButton, Qt::NoModifier, At(602, 12));
        QCOMPARE(slider->TabDragging, 1);
        Drag(*slider, At(602, -10));
        QVERIFY(slider->TabIsRemoved);
        QCOMPARE(SectionsOf(*slider), Sections({ 490, 900 }, { true }));
        Drag(*slider, At(623, 22));
        QCOMPARE(SectionsOf(*slider), Sections({ 490, 620, 900 }, { true, false }));
        QTest::mouseRelease(slider.get(), Qt::LeftButton, Qt::NoModifier, At(623, 22));
        QCOMPARE(SectionsOf(*slider), Sections({ 490, 620, 900 }, { true, false }));

        // Released outside, the tab stays off.
        QTest::mousePress(slider.get(), Qt::LeftButton, Qt::NoModifier, At(620, 12));
        Drag(*slider, At(620, 40));
        QTest::mouseRelease(slider.get(), Qt::LeftButton, Qt::NoModifier, At(620, 40));
        QCOMPARE(SectionsOf(*slider), Sections({ 490, 900 }, { true }));
    }

    void PressingOnTheMinimumDragsACopyOfIt()
    {
        auto slider = MakeDaySlider();
        QTest::mousePress(slider.get(), Qt::LeftButton, Qt::NoModifier, At(491, 12));
        QCOMPARE(slider->TabDragging, 1);
        QCOMPARE(slider->Minimum(), 490);
        Drag(*slider, At(543, 20));
        QCOMPARE(SectionsOf(*slider), Sections({ 490, 540, 600, 900 }, { true, false, false }));
        QTest::mouseRelease(slider.get(), Qt::LeftButton, Qt::NoModifier, At(543, 20));
        QCOMPARE(SectionsOf(*slider), Sections({ 490, 540, 900 }, { true, false }));
    }

    void ATabCannotPassItsNeighbours()
    {
        auto slider = MakeDaySlider();
        slider->AddPoint(700, true, false);
        QTest::mousePress(slider.get(), Qt::LeftButton, Qt::NoModifier, At(700, 12));
        Drag(*slider, At(300, 4));
        QCOMPARE(slider->SectionPoints[2], 600);
        Drag(*slider, At(890, 4));
        QCOMPARE(slider->SectionPoints[2], 890);
        Drag(*slider, At(899, 4)); // snaps down to 5-minute steps
        QCOMPARE(slider->SectionPoints[2], 895);
    }

    void DrawsBarsOnlyWhenEnabledAndLabelsTheHoveredTab()
    {
        auto slider = MakeDaySlider();
        slider->TimeForValue = [](int value) { return QStringLiteral("at %1").arg(value); };
        auto render = [&] {
            QImage image(slider->size(), QImage::Format_RGB32);
            QPainter painter(&image);
            slider->Paint(painter);
            return image;
        };
        const int bottomRow = 12 + 3;
        QImage enabled = render();
        QCOMPARE(enabled.pixelColor(At(550, 0).x(), bottomRow), QColor(0, 221, 0));
        QCOMPARE(enabled.pixelColor(At(800, 0).x(), bottomRow), QColor(221, 0, 0));
        QVERIFY(enabled.pixelColor(At(550, 0).x(), bottomRow - 1).value() < 221);

        slider->setEnabled(false);
        QImage disabled = render();
        QVERIFY(disabled.pixelColor(At(550, 0).x(), bottomRow) != QColor(0, 221, 0));
        slider->setEnabled(true);

        Move(*slider, At(603, 12), Qt::NoButton);
        QCOMPARE(slider->DisplayExactTimeOver, 1);
        Move(*slider, At(700, 12), Qt::NoButton);
        QCOMPARE(slider->DisplayExactTimeOver, -1);
    }

    void AddRemoveButtonsRaiseOnlyWhatIsEnabled()
    {
        AddRemoveButtons buttons;
        buttons.show();
        QSignalSpy add(&buttons, &AddRemoveButtons::Add);
        QSignalSpy remove(&buttons, &AddRemoveButtons::Remove);
        QTest::mouseClick(&buttons, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseClick(&buttons, Qt::LeftButton, Qt::NoModifier, QPoint(30, 10));
        QCOMPARE(add.count(), 1);
        QCOMPARE(remove.count(), 1);

        buttons.SetAddEnabled(false);
        QTest::mousePress(&buttons, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(buttons.PressedButton(), 0);
        QTest::mouseRelease(&buttons, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(add.count(), 1);

        // The pressed look follows the pointer; letting go off the control does nothing.
        buttons.SetAddEnabled(true);
        QTest::mousePress(&buttons, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(buttons.PressedButton(), 1);
        Move(buttons, QPoint(30, 10), Qt::LeftButton);
        QCOMPARE(buttons.PressedButton(), 2);
        QTest::mouseRelease(&buttons, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
        QCOMPARE(buttons.PressedButton(), 0);
        QCOMPARE(add.count(), 1);
        QCOMPARE(remove.count(), 1);
    }

    void TabbingIntoANiceEditFieldSelectsItsText()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* first = new NiceEditField(&window);
        auto* second = new NiceEditField(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        second->setText(QStringLiteral("Mrs. Doe"));
        second->setCursorPosition(2);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QSignalSpy gotFocus(second, &NiceEditField::GotFocus);
        QTest::keyClick(first, Qt::Key_Tab);
        QTRY_VERIFY(second->hasFocus());
        QCOMPARE(second->selectedText(), QStringLiteral("Mrs. Doe"));
        QCOMPARE(gotFocus.count(), 1);
        QTest::keyClicks(second, QStringLiteral("Mr. Roe"));
        QCOMPARE(second->text(), QStringLiteral("Mr. Roe"));
    }

    void TimeControlReportsProgramChangesToo()
    {
        TimeControl control;
        QSignalSpy changed(&control, &TimeControl::ValueChanged);
        control.SetMinutesValue(8 * 60 + 15);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(control.MinutesValue(), 495);
        QCOMPARE(control.Hours(), 8);
        control.SetMinutesValue(495);
        QCOMPARE(changed.count(), 1);
        control.SetMinutesValue(-30);
        QCOMPARE(control.MinutesValue(), 0);
    }
};

QTEST_MAIN(ControlsTest)
#include "ControlsTest.moc"
