#pragma once

#include "runtime/ErrorReportPresenter.h"
#include "runtime/RuntimeErrorReport.h"

#include <QByteArray>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace belltide::test {

// Keeps every report and answers each with the same choice.
class RecordingPresenter : public ErrorReportPresenter {
public:
    explicit RecordingPresenter(Choice answer = Choice::Continue)
        : mAnswer(answer)
    {
    }
    Choice Present(const RuntimeErrorReport& report) override
    {
        Reports.push_back(report);
        return mAnswer;
    }

    std::vector<RuntimeErrorReport> Reports;

private:
    Choice mAnswer;
};

QByteArray Bytes(std::initializer_list<int> values);
QByteArray U32(std::uint32_t value);
std::uint32_t U32At(const QByteArray& bytes, qsizetype offset);

} // namespace belltide::test
