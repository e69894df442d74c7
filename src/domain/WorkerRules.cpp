#include "WorkerRules.h"

#include "archive/Text.h"

#include <QRegularExpression>

namespace worker {

namespace {

constexpr int kDecimals = 4;

// Adds one to a text of decimal digits.
void addOne(QString& digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
        digits[i] = u'0';
    }
    digits.prepend(u'1');
}

} // namespace

QString normalisedAmount(const QString& text) {
    const QString zero = QStringLiteral("0,00");
    if (vtext::trimmed(text).isEmpty()) return zero;
    // Digits with at most one decimal comma, as the box lets them be typed.
    static const QRegularExpression number(QStringLiteral("^([0-9]*)(?:,([0-9]*))?$"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch()) return zero;
    const QString whole = m.captured(1);
    const QString fraction = m.captured(2);
    if (whole.isEmpty() && fraction.isEmpty()) return zero;

    // The amount in ten-thousandths, rounded half up on the digit after the
    // fourth decimal.
    QString units = whole + fraction.leftJustified(kDecimals, u'0', true);
    if (fraction.size() > kDecimals && fraction[kDecimals] >= u'5') addOne(units);
    while (units.size() > kDecimals + 1 && units.front() == u'0')
        units.remove(0, 1);
    units = units.rightJustified(kDecimals + 1, u'0');

    QString decimals = units.right(kDecimals);
    while (!decimals.isEmpty() && decimals.back() == u'0')
        decimals.chop(1);
    // Two decimals at least: 12,5 is written 12,50.
    return units.chopped(kDecimals) + u',' + decimals.leftJustified(2, u'0');
}

std::optional<QString> amountForField(const QString& text, int capacity) {
    QString amount = normalisedAmount(text);
    if (amount.size() > capacity) return std::nullopt;
    return amount;
}

std::optional<QDate> contractDate(const QString& text) {
    const QDate date = QDate::fromString(vtext::trimmed(text), QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid()) return std::nullopt;
    return date;
}

} // namespace worker
