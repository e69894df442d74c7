#pragma once
// What a box lets the user type, shared by every screen: codes kept in
// upper case without outer blanks while they are typed, addresses without
// outer blanks, numbers of digits only, amounts of digits and a comma
// (rewritten as a proper amount when the user leaves the box, and refused
// when the amount so written no longer fits the box).

#include <QLineEdit>

enum class InputRule {
    Any,
    UpperTrimmed, // fiscal code, IBAN, province: "rm " -> "RM" at once
    Trimmed,      // e-mail address
    Digits,       // VAT number, card number, days of notice
    Amount,       // digits and the decimal comma; normalised on leaving the box
};

namespace InputRules {
// Applies the rule to the box. Keys that move the focus or the cursor are
// never taken away; what a rule refuses cannot be pasted either.
void apply(QLineEdit* box, InputRule rule);
} // namespace InputRules
