#include "WorkerRules.h"

#include "archive/Text.h"

#include <QRegularExpression>

#include <cmath>

namespace worker {

QString normalisedAmount(const QString& text) {
    const QString zero = QStringLiteral("0,00");
    if (vtext::trimmed(text).isEmpty()) return zero;
    // Digits with at most one decimal comma, as the box lets them be typed.
    static const QRegularExpression number(QStringLiteral("^(\\d*)(,(\\d*))?$"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch() || (m.captured(1).isEmpty() && m.captured(3).isEmpty())) return zero;
    bool ok = false;
    const double value = QString(text).replace(u',', u'.').toDouble(&ok);
    if (!ok || !std::isfinite(value)) return zero;
    const double rounded = std::trunc(value * 10000 + 0.5) / 10000;
    QString result = QString::number(rounded, 'g', 15).replace(u'.', u',');
    // A number too large for plain digits cannot be an amount of the box.
    if (result.contains(u'e')) return zero;
    if (!result.contains(u',')) result += QStringLiteral(",00");
    if (result.size() >= 2 && result[result.size() - 2] == u',') result += u'0';
    return result;
}

std::optional<QDate> contractDate(const QString& text) {
    const QDate date = QDate::fromString(vtext::trimmed(text), QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid()) return std::nullopt;
    return date;
}

} // namespace worker
