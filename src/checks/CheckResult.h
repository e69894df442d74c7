#pragma once
// What an identifier check tells its dialog: the outcome and the message box
// to show for it, with its exact text.

#include <QString>

namespace checks {

enum class Outcome {
    Valid,
    Wrong,
    CannotCheck, // wrong length or nothing typed: the value was not examined
};

// The box the dialog shows; None when it closes without a word.
enum class MessageKind { None, Information, Warning };

struct CheckResult {
    Outcome outcome = Outcome::CannotCheck;
    MessageKind kind = MessageKind::None;
    // The text as the box shows it; its line breaks are "\r\n" pairs.
    QString message;

    // Only a value that could not be checked keeps the dialog open, with the
    // focus back in its box; after any other outcome the dialog closes.
    bool keepsDialogOpen() const { return outcome == Outcome::CannotCheck; }
};

} // namespace checks
