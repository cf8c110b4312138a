#include "sign/Sign.h"

namespace sign {

const QString& signName(Sign sign)
{
    static const std::array<QString, SignCount> names = {
        QStringLiteral("Aries"),     QStringLiteral("Taurus"),   QStringLiteral("Gemini"),
        QStringLiteral("Cancer"),    QStringLiteral("Leo"),      QStringLiteral("Virgo"),
        QStringLiteral("Libra"),     QStringLiteral("Scorpio"),  QStringLiteral("Sagittarius"),
        QStringLiteral("Capricorn"), QStringLiteral("Aquarius"), QStringLiteral("Pisces")};
    return names[static_cast<std::size_t>(sign)];
}

const std::array<QString, 12>& monthNames()
{
    static const std::array<QString, 12> names = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

}  // namespace sign
