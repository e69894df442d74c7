// check codfisc|iva|iban|carta VALUE: the message the check dialog would show
// for the value, with each line break as one newline, and the outcome as the
// exit status.
#include "Commands.h"

#include "checks/FiscalCode.h"
#include "checks/Iban.h"
#include "checks/PaymentCard.h"
#include "checks/VatNumber.h"

#include <array>

namespace cli {
namespace {

// Exit statuses: the value is valid, wrong, or could not be checked.
constexpr int kExitCheckValid = 0;
constexpr int kExitCheckWrong = 1;
constexpr int kExitCheckNotChecked = 2;

struct CheckKind {
    const char16_t* name;
    checks::CheckResult (*check)(QStringView);
};

constexpr std::array<CheckKind, 4> kCheckKinds = {{
    {u"codfisc", checks::checkFiscalCode},
    {u"iva", checks::checkVatNumber},
    {u"iban", checks::checkIban},
    {u"carta", checks::checkPaymentCard},
}};

int exitStatus(checks::Outcome outcome) {
    switch (outcome) {
    case checks::Outcome::Valid:
        return kExitCheckValid;
    case checks::Outcome::Wrong:
        return kExitCheckWrong;
    case checks::Outcome::CannotCheck:
        break;
    }
    return kExitCheckNotChecked;
}

} // namespace

int runCheck(const Options&, const QStringList& args) {
    // The value is data: it may start with '-', so the arguments are counted
    // here rather than screened for options.
    if (args.size() != 2)
        throw CliError(QStringLiteral("usage: velmora-cli check codfisc|iva|iban|carta VALUE"));
    for (const CheckKind& kind : kCheckKinds) {
        if (args.at(0) != QStringView(kind.name)) continue;
        const checks::CheckResult result = kind.check(args.at(1));
        if (!result.message.isEmpty())
            writeOut(QString(result.message).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) +
                     u'\n');
        return exitStatus(result.outcome);
    }
    throw CliError(
        QStringLiteral("unknown check '%1' (use codfisc, iva, iban or carta)").arg(args.at(0)));
}

} // namespace cli
