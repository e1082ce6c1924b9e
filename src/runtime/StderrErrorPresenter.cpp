#include "StderrErrorPresenter.h"

#include "RuntimeErrorReport.h"

namespace belltide {

ErrorReportPresenter::Choice StderrErrorPresenter::Present(const RuntimeErrorReport& report)
{
    const QByteArray text = QByteArray(RuntimeErrorReport::kTitle) + '\n' + report.Text().toUtf8() + '\n';
    std::fwrite(text.constData(), 1, std::size_t(text.size()), mStream);
    std::fflush(mStream);
    return Choice::Quit;
}

} // namespace belltide
