#pragma once

#include <QString>

#include <array>
#include <optional>

namespace links {

// The refer-a-friend form, one row a box, in the order the boxes are
// checked and sent (taf1 to taf5): the box's name, what it shows while it
// holds nothing, the most characters it may send (as the user sees them),
// and what is said when it is left empty or as it was.
struct ReferralField {
    const char* boxName;
    const char16_t* placeholder;
    int maxLength;
    const char16_t* missing;
};
inline constexpr std::array<ReferralField, 5> ReferralFields{{
    {"txtName", u"Your Name", 64, u"Please Enter Your Name"},
    {"txtEmail", u"Your Email Address", 254, u"Please Enter Your Email"},  // the longest address mail carries
    {"txtMessage", u"Your Message", 200, u"Please Enter Your Message"},
    {"txtFriendName", u"Friend's Name", 64, u"Please Enter Your Friend's Name"},
    {"txtFriendEmail", u"Friend's Email Address", 254, u"Please Enter Your Friend's Email"},
}};
enum ReferralBox { ReferrerName, ReferrerEmail, Message, FriendName, FriendEmail };

// What the boxes hold, as they stand, by ReferralBox.
using Referral = std::array<QString, ReferralFields.size()>;

// A character of one code point takes at most nine bytes once
// percent-encoded (three of UTF-8), so even at the limits such text keeps
// the whole request within MaxAddressLength: common web servers refuse
// request lines over 8 KiB, and the browser is handed the address as one
// program argument. Characters of several code points (most emoji) can take
// it past that; the request then says so instead of being sent.
inline constexpr int MaxAddressLength = 8000;

// What a request that cannot be handed to the browser says.
inline constexpr char16_t NotHandedOverMessage[] = u"Your Request Could Not Be Handed To Your Web Browser";

// Removes the space character, and only it, from both ends.
QString trimSpaces(const QString& text);

// The characters of a text as the user sees them: a letter with its accents,
// an emoji with its modifiers or a flag is one. A cluster of more than 32
// UTF-16 units counts once for every 32 begun, so that no value of a length
// within its limit is out of proportion in the request.
int characterCount(QStringView text);

// What is wrong with the form, and the box the user has to shorten.
struct ReferralProblem {
    QString message;
    std::optional<ReferralBox> tooLong;
};

// What is said of the form, in the order the checks are made: the two
// addresses (distinct, with an "@" and a "."), then each box left empty or
// as it was, then each box longer than it may be. Nothing when the request
// may go.
std::optional<ReferralProblem> referralProblem(const Referral& referral);

// The request address for the five values, trimmed and each fully
// percent-encoded (UTF-8), so that no value can split, cut short or forge a
// parameter of the request.
QString referralAddress(const Referral& referral);

// Opens the request of a form without a problem in the browser. A request
// that cannot be handed to the browser, too long or with no browser to take
// it, says so: unlike a page of the maker's, it holds what the user typed.
void sendReferral(const Referral& referral);

}  // namespace links
