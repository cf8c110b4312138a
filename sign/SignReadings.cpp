#include "sign/SignReadings.h"

namespace sign {

const QString& signReading(Sign sign)
{
    // In zodiac order.
    static const std::array<QString, SignCount> readings = {
        QStringLiteral("You will fight from the front and not wait for anyone. You are the first to find "
                       "a quick and easy solution."),
        QStringLiteral("If it is an ongoing problem and is bound to take a long time, you will do it very "
                       "well. You are adept at learning the nuances of the problem and finding a solution."),
        QStringLiteral("You have good communication skills, be it verbal or written. You also have the "
                       "ability to take care of multiple problems"),
        QStringLiteral("You are good at solving domestic problems. You also have good nurturing feelings "
                       "and will do well in therapeutic positions. You understand and organize issues well "
                       "and are good at finding a pattern in them."),
        QStringLiteral("You will an attention-seeker. So your problems will also be solved in dramatic and "
                       "showy ways."),
        QStringLiteral("You will be able to go into the depth of problems and find the minutest details "
                       "that are responsible for the whole situation."),
        QStringLiteral("You will be able to solve social problems very well and deal with people."),
        QStringLiteral("You can be good at finding the hidden secrets in any problem. You are also good at "
                       "solving financial issues."),
        QStringLiteral("You will be good at understanding the problems as a whole without going into the "
                       "details."),
        QStringLiteral("You are very practical when it comes to solving problems and will be very organized "
                       "in finding the solution."),
        QStringLiteral("Your ways of solving problems will be very different and astonishing to most. This "
                       "can turn out to be the best solution or the worst."),
        QStringLiteral("You will do well in issues related to creativity and imagination. Your tendencies to "
                       "dream a lot may remove you from this real world."),
    };
    return readings[static_cast<std::size_t>(sign)];
}

QString defaultReading()
{
    return QStringLiteral(
        "This is an idealistic combination and you shall be able to approach issues with a neutral "
        "attitude. You will have a sense of vision accompanied by imagination and innovativeness. You have "
        "a humane nature. But be careful not to make excuses when you are needed.");
}

}  // namespace sign
