#include "platform/inifile.h"

#include <QFile>
#include <QSaveFile>
#include <vector>

namespace Ini {
namespace {

enum class Kind
{
    Blank,
    Comment,
    Section,
    Key,
    Other
};

// One line of the text; offsets into it. contentEnd stops before the line ending.
struct Line
{
    qsizetype begin = 0;
    qsizetype contentEnd = 0;
    qsizetype next = 0;
    Kind kind = Kind::Other;
    QByteArrayView name;      // section or key name, blanks trimmed
    qsizetype valueBegin = 0; // for keys: just after the '='
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && isBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back()))
        v.chop(1);
    return v;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

void classify(const QByteArray& text, Line& line)
{
    const QByteArrayView content(text.constData() + line.begin, line.contentEnd - line.begin);
    const QByteArrayView body = trimmed(content);
    if (body.isEmpty()) {
        line.kind = Kind::Blank;
        return;
    }
    if (body.front() == ';') {
        line.kind = Kind::Comment;
        return;
    }
    if (body.front() == '[') {
        const qsizetype close = body.indexOf(']');
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = trimmed(body.sliced(1, close - 1));
        }
        return;
    }
    const qsizetype eq = content.indexOf('=');
    if (eq < 0)
        return;
    const QByteArrayView key = trimmed(content.first(eq));
    if (key.isEmpty())
        return;
    line.kind = Kind::Key;
    line.name = key;
    line.valueBegin = line.begin + eq + 1;
}

std::vector<Line> splitLines(const QByteArray& text)
{
    std::vector<Line> lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        Line line;
        line.begin = pos;
        const qsizetype nl = text.indexOf('\n', pos);
        line.contentEnd = nl < 0 ? text.size() : nl;
        line.next = nl < 0 ? text.size() : nl + 1;
        // A CR before the LF, or at the very end, is line ending too: a value never
        // changes when a line is added after it.
        if (line.contentEnd > pos && text[line.contentEnd - 1] == '\r')
            --line.contentEnd;
        classify(text, line);
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

// The file's own line ending, so that added lines match the rest.
QByteArray lineEnding(const QByteArray& text)
{
    const qsizetype nl = text.indexOf('\n');
    return (nl > 0 && text[nl - 1] == '\r') ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
}

// What finishes the text's last line before a line is added after it: nothing when it
// is finished, else the rest of a line ending, so that a CR already there stays line
// ending and never becomes part of the value before it.
QByteArray unfinishedLineEnding(const QByteArray& text, const QByteArray& nl)
{
    if (text.isEmpty() || text.endsWith('\n'))
        return QByteArray();
    return text.endsWith('\r') ? QByteArrayLiteral("\n") : nl;
}

bool hasLineBreakOrNul(const QByteArray& s)
{
    return s.contains('\n') || s.contains('\r') || s.contains('\0');
}

bool isStorableName(const QByteArray& name)
{
    return !name.isEmpty() && !hasLineBreakOrNul(name) && trimmed(name) == QByteArrayView(name);
}

// Index of the first line of the section's first occurrence, or -1.
qsizetype findSection(const std::vector<Line>& lines, const QByteArray& section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == Kind::Section && sameName(lines[i].name, section))
            return qsizetype(i);
    }
    return -1;
}

} // namespace

bool IsStorableSection(const QByteArray& name)
{
    return isStorableName(name) && !name.contains(']');
}

bool IsStorableKey(const QByteArray& name)
{
    return isStorableName(name) && !name.contains('=') && name.front() != ';' &&
           name.front() != '[';
}

bool IsStorableValue(const QByteArray& value)
{
    return !hasLineBreakOrNul(value);
}

std::optional<QByteArray> FindValue(const QByteArray& text, const QByteArray& section,
                                    const QByteArray& key)
{
    const std::vector<Line> lines = splitLines(text);
    const qsizetype header = findSection(lines, section);
    if (header < 0)
        return std::nullopt;
    for (std::size_t i = header + 1; i < lines.size() && lines[i].kind != Kind::Section; ++i) {
        const Line& line = lines[i];
        if (line.kind == Kind::Key && sameName(line.name, key))
            return text.sliced(line.valueBegin, line.contentEnd - line.valueBegin);
    }
    return std::nullopt;
}

bool SetValue(QByteArray& text, const QByteArray& section, const QByteArray& key,
              const QByteArray& value)
{
    if (!IsStorableSection(section) || !IsStorableKey(key) || !IsStorableValue(value))
        return false;

    const QByteArray nl = lineEnding(text);
    const QByteArray entry = key + '=' + value;
    const std::vector<Line> lines = splitLines(text);
    const qsizetype header = findSection(lines, section);

    if (header < 0) {
        QByteArray added;
        if (!text.isEmpty()) {
            added += unfinishedLineEnding(text, nl);
            if (lines.back().kind != Kind::Blank)
                added += nl; // a blank line between sections
        }
        added += '[' + section + ']' + nl + entry + nl;
        text += added;
        return true;
    }

    qsizetype lastKey = header;
    for (std::size_t i = header + 1; i < lines.size() && lines[i].kind != Kind::Section; ++i) {
        const Line& line = lines[i];
        if (line.kind != Kind::Key)
            continue;
        if (sameName(line.name, key)) {
            const QByteArray replaced = line.name.toByteArray() + '=' + value;
            text.replace(line.begin, line.contentEnd - line.begin, replaced);
            return true;
        }
        lastKey = qsizetype(i);
    }

    const Line& after = lines[lastKey];
    if (!text.endsWith('\n') && after.next == text.size()) // the last line, unterminated
        text.append(unfinishedLineEnding(text, nl) + entry + nl);
    else
        text.insert(after.next, entry + nl);
    return true;
}

void DeleteSection(QByteArray& text, const QByteArray& section)
{
    const std::vector<Line> lines = splitLines(text);
    QByteArray kept;
    kept.reserve(text.size());
    bool inside = false;
    for (const Line& line : lines) {
        if (line.kind == Kind::Section)
            inside = sameName(line.name, section);
        if (!inside || line.kind == Kind::Comment)
            kept += QByteArrayView(text.constData() + line.begin, line.next - line.begin);
    }
    text = kept;
}

UINT ParseInt(const QByteArray& value, UINT nDefault)
{
    qsizetype i = 0;
    while (i < value.size() && isBlank(value[i]))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
        negative = value[i++] == '-';
    const qsizetype firstDigit = i;
    qint64 magnitude = 0;
    constexpr qint64 limit = 0xFFFFFFFFLL; // BlockSize is unsigned; "%d" writes signed
    while (i < value.size() && value[i] >= '0' && value[i] <= '9') {
        magnitude = magnitude * 10 + (value[i++] - '0');
        if (magnitude > limit)
            return nDefault;
    }
    if (i == firstDigit)
        return nDefault;
    if (negative) {
        if (magnitude > 0x80000000LL)
            return nDefault;
        return UINT(-magnitude);
    }
    return UINT(magnitude);
}

std::optional<QByteArray> ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return text;
}

bool WriteFileAtomically(const QString& path, const QByteArray& text)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() overlooks a failure of its own final flush (a full disk, a size limit)
    // and would put the cut file in place, so flush and check before it.
    if (file.write(text) != text.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace Ini
