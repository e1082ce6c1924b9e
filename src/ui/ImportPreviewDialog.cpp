#include "ImportPreviewDialog.h"

#include "model/Classroom.h"
#include "model/RosterPreview.h"
#include "model/SpecialClass.h"
#include "model/TimeText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace belltide {

namespace {

QString Minutes(std::int32_t minutes)
{
    return QStringLiteral("%1 min").arg(minutes);
}

QStringList Cells(const RosterRow& row)
{
    const QString line = QString::number(row.Line);
    if (row.Class) {
        const Classroom& c = *row.Class;
        return { line, c.Grade, c.Teacher, QString::number(c.NumberOfStudents), ShortTime(c.DayStart),
            ShortTime(c.DayEnd) };
    }
    const SpecialClass& s = *row.Special;
    return { line, s.Title, s.Teacher, Minutes(s.Duration), Minutes(s.OverlapTime),
        s.MaxStudents > 0 ? QString::number(s.MaxStudents) : QStringLiteral("no limit") };
}

} // namespace

ImportPreviewDialog::ImportPreviewDialog(const RosterPreview& preview, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Import Classes and Specials"));
    const bool classes = preview.Kind == RosterKind::Classes;
    QStringList about { preview.FileName + QStringLiteral(": ") + preview.Summary() };
    about << preview.Notes;
    Summary = new QLabel(about.join(u'\n'), this);
    Summary->setWordWrap(true);
    Summary->setTextFormat(Qt::PlainText);

    Rows = new QTableWidget(int(preview.Rows.size()), 6, this);
    Rows->setObjectName(QStringLiteral("ImportRows"));
    Rows->setHorizontalHeaderLabels(classes
            ? QStringList { QStringLiteral("Line"), QStringLiteral("Grade"), QStringLiteral("Teacher"),
                QStringLiteral("Students"), QStringLiteral("Day Start"), QStringLiteral("Day End") }
            : QStringList { QStringLiteral("Line"), QStringLiteral("Subject"), QStringLiteral("Teacher"),
                QStringLiteral("Length"), QStringLiteral("Passing Time"), QStringLiteral("Most Students") });
    Rows->verticalHeader()->hide();
    Rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int r = 0; r < int(preview.Rows.size()); ++r) {
        const QStringList cells = Cells(preview.Rows[std::size_t(r)]);
        for (int c = 0; c < int(cells.size()); ++c)
            Rows->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    Rows->resizeColumnsToContents();

    Messages = new QListWidget(this);
    Messages->setObjectName(QStringLiteral("ImportMessages"));
    for (const RosterMessage& message : preview.Messages)
        Messages->addItem(message.Text);
    auto* messagesCaption = new QLabel(QStringLiteral("Lines left out:"), this);
    messagesCaption->setBuddy(Messages);
    messagesCaption->setVisible(!preview.Messages.empty());
    Messages->setVisible(!preview.Messages.empty());

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* import = Buttons->button(QDialogButtonBox::Ok);
    import->setText(QStringLiteral("Import"));
    import->setEnabled(!preview.Rows.empty());

    auto* column = new QVBoxLayout(this);
    column->addWidget(Summary);
    column->addWidget(Rows, 3);
    column->addWidget(messagesCaption);
    column->addWidget(Messages, 1);
    column->addWidget(Buttons);
    resize(640, 420);

    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

} // namespace belltide
