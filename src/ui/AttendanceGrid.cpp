#include "AttendanceGrid.h"

#include "model/Classroom.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace belltide {

namespace {

constexpr int kMaxCount = 5;

} // namespace

AttendanceGrid::AttendanceGrid(QWidget* parent)
    : QTableWidget(parent)
{
    // Counts are typed straight into the cell: an editor would make every
    // change two keystrokes and let any text in.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setToolTip(QStringLiteral("Type 0 to 5, or + and -, to change how many times a week a class attends."));
}

void AttendanceGrid::Rebuild(
    const std::vector<std::shared_ptr<Classroom>>& classes, const QStringList& rowTexts, const QStringList& titles)
{
    const QModelIndex current = currentIndex();
    mClasses = classes;
    mTitles = titles;
    clear();
    setRowCount(int(classes.size()));
    setColumnCount(int(titles.size()));
    setVerticalHeaderLabels(rowTexts);
    setHorizontalHeaderLabels(titles);
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            setItem(row, column, item);
        }
    }
    Refresh();
    if (current.isValid() && current.row() < rowCount() && current.column() < columnCount())
        setCurrentCell(current.row(), current.column());
    else if (rowCount() > 0 && columnCount() > 0)
        setCurrentCell(0, 0);
}

void AttendanceGrid::Refresh()
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            const int count = mClasses[std::size_t(row)]->AttendCount(mTitles[column]);
            QTableWidgetItem* cell = item(row, column);
            cell->setText(QString::number(count));
            cell->setForeground(
                count == 0 ? palette().color(QPalette::Disabled, QPalette::Text) : palette().color(QPalette::Text));
            cell->setData(Qt::AccessibleTextRole,
                QStringLiteral("%1, %2: %3 a week")
                    .arg(verticalHeaderItem(row)->text(), mTitles[column],
                        count == 1 ? QStringLiteral("1 time") : QStringLiteral("%1 times").arg(count)));
        }
    }
}

std::shared_ptr<Classroom> AttendanceGrid::ClassAt(int row) const
{
    return row >= 0 && row < int(mClasses.size()) ? mClasses[std::size_t(row)] : nullptr;
}

QString AttendanceGrid::TitleAt(int column) const
{
    return column >= 0 && column < mTitles.size() ? mTitles[column] : QString();
}

void AttendanceGrid::keyPressEvent(QKeyEvent* event)
{
    const auto classroom = ClassAt(currentRow());
    const QString title = TitleAt(currentColumn());
    if (!classroom || title.isEmpty()) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    const int count = classroom->AttendCount(title);
    int wanted = count;
    const QString text = event->text();
    if (text.size() == 1 && text[0].isDigit())
        // A count past 5 is refused rather than cut down to one nobody typed.
        wanted = text[0].digitValue() <= kMaxCount ? text[0].digitValue() : count;
    else if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)
        wanted = std::min(count + 1, kMaxCount);
    else if (event->key() == Qt::Key_Minus || event->key() == Qt::Key_Underscore)
        wanted = std::max(count - 1, 0);
    else if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        wanted = 0;
    else {
        QTableWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (wanted != count && CountChosen)
        CountChosen(classroom, title, wanted);
}

} // namespace belltide
