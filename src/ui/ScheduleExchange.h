#pragma once

#include <QDate>

#include <functional>

class QWidget;

namespace belltide {

class ExchangeServices;
class PageContext;

// File ▸ Export and File ▸ Import Classes and Specials for one document
// window: the dialogs, then the writers and readers of the output and model
// layers. An export writes the file whole or not at all; an import changes
// nothing until its preview is confirmed, and is then one undoable edit.
class ScheduleExchange {
public:
    ScheduleExchange(PageContext& context, ExchangeServices& services, QWidget* parent);

    // True when a file was written.
    bool Export();
    // True when classes or specials were added.
    bool Import();

    // The day a term starts by default; tests pin it.
    std::function<QDate()> Today = [] { return QDate::currentDate(); };

private:
    PageContext& mContext;
    ExchangeServices& mServices;
    QWidget* mParent;
};

} // namespace belltide
