#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace belltide {

// One record of a comma-separated file and the line it starts on (from 1);
// a quoted field may run over several lines.
struct CsvRecord {
    std::int32_t Line = 0;
    QStringList Fields;

    // Every field empty or blank: a line a spreadsheet left between rows.
    bool IsBlank() const;
};

// Splits comma-separated text as RFC 4180 writes it and as spreadsheets
// actually do: quoted fields with doubled quotes and line breaks inside, CRLF,
// LF or CR line ends, a quote in the middle of an unquoted field taken as it
// is, and text after a closing quote kept rather than lost.
class CsvReader {
public:
    explicit CsvReader(QStringView text, QChar delimiter = u',');

    std::vector<CsvRecord> Records;
    // The line on which a quoted field opened and never closed; 0 when every
    // quote closed. That record and everything after it are left out.
    std::int32_t UnclosedQuoteLine = 0;

    // Comma, semicolon (spreadsheets in countries with a decimal comma) or
    // tab, whichever the first line, outside quotes, has most of; comma when
    // it has none.
    static QChar GuessDelimiter(QStringView text);

private:
    void Parse(QStringView text, QChar delimiter);
};

} // namespace belltide
