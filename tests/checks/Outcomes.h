#pragma once
// Readable outcomes in the failure messages of the check tests.

#include "checks/CheckResult.h"

#include <ostream>

namespace checks {

inline void PrintTo(Outcome outcome, std::ostream* os) {
    switch (outcome) {
    case Outcome::Valid:
        *os << "Valid";
        return;
    case Outcome::Wrong:
        *os << "Wrong";
        return;
    case Outcome::CannotCheck:
        *os << "CannotCheck";
        return;
    }
}

inline void PrintTo(MessageKind kind, std::ostream* os) {
    switch (kind) {
    case MessageKind::None:
        *os << "None";
        return;
    case MessageKind::Information:
        *os << "Information";
        return;
    case MessageKind::Warning:
        *os << "Warning";
        return;
    }
}

} // namespace checks
