#include "ScheduleExchange.h"

#include "ExchangeServices.h"
#include "ExportDialog.h"
#include "ImportPreviewDialog.h"
#include "PageContext.h"
#include "model/RosterImport.h"
#include "model/School.h"
#include "output/ScheduleCalendar.h"
#include "output/ScheduleCsv.h"
#include "output/ScheduleHtml.h"
#include "undo/ImportChange.h"

namespace belltide {

ScheduleExchange::ScheduleExchange(PageContext& context, ExchangeServices& services, QWidget* parent)
    : mContext(context)
    , mServices(services)
    , mParent(parent)
{
}

bool ScheduleExchange::Export()
{
    const School& school = mContext.GetSchool();
    if (!school.Timetable) {
        mServices.Message(mParent,
            QStringLiteral("There is no schedule to export yet. The Schedule step makes one; export it from there."));
        return false;
    }
    ExportDialog dialog(school, Today(), mParent);
    if (!mServices.PresentExport(dialog))
        return false;
    const auto path = mServices.ChooseExportFile(mParent, dialog.SuggestedName(), dialog.Filter());
    if (!path)
        return false;
    Status written = Status::Ok({});
    switch (dialog.Format()) {
    case ExportFormat::Csv:
        written = ScheduleCsv::Write(school, *path);
        break;
    case ExportFormat::Calendar:
        written = ScheduleCalendar::Write(school, dialog.Request(), *path);
        break;
    case ExportFormat::Html:
        written = ScheduleHtml::Write(school, *path);
        break;
    }
    if (!written) {
        mServices.Message(mParent, written.Error());
        return false;
    }
    return true;
}

bool ScheduleExchange::Import()
{
    const auto path = mServices.ChooseImportFile(mParent);
    if (!path)
        return false;
    const auto preview = RosterImport::FromFile(*path, mContext.GetSchool());
    if (!preview) {
        mServices.Message(mParent, preview.Error());
        return false;
    }
    ImportPreviewDialog dialog(preview.Value(), mParent);
    if (!mServices.PresentImport(dialog) || preview.Value().Rows.empty())
        return false;
    mContext.SubmitAndShow(std::make_shared<ImportChange>(mContext.SchoolPtr(), preview.Value()));
    return true;
}

} // namespace belltide
