#pragma once

#include "output/ScheduleRenderer.h"

#include <QWidget>

class QPainter;

namespace belltide {

class PageContext;

// The week of one class or one special, as the Schedule step shows it; when
// the school has no schedule, the text saying why.
class ScheduleWeekView : public QWidget {
    Q_OBJECT

public:
    explicit ScheduleWeekView(PageContext& context, QWidget* parent = nullptr);

    // The class or special whose week is drawn; none asks to pick one.
    void SetObject(const ScheduleContent& object);
    const ScheduleContent& Object() const { return mObject; }
    // Said in red when the school has no schedule; `several` reasons start at the top.
    void SetFailureText(const QString& text, bool several);

    void Paint(QPainter& painter, int width, int height);

    // The week shares the height it gets, each day at least two lines of
    // small text high (as the renderer fills it); a smaller pane scrolls.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PageContext& mContext;
    ScheduleContent mObject;
    QString mFailureText;
    bool mSeveralReasons = false;
};

} // namespace belltide
