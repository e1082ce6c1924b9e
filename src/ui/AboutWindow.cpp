#include "AboutWindow.h"

#include "Resources.h"
#include "UrlOpener.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

namespace belltide {

namespace {

constexpr int kIconSize = 64;

} // namespace

AboutWindow::AboutWindow(const AppVersion& version, const QUrl& website, UrlOpener& opener, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , mWebsite(website)
    , mOpener(opener)
{
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowTitle(QStringLiteral("About Belltide"));

    Canvas1 = new QLabel(this);
    Canvas1->setObjectName(QStringLiteral("Canvas1"));
    Canvas1->setFixedSize(kIconSize, kIconSize);
    Canvas1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QImage icon = Resources::GetIcon(QStringLiteral("Application"));
    if (!icon.isNull()) {
        Canvas1->setPixmap(
            QPixmap::fromImage(Resources::SharpIcon(icon, QSize(kIconSize, kIconSize), devicePixelRatioF())));
    }

    StaticText1 = new QLabel(QStringLiteral("Belltide"), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    QFont nameFont = StaticText1->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    StaticText1->setFont(nameFont);
    StaticText1->setText(StaticText1->text() + QLatin1Char(' ') + version.DisplayText());

    StaticText2 = new QLabel(website.toString(), this);
    StaticText2->setObjectName(QStringLiteral("StaticText2"));
    QFont linkFont = StaticText2->font();
    linkFont.setUnderline(true);
    StaticText2->setFont(linkFont);
    StaticText2->setForegroundRole(QPalette::Link);
    StaticText2->setCursor(Qt::PointingHandCursor);
    StaticText2->installEventFilter(this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 24, 16);
    grid->setHorizontalSpacing(16);
    grid->addWidget(Canvas1, 0, 0, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(StaticText1, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(StaticText2, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    auto* close = new QAction(this);
    close->setObjectName(QStringLiteral("FileClose"));
    close->setShortcut(QKeySequence(QStringLiteral("Ctrl+W")));
    connect(close, &QAction::triggered, this, &AboutWindow::FileClose);
    addAction(close);
}

bool AboutWindow::FileClose()
{
    close();
    return true;
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StaticText2 && event->type() == QEvent::MouseButtonPress) {
        StaticText2_MouseDown();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void AboutWindow::StaticText2_MouseDown()
{
    mOpener.OpenUrl(mWebsite);
}

} // namespace belltide
