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

// The longest each value may be. A character takes at most nine bytes once
// percent-encoded (three of UTF-8), so even at these limits the whole request
// stays within MaxAddressLength: common web servers refuse request lines over
// 8 KiB, and the browser is handed the address as one program argument.
inline constexpr int MaxNameLength = 64;
inline constexpr int MaxEmailLength = 254;  // the longest address mail can carry
inline constexpr int MaxMessageLength = 200;
inline constexpr int MaxAddressLength = 8000;

// Removes the space character, and only it, from both ends.
QString trimSpaces(const QString& text);

// The request address for the five values, each fully percent-encoded (UTF-8)
// so that no value can split, cut short or forge a parameter of the request.
QString referralAddress(const Referral& referral);

// Checks the five values in order; on the first empty or untouched one shows
// its message, otherwise opens the request in the browser.
void submitReferral(const Referral& referral);

}  // namespace links
