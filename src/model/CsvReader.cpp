#include "CsvReader.h"

#include <algorithm>
#include <array>

namespace belltide {

bool CsvRecord::IsBlank() const
{
    return std::all_of(Fields.begin(), Fields.end(), [](const QString& field) { return field.trimmed().isEmpty(); });
}

CsvReader::CsvReader(QStringView text, QChar delimiter)
{
    Parse(text, delimiter);
}

QChar CsvReader::GuessDelimiter(QStringView text)
{
    constexpr std::array<char16_t, 3> candidates { u',', u';', u'\t' };
    std::array<int, 3> counts {};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted)
            for (std::size_t i = 0; i < candidates.size(); ++i)
                counts[i] += c == candidates[i] ? 1 : 0;
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most == 0 ? QChar(u',') : QChar(candidates[std::size_t(most - counts.begin())]);
}

void CsvReader::Parse(QStringView text, QChar delimiter)
{
    const qsizetype n = text.size();
    std::int32_t line = 1;
    CsvRecord record { line, {} };
    QString field;
    qsizetype i = 0;
    // A line break at i (CRLF counts once); moves past it.
    const auto takeLineBreak = [&]() {
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        ++i;
        ++line;
    };
    const auto endRecord = [&]() {
        record.Fields << field;
        field.clear();
        Records.push_back(std::move(record));
        record = { line, {} };
    };
    while (i < n) {
        // One field per turn, starting at i.
        if (text[i] == u'"') {
            const std::int32_t opened = line;
            ++i;
            bool closed = false;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                if (text[i] == u'\r' || text[i] == u'\n') {
                    // Kept as LF, whatever the file's line ends.
                    field += u'\n';
                    takeLineBreak();
                    continue;
                }
                field += text[i++];
            }
            if (!closed) {
                UnclosedQuoteLine = opened;
                return;
            }
        }
        while (i < n && text[i] != delimiter && text[i] != u'\r' && text[i] != u'\n')
            field += text[i++];
        if (i == n)
            break;
        if (text[i] == delimiter) {
            record.Fields << field;
            field.clear();
            ++i;
            continue;
        }
        takeLineBreak();
        endRecord();
    }
    // A last line without a line break still counts; an empty end of file does not.
    if (!field.isEmpty() || !record.Fields.isEmpty())
        endRecord();
}

} // namespace belltide
