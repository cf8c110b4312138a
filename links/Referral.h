#pragma once

#include <QString>

namespace links {

// What the farewell dialog's referral form holds, spaces trimmed at both ends.
struct Referral {
    QString referrerName;
    QString referrerEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The longest each value may be, in characters as the user sees them. A
// character of one code point takes at most nine bytes once percent-encoded
// (three of UTF-8), so even at these limits such text keeps the whole request
// within MaxAddressLength: common web servers refuse request lines over 8 KiB,
// and the browser is handed the address as one program argument. Characters
// of several code points (most emoji) can take it past that; the request then
// says so instead of being sent.
inline constexpr int MaxNameLength = 64;
inline constexpr int MaxEmailLength = 254;  // the longest address mail can carry
inline constexpr int MaxMessageLength = 200;
inline constexpr int MaxAddressLength = 8000;

// What a request that cannot be handed to the browser says.
inline constexpr char16_t NotHandedOverMessage[] = u"Your Request Could Not Be Handed To Your Web Browser";

// Removes the space character, and only it, from both ends.
QString trimSpaces(const QString& text);

// The request address for the five values, each fully percent-encoded (UTF-8)
// so that no value can split, cut short or forge a parameter of the request.
QString referralAddress(const Referral& referral);

// Checks the five values in order; on the first empty or untouched one shows
// its message, otherwise opens the request in the browser. A request that
// cannot be handed to the browser, too long or with no browser to take it,
// says so: unlike a page of the maker's, it holds what the user typed.
void submitReferral(const Referral& referral);

}  // namespace links
