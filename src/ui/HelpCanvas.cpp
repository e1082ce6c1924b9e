#include "HelpCanvas.h"

#include "Resources.h"
#include "StepTexts.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace belltide {

HelpCanvas::HelpCanvas(QWidget* parent)
    : QWidget(parent)
    , mBeloPicture(Resources::GetIcon(QStringLiteral("Belo")))
    , mInstantHelp(new QLabel(this))
{
    setObjectName(QStringLiteral("HelpCanvas"));
    setFixedWidth(170);
    mInstantHelp->setObjectName(QStringLiteral("InstantHelp"));
    mInstantHelp->setWordWrap(true);
    mInstantHelp->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, mBeloPicture.isNull() ? 12 : mBeloPicture.height() + 8, 10, 8);
    layout->addWidget(mInstantHelp, 1);
}

void HelpCanvas::SetText(const QString& text, const QColor& colour)
{
    mInstantHelp->setText(text);
    QPalette palette = mInstantHelp->palette();
    palette.setColor(QPalette::WindowText, colour);
    mInstantHelp->setPalette(palette);
}

void HelpCanvas::ShowHelp(const QString& text)
{
    SetText(text, Qt::black);
}

void HelpCanvas::SetProblem(const QString& text)
{
    if (text == mProblem)
        return;
    mProblem = text;
    HideHelp();
}

void HelpCanvas::HideHelp()
{
    if (!mProblem.isEmpty())
        SetText(mProblem, QColor(176, 0, 32));
    else if (!mFallbackHelp.isEmpty())
        SetText(mFallbackHelp, Qt::black);
    else
        SetText(QString::fromLatin1(kDefaultHelp), QColor(128, 128, 128));
}

QString HelpCanvas::Text() const
{
    return mInstantHelp->text();
}

QColor HelpCanvas::TextColour() const
{
    return mInstantHelp->palette().color(QPalette::WindowText);
}

void HelpCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(0, 0, 0, height());
    if (!mBeloPicture.isNull())
        Resources::DrawIcon(
            painter, QRect(QPoint(width() / 2 - mBeloPicture.width() / 2, 0), mBeloPicture.size()), mBeloPicture);
}

} // namespace belltide
