#pragma once

#include <QDate>
#include <functional>

namespace platform {

// Today's date; tests set their own.
QDate today();
void setToday(std::function<QDate()> source);  // empty: the system clock again

}  // namespace platform
