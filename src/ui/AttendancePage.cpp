#include "AttendancePage.h"

#include "AttendanceGrid.h"
#include "PageContext.h"
#include "PageSupport.h"
#include "UntaughtBar.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "undo/FieldChanges.h"
#include "undo/UntaughtAttendanceChange.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace belltide {

namespace {

constexpr int kCountColumnWidth = 80;
constexpr int kMaxCount = 5;

class CountCellDelegate : public QStyledItemDelegate {
public:
    explicit CountCellDelegate(AttendanceList& list)
        : QStyledItemDelegate(&list)
        , mList(list)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        // No selection highlight: the list only ever shows counts and titles.
        // The keyboard's current row is tinted instead, the same in every style.
        QStyleOptionViewItem plain(option);
        plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        if (option.state & QStyle::State_HasFocus) {
            QColor tint = option.palette.color(QPalette::Highlight);
            tint.setAlpha(60);
            painter->fillRect(option.rect, tint);
        }
        if (index.column() == 0)
            mList.PaintCountCell(*painter, option.rect, mList.TitleOf(index.row()));
        else
            QStyledItemDelegate::paint(painter, plain, index);
    }

private:
    AttendanceList& mList;
};

// Column 0 is drawn, not written; a screen reader gets it in words.
class AttendanceRow : public QTreeWidgetItem {
public:
    AttendanceRow(AttendanceList* list, const QString& title)
        : QTreeWidgetItem(list, { QString(), title })
    {
        setData(1, kRowObjectRole, title);
    }

    QVariant data(int column, int role) const override
    {
        if (column == 0 && role == Qt::AccessibleTextRole)
            return static_cast<const AttendanceList*>(treeWidget())
                ->SpokenCount(QTreeWidgetItem::data(1, kRowObjectRole).toString());
        if (column == 0 && role == Qt::AccessibleDescriptionRole)
            return QStringLiteral("Plus adds a time a week, minus takes one away.");
        return QTreeWidgetItem::data(column, role);
    }
};

void DrawRoundButton(QPainter& painter, int left, int top, bool plus)
{
    painter.setPen(QColor(68, 68, 68));
    painter.setBrush(QColor(136, 136, 136));
    painter.drawEllipse(QRectF(left + 0.5, top + 0.5, 11, 11));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(QPointF(left + 3, top + 6), QPointF(left + 9, top + 6));
    if (plus)
        painter.drawLine(QPointF(left + 6, top + 3), QPointF(left + 6, top + 9));
}

} // namespace

AttendanceList::AttendanceList(QWidget* parent)
    : QTreeWidget(parent)
{
    setColumnCount(2);
    setHeaderLabels({ QStringLiteral("# of Times"), QStringLiteral("Special Classes") });
    header()->resizeSection(0, kCountColumnWidth);
    header()->setStretchLastSection(true);
    header()->setSectionsMovable(false);
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::StrongFocus);
    setAllColumnsShowFocus(true);
    setItemDelegate(new CountCellDelegate(*this));
}

void AttendanceList::AddRow(const QString& title)
{
    new AttendanceRow(this, title);
}

QString AttendanceList::SpokenCount(const QString& title) const
{
    const QString classes = ChosenClasses ? ChosenClasses() : QString();
    if (classes.isEmpty())
        return title + QStringLiteral(": no class chosen");
    const int count = CountForTitle ? CountForTitle(title) : 0;
    if (count < 0)
        return title + QStringLiteral(": not the same for all ") + classes;
    return title
        + QStringLiteral(": %1 a week for ")
              .arg(count == 1 ? QStringLiteral("1 time") : QStringLiteral("%1 times").arg(count))
        + classes;
}

void AttendanceList::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)
        step = 1;
    else if (event->key() == Qt::Key_Minus || event->key() == Qt::Key_Underscore)
        step = -1;
    if (step == 0 || !currentIndex().isValid()) {
        QTreeWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (CountStepped)
        CountStepped(currentIndex().row(), step);
}

QString AttendanceList::TitleOf(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->data(1, kRowObjectRole).toString() : QString();
}

void AttendanceList::PaintCountCell(QPainter& painter, const QRect& cell, const QString& title) const
{
    const int count = CountForTitle ? CountForTitle(title) : 0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int w = cell.width();
    const int h = cell.height();
    painter.translate(cell.topLeft());
    const int top = (h - 12) / 2;
    DrawRoundButton(painter, w - 30, top, true);
    DrawRoundButton(painter, w - 12, top, false);
    painter.setPen(count < 0 ? QColor(136, 136, 136) : QColor(Qt::black));
    const QString text = count < 0 ? QStringLiteral("?") : QString::number(count);
    const int right = w - 36;
    const int baseline = int(h / 2.0 + painter.fontMetrics().ascent() / 2.0 - 1);
    painter.drawText(right - painter.fontMetrics().horizontalAdvance(text), baseline, text);
    painter.restore();
}

void AttendanceList::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (!index.isValid() || !isEnabled())
        return;
    if (ButtonZonePressed)
        ButtonZonePressed(index.row(), at.x());
}

void AttendanceList::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A quick second click is another press of the same button.
    mousePressEvent(event);
}

AttendancePage::AttendancePage(PageContext& context, QWidget* parent)
    : StepPage(parent)
    , mContext(context)
{
    mSAClassList = new QListWidget(this);
    mSAClassList->setObjectName(QStringLiteral("SAClassList"));
    mSAClassList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    mSASpecialList = new AttendanceList(this);
    mSASpecialList->setObjectName(QStringLiteral("SASpecialList"));
    mSASpecialList->setEnabled(false);
    mSASpecialList->CountForTitle = [this](const QString& title) { return SACountForSpecial(title); };
    mSASpecialList->ButtonZonePressed = [this](int row, int x) { SASpecialList_MouseDown(row, x); };
    mSASpecialList->CountStepped = [this](int row, int step) { StepCount(row, step); };
    mSASpecialList->ChosenClasses = [this] {
        const QList<QListWidgetItem*> chosen = mSAClassList->selectedItems();
        if (chosen.size() == 1)
            return chosen.first()->text();
        return chosen.isEmpty() ? QString() : QStringLiteral("%1 classes").arg(chosen.size());
    };

    mUntaughtBar = new UntaughtBar(this);
    mUntaughtBar->Chosen = [this](const QString& title, const QString& toTitle) {
        mContext.SubmitAndShow(std::make_shared<UntaughtAttendanceChange>(mContext.SchoolPtr(), title, toTitle));
    };
    mGridToggle = new QCheckBox(QStringLiteral("Show every class at once, as a &grid"), this);
    mGridToggle->setObjectName(QStringLiteral("SAGridToggle"));
    mGrid = new AttendanceGrid(this);
    mGrid->setObjectName(QStringLiteral("SAGrid"));
    mGrid->CountChosen = [this](const std::shared_ptr<Classroom>& classroom, const QString& title, int count) {
        SubmitCounts({ { classroom, count } }, title);
    };

    mListView = new QWidget(this);
    auto* lists = new QGridLayout(mListView);
    lists->setContentsMargins(0, 0, 0, 0);
    auto* classesHeading = new QLabel(QStringLiteral("Classes"), mListView);
    classesHeading->setBuddy(mSAClassList);
    lists->addWidget(classesHeading, 0, 0);
    lists->addWidget(mSAClassList, 1, 0);
    lists->addWidget(mSASpecialList, 0, 1, 2, 1);
    lists->setColumnStretch(0, 2);
    lists->setColumnStretch(1, 3);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(16, 12, 16, 10);
    page->addWidget(mUntaughtBar);
    page->addWidget(mListView, 1);
    page->addWidget(mGrid, 1);
    page->addWidget(mGridToggle);
    mGrid->hide();
    connect(mSAClassList, &QListWidget::itemSelectionChanged, this, &AttendancePage::SAClassList_Change);
    connect(mGridToggle, &QCheckBox::toggled, this, &AttendancePage::ShowGrid);
}

void AttendancePage::ShowGrid(bool grid)
{
    mListView->setVisible(!grid);
    mGrid->setVisible(grid);
    (grid ? static_cast<QWidget*>(mGrid) : mSAClassList)->setFocus(Qt::OtherFocusReason);
}

void AttendancePage::RebuildGrid()
{
    std::vector<std::shared_ptr<Classroom>> classes;
    QStringList rows;
    for (int row = 0; row < mSAClassList->count(); ++row) {
        classes.push_back(RowObject<Classroom>(mSAClassList->item(row)));
        rows << mSAClassList->item(row)->text();
    }
    QStringList titles;
    for (int row = 0; row < mSASpecialList->topLevelItemCount(); ++row)
        titles << mSASpecialList->TitleOf(row);
    mGrid->Rebuild(classes, rows, titles);
}

QWidget* AttendancePage::FirstControl() const
{
    return mGrid->isVisibleTo(this) ? static_cast<QWidget*>(mGrid) : mSAClassList;
}

void AttendancePage::Load()
{
    ReloadClassList(nullptr);
    ReloadTitles();
    mUntaughtBar->ShowFor(mContext.GetSchool());
}

void AttendancePage::Follow(Notification name, const ActionTag& tag)
{
    switch (name) {
    case Notification::ClassListChange:
    case Notification::ClassTeacherChange:
    case Notification::ClassGradeChange:
        ReloadClassList(tag.As<Classroom>());
        break;
    case Notification::SpecialListChange:
    case Notification::SpecialTitleChange:
    case Notification::SpecialTeacherChange:
        ReloadTitles();
        break;
    case Notification::SpecialAttendenceChange:
        mGrid->Refresh();
        mSASpecialList->viewport()->update();
        break;
    default:
        return;
    }
    mUntaughtBar->ShowFor(mContext.GetSchool());
}

void AttendancePage::ReloadClassList(const std::shared_ptr<Classroom>& classroom)
{
    const auto& classes = mContext.GetSchool().Classes;
    QStringList texts;
    for (const auto& c : classes)
        texts << ClassRowText(*c);
    mSAClassList->clear();
    for (std::size_t i : DisplayOrder(texts)) {
        mSAClassList->addItem(MakeRow(texts[qsizetype(i)], classes[i]));
        if (classes[i] == classroom)
            mSAClassList->setCurrentRow(mSAClassList->count() - 1, QItemSelectionModel::ClearAndSelect);
    }
    RebuildGrid();
    if (mSAClassList->selectedItems().isEmpty()) {
        mSAClassList->clearSelection();
        SAClassList_Change();
    }
}

void AttendancePage::ReloadTitles()
{
    QStringList titles;
    for (const auto& special : mContext.GetSchool().Specials)
        titles << special->Title;
    mSASpecialList->clear();
    for (const QString& title : DistinctSorted(titles))
        mSASpecialList->AddRow(title);
    RebuildGrid();
}

std::vector<std::shared_ptr<Classroom>> AttendancePage::SelectedClasses() const
{
    std::vector<std::shared_ptr<Classroom>> classes;
    for (int row = 0; row < mSAClassList->count(); ++row) {
        if (mSAClassList->item(row)->isSelected())
            classes.push_back(RowObject<Classroom>(mSAClassList->item(row)));
    }
    return classes;
}

int AttendancePage::SACountForSpecial(const QString& title) const
{
    const auto classes = SelectedClasses();
    if (classes.empty())
        return 0;
    const int first = classes.front()->AttendCount(title);
    const bool same
        = std::all_of(classes.begin(), classes.end(), [&](const auto& c) { return c->AttendCount(title) == first; });
    return same ? std::max(first, 0) : -1;
}

void AttendancePage::SAClassList_Change()
{
    mSASpecialList->setEnabled(!mSAClassList->selectedItems().isEmpty());
    mSASpecialList->viewport()->update();
}

void AttendancePage::SASpecialList_MouseDown(int row, int x)
{
    // Position within the 30-pixel button zone at the right end of the count column.
    // The zone ends with the count column: a click on a title changes nothing.
    const int zoneX = x - mSASpecialList->header()->sectionSize(0) + 30;
    if (zoneX < 0 || zoneX > 30)
        return;
    StepCount(row, zoneX < 12 ? 1 : zoneX > 18 ? -1 : 0);
}

void AttendancePage::StepCount(int row, int step)
{
    const auto classes = SelectedClasses();
    const QString title = mSASpecialList->TitleOf(row);
    if (classes.empty() || row < 0 || row >= mSASpecialList->topLevelItemCount())
        return;
    // Each class moves from its own count, so a mixed selection stays mixed.
    std::vector<std::pair<std::shared_ptr<Classroom>, int>> counts;
    counts.reserve(classes.size());
    for (const auto& classroom : classes)
        counts.emplace_back(classroom, std::clamp(classroom->AttendCount(title) + step, 0, kMaxCount));
    SubmitCounts(counts, title);
    mSASpecialList->viewport()->update();
}

// One undo step for all the counts that change; none when nothing does.
void AttendancePage::SubmitCounts(
    const std::vector<std::pair<std::shared_ptr<Classroom>, int>>& counts, const QString& title)
{
    std::shared_ptr<ActionBase> head;
    ActionBase* tail = nullptr;
    for (const auto& [classroom, count] : counts) {
        if (classroom->AttendCount(title) == count)
            continue;
        auto change = std::make_shared<SpecialAttendenceChange>(classroom, title, count, mContext.Clock());
        if (!head)
            head = change;
        else
            tail->NextAction = change;
        tail = change.get();
    }
    if (head)
        mContext.Submit(head);
}

void AttendancePage::React(Notification name, const ActionTag& tag)
{
    if (name != Notification::SpecialAttendenceChange)
        return;
    if (const auto classroom = tag.As<Classroom>())
        SelectRow(mSAClassList, classroom);
    mSASpecialList->viewport()->update();
}

} // namespace belltide
