#include "model/ClockReading.h"
#include "model/CsvReader.h"
#include "model/TextDecoding.h"

#include <gtest/gtest.h>

#include <optional>

using namespace belltide;
using namespace Qt::Literals::StringLiterals;

namespace {

using Valid = std::pair<const char*, std::int32_t>;

template <typename Reader, std::size_t N>
void ExpectReads(Reader read, const Valid (&valid)[N], std::initializer_list<const char*> invalid)
{
    for (const auto& [text, expected] : valid)
        EXPECT_EQ(read(QString::fromUtf8(text)), expected) << text;
    for (const char* text : invalid)
        EXPECT_EQ(read(QString::fromUtf8(text)), std::nullopt) << text;
}

TEST(ClockReading, TimesOfDayInTheFormsPeopleAndSpreadsheetsWrite)
{
    // Without AM or PM the clock is a 24-hour one: "2:30" is not guessed to be afternoon.
    const Valid valid[] = { { "8:30", 510 }, { "08:30", 510 }, { " 9:05 ", 545 }, { "8:30 AM", 510 }, { "8:30am", 510 },
        { "2:30p", 870 }, { "2:30 p.m.", 870 }, { "12:00 PM", 720 }, { "12:15 am", 15 }, { "8 AM", 480 },
        { "3pm", 900 }, { "14:30", 870 }, { "14:30:00", 870 }, { "08:30:00 AM", 510 }, { "8.30", 510 },
        { "2:30", 150 } };
    ExpectReads(ClockReading::TimeOfDay, valid,
        { "", "8", "25:00", "24:00", "8:60", "13:00 PM", "0:30 am", "8:30:15", "8:3", "-8:00", "8:30 XM", "noon" });
}

TEST(ClockReading, LengthsAndCounts)
{
    const Valid lengths[]
        = { { "45", 45 }, { "45 min", 45 }, { "45 Minutes", 45 }, { "45m", 45 }, { " 30 mins ", 30 }, { "1:15", 75 } };
    ExpectReads(ClockReading::Minutes, lengths, { "", "-5", "4.5", "1:75", "45 hours" });
    const Valid counts[] = { { "24", 24 }, { " 7 ", 7 }, { "0", 0 } };
    ExpectReads(ClockReading::Count, counts, { "-1", "2.0", "1,000", "abc", "99999999" });
}

TEST(CsvReader, QuotesDelimitersAndLineBreaksInsideFieldsKeepLineNumbersRight)
{
    const CsvReader csv(QStringLiteral("Grade,Teacher\r\n"
                                       "K,\"Adams, Mary \"\"Molly\"\"\"\r\n"
                                       "1st,\"Two\r\nlines\"\r\n"
                                       "\r\n"
                                       "2nd,Baker\rmid\"quote,x\n"
                                       "3rd,last line without end"));
    ASSERT_EQ(csv.Records.size(), 7u);
    EXPECT_EQ(csv.Records[1].Fields, QStringList({ u"K"_s, u"Adams, Mary \"Molly\""_s }));
    EXPECT_EQ(csv.Records[2].Fields, QStringList({ u"1st"_s, u"Two\nlines"_s }));
    EXPECT_EQ(csv.Records[2].Line, 3);
    EXPECT_TRUE(csv.Records[3].IsBlank());
    EXPECT_EQ(csv.Records[3].Line, 5);
    EXPECT_EQ(csv.Records[4].Line, 6);
    EXPECT_EQ(csv.Records[5].Fields, QStringList({ u"mid\"quote"_s, u"x"_s }));
    EXPECT_EQ(csv.Records[5].Line, 7);
    EXPECT_EQ(csv.Records[6].Fields, QStringList({ u"3rd"_s, u"last line without end"_s }));
    EXPECT_EQ(csv.UnclosedQuoteLine, 0);
    EXPECT_EQ(CsvReader(u"a,b\nc,\"open\nd,e\n").UnclosedQuoteLine, 2);
    EXPECT_EQ(CsvReader(u"a,b\nc,\"open\nd,e\n").Records.size(), 1u);
}

TEST(CsvReader, GuessesTheDelimiterFromTheFirstLineOutsideQuotes)
{
    EXPECT_EQ(CsvReader::GuessDelimiter(u"Grade;Teacher;Students\n1,2,3,4,5"), u';');
    EXPECT_EQ(CsvReader::GuessDelimiter(u"Grade\tTeacher"), u'\t');
    EXPECT_EQ(CsvReader::GuessDelimiter(u"\"a,b,c\";d"), u';');
    EXPECT_EQ(CsvReader::GuessDelimiter(u"Grade"), u',');
}

TEST(TextDecoding, ByteOrderMarksOtherEncodingsAndBinary)
{
    const auto utf8 = TextDecoding::Decode("\xEF\xBB\xBFGrade,Teacher\nK,Ms. N\xC3\xBA\xC3\xB1"
                                           "ez",
        u"a.csv"_s);
    ASSERT_TRUE(utf8.IsOk());
    EXPECT_EQ(utf8.Value().Text, u"Grade,Teacher\nK,Ms. Núñez"_s);
    EXPECT_EQ(utf8.Value().Encoding, u"UTF-8"_s);

    // An old spreadsheet's Western file: Latin-1 letters and Windows quotes.
    const auto western = TextDecoding::Decode("K,Ms. N\xFA\xF1"
                                              "ez \x93Jo\x94 \x80",
        u"a.csv"_s);
    ASSERT_TRUE(western.IsOk());
    EXPECT_EQ(western.Value().Text, u"K,Ms. Núñez “Jo” €"_s);
    EXPECT_EQ(western.Value().Encoding, u"Windows-1252"_s);

    const auto utf16 = TextDecoding::Decode(QByteArray("\xFF\xFE"
                                                       "K\0,\0\xE9\0",
                                                8),
        u"a.csv"_s);
    ASSERT_TRUE(utf16.IsOk());
    EXPECT_EQ(utf16.Value().Text, u"K,é"_s);

    const auto picture = TextDecoding::Decode(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), u"photo.csv"_s);
    ASSERT_FALSE(picture.IsOk());
    EXPECT_EQ(
        picture.Error(), u"\"photo.csv\" is not a text file: it holds binary data, not comma-separated values."_s);
}

} // namespace
