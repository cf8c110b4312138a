#include "sign/SignLookup.h"

#include "SignTable.h"

#include <QString>

namespace sign {

namespace {

// The first year of the table's later half: a year that is not a number
// matches the first year of each half, and the later half has the last word.
constexpr int LaterHalfFirstYear = 1971;

// A text as a number, or nothing where it is not one. Plain digits, which
// is what the lists hold, are read here; anything else goes through the
// general conversion (blanks around it, signs, exponents, decimals).
std::optional<double> numberIn(QStringView text)
{
    if (!text.isEmpty() && text.size() <= 9) {
        int value = 0;
        bool digits = true;
        for (const QChar c : text) {
            if (c < u'0' || c > u'9') {
                digits = false;
                break;
            }
            value = value * 10 + (c.unicode() - u'0');
        }
        if (digits)
            return value;
    }
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

int monthNumber(QStringView text)
{
    const auto& names = monthNames();
    for (std::size_t m = 0; m < names.size(); ++m) {
        if (text == names[m])
            return static_cast<int>(m) + 1;
    }
    return 0;
}

Sign signIn(const MonthEntry& entry, std::optional<double> day)
{
    if (entry.threshold == 0 || !day || *day <= entry.threshold)
        return entry.first;
    return entry.second;
}

}  // namespace

std::optional<Sign> findSign(QStringView yearText, QStringView monthText, QStringView dayText)
{
    const int month = monthNumber(monthText);
    if (month == 0)
        return std::nullopt;
    int year = LaterHalfFirstYear;
    if (const std::optional<double> number = numberIn(yearText)) {
        // NaN and fractions match no year.
        if (!(*number >= FirstYear && *number <= LastYear) || *number != static_cast<int>(*number))
            return std::nullopt;
        year = static_cast<int>(*number);
    }
    const MonthEntry& entry =
        signTable[static_cast<std::size_t>(year - FirstYear)].months[static_cast<std::size_t>(month - 1)];
    return signIn(entry, numberIn(dayText));
}

}  // namespace sign
