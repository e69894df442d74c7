#include "IniText.h"

#include <vector>

namespace IniText {

namespace {

struct Line {
    qsizetype start; // first byte of the line
    qsizetype end;   // just past its text, before "\r\n" or "\n"
    qsizetype next;  // first byte of the following line
};

std::vector<Line> splitLines(QByteArrayView file) {
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < file.size()) {
        qsizetype newline = file.indexOf('\n', start);
        const qsizetype next = newline < 0 ? file.size() : newline + 1;
        qsizetype end = newline < 0 ? file.size() : newline;
        if (end > start && file[end - 1] == '\r') --end;
        lines.push_back({start, end, next});
        start = next;
    }
    return lines;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text) {
    qsizetype from = 0, to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.sliced(from, to - from);
}

bool sameName(QByteArrayView a, QByteArrayView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a "[name]" line, or nullopt for any other line.
std::optional<QByteArrayView> sectionName(QByteArrayView line) {
    const QByteArrayView text = trimmed(line);
    if (!text.startsWith('[')) return std::nullopt;
    const qsizetype close = text.indexOf(']');
    if (close < 0) return std::nullopt;
    return trimmed(text.sliced(1, close - 1));
}

// Where a "key=value" line of the wanted section is, and where its value
// starts and ends in the file.
struct Found {
    bool section = false;
    qsizetype sectionEnd = -1; // just past the section's last non-empty line
    qsizetype valueStart = -1; // -1: no such key
    qsizetype valueEnd = -1;
};

Found find(QByteArrayView file, const std::vector<Line>& lines, QByteArrayView section,
           QByteArrayView key) {
    Found found;
    bool inside = false;
    for (const Line& l : lines) {
        const QByteArrayView text = file.sliced(l.start, l.end - l.start);
        if (const auto name = sectionName(text)) {
            if (inside) break; // the section ended; later ones of the same name do not count
            inside = sameName(*name, section);
            if (inside) {
                found.section = true;
                found.sectionEnd = l.next;
            }
            continue;
        }
        if (!inside) continue;
        if (!trimmed(text).isEmpty()) found.sectionEnd = l.next;
        if (trimmed(text).startsWith(';')) continue;
        const qsizetype equals = text.indexOf('=');
        if (equals < 0 || !sameName(trimmed(text.first(equals)), key)) continue;
        // The value without the blanks around it.
        qsizetype from = l.start + equals + 1, to = l.end;
        while (from < to && isBlank(file[from]))
            ++from;
        while (to > from && isBlank(file[to - 1]))
            --to;
        found.valueStart = from;
        found.valueEnd = to;
        return found;
    }
    return found;
}

QByteArray lineEnding(QByteArrayView file) {
    const qsizetype newline = file.indexOf('\n');
    return newline > 0 && file[newline - 1] == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

} // namespace

std::optional<QByteArray> value(QByteArrayView file, QByteArrayView section, QByteArrayView key) {
    const Found found = find(file, splitLines(file), section, key);
    if (found.valueStart < 0) return std::nullopt;
    return file.sliced(found.valueStart, found.valueEnd - found.valueStart).toByteArray();
}

QByteArray withValue(QByteArrayView file, QByteArrayView section, QByteArrayView key,
                     QByteArrayView value) {
    const Found found = find(file, splitLines(file), section, key);
    QByteArray result = file.toByteArray();
    if (found.valueStart >= 0)
        return result.replace(found.valueStart, found.valueEnd - found.valueStart,
                              value.toByteArray());
    const QByteArray eol = lineEnding(file);
    const QByteArray entry = key.toByteArray() + '=' + value.toByteArray() + eol;
    if (found.section) {
        // After the section's last line, which may lack its line ending.
        qsizetype at = found.sectionEnd;
        if (at > 0 && result[at - 1] != '\n') {
            result.insert(at, eol);
            at += eol.size();
        }
        return result.insert(at, entry);
    }
    if (!result.isEmpty() && !result.endsWith('\n')) result += eol;
    return result + '[' + section.toByteArray() + ']' + eol + entry;
}

} // namespace IniText
