#include "Iban.h"

#include "archive/Text.h"

namespace checks {
namespace {

// The pieces of the remainder are read by hand: an integer reader would take
// a leading '+' or '-' as a sign and let it pass for a digit.
bool readDigits(QStringView piece, int& value) {
    if (piece.isEmpty()) return false;
    value = 0;
    for (const QChar c : piece) {
        if (c < u'0' || c > u'9') return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    return true;
}

// Nine decimal digits always fit an int.
constexpr qsizetype kPieceDigits = 9;

} // namespace

int ibanRemainder(QStringView text) {
    QString iban = text.toString();
    iban.remove(u' ');
    iban = vtext::asciiUpper(iban);
    const qsizetype word = iban.indexOf(u"IBAN");
    if (word >= 0) iban.remove(word, 4);
    iban = iban.mid(4) + iban.left(4);

    QString digits;
    for (const QChar c : iban) {
        if (c >= u'A' && c <= u'Z')
            digits += QString::number(c.unicode() - u'A' + 10);
        else
            digits += c;
    }

    QString carried; // the remainder so far, in decimal
    for (qsizetype at = 0; at < digits.size();) {
        const qsizetype take = kPieceDigits - carried.size();
        int value = 0;
        if (!readDigits(QString(carried + digits.mid(at, take)), value)) return 0;
        at += take;
        carried = QString::number(value % 97);
    }
    return carried.isEmpty() ? 0 : carried.toInt();
}

CheckResult checkIban(QStringView text) {
    const QString iban = vtext::trimmed(text);
    if (iban.size() != kIbanLength)
        return {Outcome::CannotCheck, MessageKind::Warning,
                QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri "
                               "alfanumerici.")};
    if (ibanRemainder(iban) == 1)
        return {Outcome::Valid, MessageKind::Information,
                QStringLiteral("L'IBAN digitato è VALIDO.")};
    return {Outcome::Wrong, MessageKind::Warning,
            QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!")};
}

} // namespace checks
