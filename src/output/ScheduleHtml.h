#pragma once

#include "model/Result.h"
#include "model/TimeText.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>

namespace belltide {

class School;

struct HtmlOptions {
    // Times as the page shows them; the system's own format by default.
    std::function<QString(std::int32_t)> TimeText = ShortTime;
    // Printed under the title as when the page was made; invalid for none.
    QDateTime Made = QDateTime::currentDateTime();
};

// The whole schedule as one self-contained web page for a school's website or
// intranet: the whole school day by day (every class a row, time across),
// then every class's and every special's week in the same style, each block
// coloured by subject with a legend, the full text of a block in its tooltip.
// Styles are inline and there are no scripts, pictures or links to other
// files, so the page can be mailed or put anywhere as it is. It is also
// well-formed XML, so any parser reads it.
namespace ScheduleHtml {

QByteArray Bytes(const School& school, const HtmlOptions& options = {});
Status Write(const School& school, const QString& path, const HtmlOptions& options = {});

} // namespace ScheduleHtml
} // namespace belltide
