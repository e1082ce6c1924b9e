#include "UntaughtBar.h"

#include "model/DisplayOrder.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/UntaughtAttendance.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

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
    if (const int at = mTarget->findText(kept); at >= 0)
        mTarget->setCurrentIndex(at);
    mReassign->setEnabled(mTarget->count() > 0);
    setVisible(true);
}

} // namespace belltide
