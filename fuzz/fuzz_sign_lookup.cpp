// The sign lookup from arbitrary texts for year, month and day: it never
// crashes, and what it leaves in SignResult is one of the twelve names or
// nothing. A month that is not one of the twelve names finds nothing; a year
// that is a number finds a sign only when it is a year of the table.
#include "sign/modPlanetSign.h"

#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

[[noreturn]] void fail(const char* what, const QString& year, const QString& month, const QString& day)
{
    std::fprintf(stderr, "sign lookup: %s\nyear [%s] month [%s] day [%s] result [%s]\n", what,
                 year.toUtf8().constData(), month.toUtf8().constData(), day.toUtf8().constData(),
                 modPlanetSign::SignResult.toUtf8().constData());
    std::abort();
}

QString text(FuzzedDataProvider& input)
{
    const std::string bytes = input.ConsumeRandomLengthString();
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace modPlanetSign;
    FuzzedDataProvider input(data, size);
    // Half the time a real month name or year number, so that the deeper
    // paths are reached as often as the refusals.
    const std::uint8_t choice = input.ConsumeIntegral<std::uint8_t>();
    const QString month = (choice & 1) ? MonthNames()[input.ConsumeIntegralInRange<std::size_t>(0, 11)] : text(input);
    const QString year = (choice & 2) ? QString::number(input.ConsumeIntegralInRange(1925, 2017)) : text(input);
    const QString day = (choice & 4) ? QString::number(input.ConsumeIntegralInRange(-1, 33)) : text(input);

    SignResult.clear();
    LookupSign1930To1970(year, month, day);
    LookupSign1971To2012(year, month, day);

    bool named = SignResult.isEmpty();
    for (int s = 0; s < SignCount; ++s)
        named = named || SignResult == SignName(static_cast<Sign>(s));
    if (!named)
        fail("a result that is not one of the twelve names", year, month, day);

    bool monthKnown = false;
    for (const QString& name : MonthNames())
        monthKnown = monthKnown || month == name;
    bool isNumber = false;
    const double number = year.trimmed().toDouble(&isNumber);
    const bool tableYear = isNumber && number >= FirstYear && number <= LastYear && std::floor(number) == number;
    if (!monthKnown && !SignResult.isEmpty())
        fail("a sign for a month that is not one of the twelve", year, month, day);
    if (monthKnown && isNumber && tableYear == SignResult.isEmpty())
        fail(tableYear ? "no sign for a year of the table" : "a sign for a year outside the table", year, month,
             day);
    if (monthKnown && !isNumber && SignResult.isEmpty())
        fail("no sign where the year is no number (taken as met)", year, month, day);
    return 0;
}
