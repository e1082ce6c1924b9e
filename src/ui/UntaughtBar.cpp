#include "UntaughtBar.h"

#include "model/Classroom.h"
#include "model/DisplayOrder.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/UntaughtAttendance.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace belltide {

UntaughtBar::UntaughtBar(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("UntaughtBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette tint = palette();
    tint.setColor(QPalette::Window, QColor(255, 244, 206));
    tint.setColor(QPalette::WindowText, Qt::black);
    setPalette(tint);

    mText = new QLabel(this);
    mText->setWordWrap(true);
    mTarget = new QComboBox(this);
    mTarget->setAccessibleName(QStringLiteral("Subject to give the counts to"));
    mReassign = new QPushButton(QStringLiteral("&Give to"), this);
    mRemove = new QPushButton(QStringLiteral("Re&move"), this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(mText, 1);
    row->addWidget(mReassign);
    row->addWidget(mTarget);
    row->addWidget(mRemove);
    connect(mReassign, &QPushButton::clicked, this, [this] {
        if (Chosen && !mTarget->currentText().isEmpty())
            Chosen(mTitle, mTarget->currentText());
    });
    connect(mRemove, &QPushButton::clicked, this, [this] {
        if (Chosen)
            Chosen(mTitle, QString());
    });
    hide();
}

void UntaughtBar::ShowFor(const School& school)
{
    const auto untaught = FindUntaughtAttendance(school);
    if (untaught.empty()) {
        mTitle.clear();
        hide();
        return;
    }
    mTitle = untaught.front().Title;
    QString text = DescribeUntaught(untaught.front());
    if (untaught.size() > 1)
        text += QStringLiteral(" (%1 more subjects like it.)").arg(untaught.size() - 1);
    mText->setText(text);
    QStringList titles;
    for (const auto& special : school.Specials)
        titles << special->Title;
    const QString kept = mTarget->currentText();
    mTarget->clear();
    mTarget->addItems(DistinctSorted(titles));
    // A subject nobody attends yet is most likely the one the counts lost
    // their way to (a renamed special); otherwise the choice stays.
    int suggested = mTarget->findText(kept);
    for (int i = 0; i < mTarget->count() && suggested < 0; ++i) {
        const QString title = mTarget->itemText(i);
        if (std::none_of(school.Classes.begin(), school.Classes.end(),
                [&](const auto& classroom) { return classroom->AttendCount(title) > 0; }))
            suggested = i;
    }
    mTarget->setCurrentIndex(std::max(suggested, 0));
    mReassign->setEnabled(mTarget->count() > 0);
    setVisible(true);
}

} // namespace belltide
