// The sign table and its lookup: checked day by day against a second, readable
// copy of the table, and against properties a slip in either copy would break.
#include "sign/SignLookup.h"
#include "sign/SignReadings.h"
#include "sign/SignTable.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <map>

#include <gtest/gtest.h>

using namespace sign;

namespace {

// The sign the find action finds for the three list texts, by name.
QString lookup(const QString& year, const QString& month, const QString& day)
{
    const std::optional<Sign> found = findSign(year, month, day);
    return found ? signName(*found) : QString();
}

QString lookup(int year, int month, int day)
{
    return lookup(QString::number(year), monthNames()[static_cast<std::size_t>(month - 1)], QString::number(day));
}

int signIndex(const QString& name)
{
    for (int i = 0; i < SignCount; ++i) {
        if (signName(static_cast<Sign>(i)) == name)
            return i;
    }
    return -1;
}

bool neighbours(const QString& a, const QString& b)
{
    const int step = (signIndex(a) - signIndex(b) + SignCount) % SignCount;
    return step == 1 || step == SignCount - 1;
}

struct ReadableEntry {
    QString first;
    int threshold = 0;
    QString second;
};

// year -> twelve month entries, from the readable copy of the table
std::map<int, std::array<ReadableEntry, 12>> readableTable()
{
    QFile file(QStringLiteral(ARDENTIS_TEST_DATA "/sign_table.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList months = {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"),
                                QStringLiteral("Apr"), QStringLiteral("May"), QStringLiteral("Jun"),
                                QStringLiteral("Jul"), QStringLiteral("Aug"), QStringLiteral("Sep"),
                                QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    const QRegularExpression part(QStringLiteral(R"(^(\w{3})(?:-(\w{3}))? (\w+)(?:<=(\d+) (\w+))?$)"));
    std::map<int, std::array<ReadableEntry, 12>> table;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'#'))
            continue;
        const int year = line.left(4).toInt();
        auto& entries = table[year];
        for (const QString& text : line.mid(6).split(u';')) {
            const auto match = part.match(text.trimmed());
            EXPECT_TRUE(match.hasMatch()) << text.toStdString();
            const qsizetype from = months.indexOf(match.captured(1));
            const qsizetype to = match.captured(2).isEmpty() ? from : months.indexOf(match.captured(2));
            for (qsizetype m = from; m <= to; ++m)
                entries[static_cast<std::size_t>(m)] = {match.captured(3), match.captured(4).toInt(),
                                                        match.captured(5)};
        }
    }
    return table;
}

}  // namespace

TEST(SignLookup, everyYearMonthAndDayMatchesTheReadableTable)
{
    const auto table = readableTable();
    ASSERT_EQ(table.size(), 83u);
    int compared = 0;
    for (const auto& [year, entries] : table) {
        for (int month = 1; month <= 12; ++month) {
            const ReadableEntry& entry = entries[static_cast<std::size_t>(month - 1)];
            for (int day = 1; day <= 31; ++day) {
                const QString expected = entry.threshold == 0 || day <= entry.threshold ? entry.first : entry.second;
                ASSERT_EQ(lookup(year, month, day), expected) << year << "-" << month << "-" << day;
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 83 * 12 * 31);
}

TEST(SignLookup, tableHas289SplitAnd707WholeMonthEntriesWithThresholdsFrom1To30)
{
    int split = 0;
    int whole = 0;
    for (const YearEntry& year : signTable) {
        for (const MonthEntry& month : year.months) {
            if (month.threshold == 0) {
                ++whole;
                continue;
            }
            ++split;
            EXPECT_GE(month.threshold, 1);
            EXPECT_LE(month.threshold, 30);
            EXPECT_NE(month.first, month.second) << year.year;
        }
    }
    EXPECT_EQ(split, 289);
    EXPECT_EQ(whole, 707);
}

TEST(SignLookup, everyChangeOfSignFromDayToDayGoesToANeighbouringSign)
{
    QString previous;
    for (QDate date(1930, 1, 1); date <= QDate(2012, 12, 31); date = date.addDays(1)) {
        const QString sign = lookup(date.year(), date.month(), date.day());
        ASSERT_GE(signIndex(sign), 0) << date.toString(Qt::ISODate).toStdString();
        if (!previous.isEmpty() && sign != previous) {
            ASSERT_TRUE(neighbours(previous, sign)) << date.toString(Qt::ISODate).toStdString();
        }
        previous = sign;
    }
}

TEST(SignLookup, boundaryDatesGiveTheSignOnTheirSideOfTheChange)
{
    struct Case {
        int year, month, day;
        const char* sign;
    };
    const Case cases[] = {
        {1930, 1, 1, "Pisces"},       {1930, 1, 7, "Pisces"},   {1930, 1, 8, "Aries"},      {1970, 12, 31, "Pisces"},
        {1971, 1, 1, "Pisces"},       {2012, 12, 31, "Pisces"}, {1988, 2, 28, "Capricorn"}, {1988, 2, 29, "Aquarius"},
        {1998, 2, 28, "Aquarius"},    {1998, 2, 29, "Pisces"},  {1998, 2, 31, "Pisces"},    {1998, 3, 1, "Pisces"},
        {1935, 8, 31, "Leo"},         {1935, 9, 1, "Virgo"},    {1954, 12, 31, "Scorpio"},  {1955, 1, 1, "Sagittarius"},
        {1987, 4, 10, "Sagittarius"}, {1987, 4, 11, "Scorpio"}, {1968, 4, 31, "Libra"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lookup(c.year, c.month, c.day), QLatin1String(c.sign)) << c.year << "-" << c.month << "-" << c.day;
}

TEST(SignLookup, findsNothingForAMonthInOtherLettersOrAYearOutsideTheTable)
{
    EXPECT_EQ(lookup(QStringLiteral("1930"), QStringLiteral("january"), QStringLiteral("1")), QString());
    EXPECT_EQ(lookup(QStringLiteral("1930"), QStringLiteral("Jan"), QStringLiteral("1")), QString());
    EXPECT_EQ(lookup(QStringLiteral("year"), QStringLiteral("JANUARY"), QStringLiteral("1")), QString());
    for (const char* year : {"2013", "1929", "1930.5", "nan", "inf", "-inf", "-1930", "99999999999"})
        EXPECT_EQ(lookup(QLatin1String(year), QStringLiteral("March"), QStringLiteral("1")), QString()) << year;
}

TEST(SignLookup, readsYearsAndDaysAsNumbersWhateverTheirSpelling)
{
    // 1930's January: Pisces up to the 7th, Aries after it.
    for (const char* year : {"1930", " 1930 ", "01930", "+1930", "1930.0", "1.93e3"}) {
        EXPECT_EQ(lookup(QLatin1String(year), QStringLiteral("January"), QStringLiteral("7")), QStringLiteral("Pisces"))
            << year;
        EXPECT_EQ(lookup(QLatin1String(year), QStringLiteral("January"), QStringLiteral("8")), QStringLiteral("Aries"))
            << year;
    }
    for (const char* day : {"7", "07", " 7", "7.0", "-3", "-inf", "x", ""})
        EXPECT_EQ(lookup(QStringLiteral("1930"), QStringLiteral("January"), QLatin1String(day)),
                  QStringLiteral("Pisces"))
            << day;
    for (const char* day : {"8", "7.5", "32", "1e9", "inf", "nan"})
        EXPECT_EQ(lookup(QStringLiteral("1930"), QStringLiteral("January"), QLatin1String(day)),
                  QStringLiteral("Aries"))
            << day;
}

TEST(SignLookup, textsThatAreNotNumbersCountAsMatches)
{
    // The first half sets 1930's March, the second overwrites it with 1971's.
    EXPECT_EQ(lookup(QStringLiteral("year"), QStringLiteral("March"), QStringLiteral("20")), QStringLiteral("Aries"));
    EXPECT_EQ(lookup(QStringLiteral(""), QStringLiteral("March"), QStringLiteral("16")), QStringLiteral("Aries"));
    // A day that is not a number takes the first sign of a split month.
    EXPECT_EQ(lookup(QStringLiteral("1930"), QStringLiteral("January"), QStringLiteral("x")), QStringLiteral("Pisces"));
    EXPECT_EQ(lookup(QStringLiteral("1930"), QStringLiteral("February"), QStringLiteral("x")), QStringLiteral("Aries"));
}

TEST(SignReadings, eachSignHasItsOwnReading)
{
    EXPECT_EQ(signReading(Sign::Aries),
              QStringLiteral("You will fight from the front and not wait for anyone. You are the first to find a quick "
                             "and easy solution."));
    EXPECT_EQ(signReading(Sign::Pisces),
              QStringLiteral("You will do well in issues related to creativity and imagination. Your tendencies to "
                             "dream a lot may remove you from this real world."));
    EXPECT_EQ(signReading(Sign::Gemini),
              QStringLiteral("You have good communication skills, be it verbal or written. You also have the ability "
                             "to take care of multiple problems"));
    QStringList seen;
    for (int i = 0; i < SignCount; ++i) {
        const QString& reading = signReading(static_cast<Sign>(i));
        EXPECT_FALSE(reading.isEmpty());
        EXPECT_FALSE(seen.contains(reading));
        seen.append(reading);
    }
}
