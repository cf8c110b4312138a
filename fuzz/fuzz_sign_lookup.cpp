// The find action's sign lookup from arbitrary texts for year, month and day:
// it never crashes, a month that is not one of the twelve names finds nothing,
// a year that is a number finds a sign only when it is a year of the table,
// and a year that is no number always finds one.
#include "sign/SignLookup.h"

#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

[[noreturn]] void fail(const char* what, const QString& year, const QString& month, const QString& day,
                       std::optional<sign::Sign> found)
{
    std::fprintf(stderr, "sign lookup: %s\nyear [%s] month [%s] day [%s] result [%s]\n", what,
                 year.toUtf8().constData(), month.toUtf8().constData(), day.toUtf8().constData(),
                 found ? sign::signName(*found).toUtf8().constData() : "");
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
    using namespace sign;
    FuzzedDataProvider input(data, size);
    // Half the time a real month name or year number, so that the deeper
    // paths are reached as often as the refusals.
    const std::uint8_t choice = input.ConsumeIntegral<std::uint8_t>();
    const QString month = (choice & 1) ? monthNames()[input.ConsumeIntegralInRange<std::size_t>(0, 11)] : text(input);
    const QString year = (choice & 2) ? QString::number(input.ConsumeIntegralInRange(1925, 2017)) : text(input);
    const QString day = (choice & 4) ? QString::number(input.ConsumeIntegralInRange(-1, 33)) : text(input);

    const std::optional<Sign> found = findSign(year, month, day);
    if (found && (static_cast<int>(*found) < 0 || static_cast<int>(*found) >= SignCount))
        fail("a result that is not one of the twelve signs", year, month, day, found);

    bool monthKnown = false;
    for (const QString& name : monthNames())
        monthKnown = monthKnown || month == name;
    bool isNumber = false;
    const double number = year.trimmed().toDouble(&isNumber);
    const bool tableYear = isNumber && number >= FirstYear && number <= LastYear && std::floor(number) == number;
    if (!monthKnown && found)
        fail("a sign for a month that is not one of the twelve", year, month, day, found);
    if (monthKnown && isNumber && tableYear != found.has_value())
        fail(tableYear ? "no sign for a year of the table" : "a sign for a year outside the table", year, month, day,
             found);
    if (monthKnown && !isNumber && !found)
        fail("no sign where the year is no number (taken as met)", year, month, day, found);
    return 0;
}
