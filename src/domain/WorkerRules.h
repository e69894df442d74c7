#pragma once
// The rules of the worker registry that need no window: money amounts with
// a decimal comma, and the contract dates.

#include <QDate>
#include <QString>

#include <optional>

namespace worker {

// An amount box's text once the user leaves it: a number with a decimal
// comma, rounded half up to four decimals and shown with two to four
// ("1250" -> "1250,00", "12,5" -> "12,50", "0,123456" -> "0,1235"); an
// empty text or one that is not a number ("1,,2") becomes "0,00". The
// rounding works on the digits themselves, so however many there are,
// none is lost.
QString normalisedAmount(const QString& text);

// The normalised amount when it fits a field of `capacity` characters;
// none when it does not, since a shortened amount would be another amount.
std::optional<QString> amountForField(const QString& text, int capacity);

// The day a date box names, read strictly as dd/mm/yyyy after trimming; no
// value for anything that is not a real calendar day ("31/02/2024", "").
std::optional<QDate> contractDate(const QString& text);

} // namespace worker
