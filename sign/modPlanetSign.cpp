#include "sign/modPlanetSign.h"

#include <span>

namespace modPlanetSign {

QString SignResult;

const QString& SignName(Sign sign)
{
    static const std::array<QString, SignCount> names = {
        QStringLiteral("Aries"),   QStringLiteral("Taurus"),      QStringLiteral("Gemini"),
        QStringLiteral("Cancer"),  QStringLiteral("Leo"),         QStringLiteral("Virgo"),
        QStringLiteral("Libra"),   QStringLiteral("Scorpio"),     QStringLiteral("Sagittarius"),
        QStringLiteral("Capricorn"), QStringLiteral("Aquarius"),  QStringLiteral("Pisces")};
    return names[static_cast<std::size_t>(sign)];
}

const std::array<QString, 12>& MonthNames()
{
    static const std::array<QString, 12> names = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

namespace {

// A year or day that is not a number makes its test count as met, so the
// first year of a half, or the first sign of a split month, is taken.
bool numberEquals(const QString& text, double value)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    return !ok || number == value;
}

bool numberAtMost(const QString& text, double limit)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    return !ok || number <= limit;
}

void lookupIn(std::span<const YearEntry> half, const QString& yearText, const QString& monthText,
              const QString& dayText)
{
    for (const YearEntry& year : half) {
        if (!numberEquals(yearText, year.year))
            continue;
        const auto& months = MonthNames();
        for (std::size_t m = 0; m < months.size(); ++m) {
            if (monthText != months[m])
                continue;
            const MonthEntry& entry = year.months[m];
            if (entry.threshold == 0)
                SignResult = SignName(entry.first);
            else
                SignResult = SignName(numberAtMost(dayText, entry.threshold) ? entry.first : entry.second);
            return;
        }
        return;  // the year matched but the month did not: later years are not tried
    }
}

constexpr std::size_t firstHalfYears = SplitYear - FirstYear;

}  // namespace

void LookupSign1930To1970(const QString& yearText, const QString& monthText, const QString& dayText)
{
    lookupIn(std::span(SignTable).first(firstHalfYears), yearText, monthText, dayText);
}

void LookupSign1971To2012(const QString& yearText, const QString& monthText, const QString& dayText)
{
    lookupIn(std::span(SignTable).subspan(firstHalfYears), yearText, monthText, dayText);
}

}  // namespace modPlanetSign
