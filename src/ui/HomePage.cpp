#include "HomePage.h"

#include "Resources.h"
#include "StepLinks.h"
#include "StepTexts.h"

#include <QGridLayout>
#include <QShortcut>

namespace belltide {

namespace {

struct HomeEntry {
    const char* Title;
    const char* Description;
    char Accelerator;
};

constexpr HomeEntry kEntries[5] = {
    { "School Information", "Edit information about your school, such as when the day starts and ends.", 'S' },
    { "Classes", "Add or remove classes, and edit information about classes such as teachers and grades.", 'C' },
    { "Special Classes",
        "Add or remove special classes, such as PE, Art, or Music, and edit information about classes such as teachers "
        "and availability.",
        'P' },
    { "Special Class Attendance", "Select how often classes attend each special class.", 'A' },
    { "Schedule", "Create, view, and print schedules for individual classes, special classes, and the entire school.",
        'D' },
};

// The accelerator letter underlined, as a menu shows it.
QString WithAccelerator(const QString& title, char letter)
{
    const qsizetype at = title.indexOf(QLatin1Char(letter), 0, Qt::CaseInsensitive);
    if (at < 0)
        return title.toHtmlEscaped();
    return title.left(at).toHtmlEscaped() + QStringLiteral("<u>") + title.mid(at, 1) + QStringLiteral("</u>")
        + title.mid(at + 1).toHtmlEscaped();
}

} // namespace

HomePage::HomePage(QWidget* parent)
    : StepPage(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 12, 24, 12);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(0);
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);
    for (int i = 0; i < 5; ++i) {
        const int step = i + 1;
        const HomeEntry& entry = kEntries[i];
        auto* picture
            = new StepPicture(step, Resources::GetIcon(QString::fromLatin1(TextForStep(step).Icon)), 48, this);
        picture->setObjectName(QStringLiteral("HomeCanvases%1").arg(i));
        picture->setAccessibleName(QString::fromLatin1(entry.Title));
        picture->setAccessibleDescription(QString::fromLatin1(entry.Description));
        auto* title = new StepLabel(step, WithAccelerator(QString::fromLatin1(entry.Title), entry.Accelerator), this);
        title->setObjectName(QStringLiteral("HomeLabels%1").arg(2 * i));
        title->setTextFormat(Qt::RichText);
        auto* description = new StepLabel(step, QString::fromLatin1(entry.Description), this);
        description->setObjectName(QStringLiteral("HomeLabels%1").arg(2 * i + 1));
        description->setFont(small);
        mHomeCanvases[std::size_t(i)] = picture;
        mHomeLabels[std::size_t(2 * i)] = title;
        mHomeLabels[std::size_t(2 * i + 1)] = description;

        grid->addWidget(picture, 2 * i, 0, 2, 1, Qt::AlignTop);
        grid->addWidget(title, 2 * i, 1, Qt::AlignBottom);
        grid->addWidget(description, 2 * i + 1, 1, Qt::AlignTop);
        grid->setRowMinimumHeight(2 * i, 22);
        grid->setRowMinimumHeight(2 * i + 1, 34);

        for (QObject* link :
            { static_cast<QObject*>(picture), static_cast<QObject*>(title), static_cast<QObject*>(description) }) {
            if (auto* p = qobject_cast<StepPicture*>(link)) {
                connect(p, &StepPicture::Clicked, this, &HomePage::StepChosen);
                connect(p, &StepPicture::Hovered, this, &HomePage::Underline);
            } else if (auto* l = qobject_cast<StepLabel*>(link)) {
                connect(l, &StepLabel::Clicked, this, &HomePage::StepChosen);
                connect(l, &StepLabel::Hovered, this, &HomePage::Underline);
            }
        }
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(entry.Accelerator)), this);
        connect(shortcut, &QShortcut::activated, this, [this, step] { emit StepChosen(step); });
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(10, 1);
}

void HomePage::Underline(int step, bool underlined)
{
    const int i = step - 1;
    mHomeLabels[std::size_t(2 * i)]->SetUnderlined(underlined);
    mHomeLabels[std::size_t(2 * i + 1)]->SetUnderlined(underlined);
}

} // namespace belltide
