#include "PdfExport.h"

#include "model/FileSaving.h"
#include "model/School.h"
#include "output/SchedulePrinting.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

namespace belltide {

Status WriteSchedulePdf(const School& school, const QStringList& only, const QString& path)
{
    std::vector<ScheduleContent> chosen;
    QStringList unknown = only;
    for (const ScheduleChoice& choice : ScheduleChoices(school)) {
        const bool wanted = only.isEmpty() || only.contains(choice.Label, Qt::CaseInsensitive);
        if (wanted)
            chosen.push_back(choice.Object);
        unknown.removeIf([&](const QString& label) { return label.compare(choice.Label, Qt::CaseInsensitive) == 0; });
    }
    if (!unknown.isEmpty())
        return Status::Fail(QStringLiteral("No class or special is called \"%1\".").arg(unknown.first()));

    // Drawn in memory first, so that a full disk cannot leave half a PDF.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    pdf.setCreator(QStringLiteral("Belltide"));
    pdf.setTitle(school.Name);
    // Points, as printers measure, so the page header's sizes read as on paper.
    pdf.setResolution(72);
    pdf.setPageLayout(QPageLayout(
        QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(36, 36, 36, 36), QPageLayout::Point));
    if (!PrintSchedules(school, chosen, pdf))
        return Status::Fail(QStringLiteral("Could not draw the schedules for \"%1\".").arg(path));
    if (const Status written = FileSaving::WriteWhole(path, bytes.data()); !written)
        return Status::Fail(FileSaving::FailureSentence(path, written.Error()));
    return Status::Ok({});
}

} // namespace belltide
