#include "BookingTexts.h"

#include <QDate>

namespace bookings {

namespace {

QString clock(int minutes) {
    const int m = minutes % kMinutesPerDay;
    return QStringLiteral("%1:%2").arg(m / 60, 2, 10, QChar(u'0')).arg(m % 60, 2, 10, QChar(u'0'));
}

QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString fromTo(const Span& span) {
    return QStringLiteral("dalle %1 alle %2").arg(clock(span.start), clock(span.end));
}

} // namespace

QString spanText(const Span& span) {
    return clock(span.start) + u'-' + clock(span.end);
}

QString hoursText(int minutes) {
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QChar(u'0'));
}

QString doubleBookingWarning(const std::vector<Conflict>& conflicts, qint64 number) {
    std::vector<const Conflict*> mine;
    for (const Conflict& c : conflicts)
        if (c.first.record == number || c.second.record == number) mine.push_back(&c);
    if (mine.empty()) return {};
    const Conflict& c = *mine.front();
    QString text;
    if (c.first.record == c.second.record) {
        text =
            QStringLiteral("Attenzione: %1 è in due turni sovrapposti di questa tabella il "
                           "%2: %3 e %4.")
                .arg(c.worker, dateText(c.first.date), fromTo(c.first.span), fromTo(c.second.span));
    } else {
        const BookedSlot& here = c.first.record == number ? c.first : c.second;
        const BookedSlot& there = c.first.record == number ? c.second : c.first;
        const QString otherDay =
            there.date == here.date ? QString() : QStringLiteral(" del ") + dateText(there.date);
        text = QStringLiteral("Attenzione: %1 è in turno il %2 %3 in questa tabella e %4%5 nella "
                              "tabella \"%6\" (scheda n. %7).")
                   .arg(c.worker, dateText(here.date), fromTo(here.span), fromTo(there.span),
                        otherDay, there.table, QString::number(there.record));
    }
    if (mine.size() > 1) text += QStringLiteral(" Altre sovrapposizioni: %1.").arg(mine.size() - 1);
    return text;
}

} // namespace bookings
