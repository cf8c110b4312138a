#pragma once

#include <QString>

namespace modTellAFriend {

// Filled by the farewell dialog's refer button (spaces trimmed at both ends),
// read by SubmitReferral. They keep their last values until the next press.
extern QString strReferrerName;
extern QString strReferrerEmail;
extern QString strReferralMessage;
extern QString strFriendName;
extern QString strFriendEmail;
// The last request address built.
extern QString strReferralURL;

// Removes the space character, and only it, from both ends.
QString TrimSpaces(const QString& text);

// The request address for the five values, each fully percent-encoded (UTF-8)
// so that no value can split, cut short or forge a parameter of the request.
QString ReferralAddress(const QString& referrerName, const QString& referrerEmail,
                        const QString& message, const QString& friendName, const QString& friendEmail);

// Checks the five shared values in order; on the first empty or untouched one
// shows its message, otherwise builds strReferralURL and opens it.
void SubmitReferral();

void OpenReferralPage();

}  // namespace modTellAFriend
