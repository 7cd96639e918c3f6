#include "platform/ddxparse.h"

namespace {
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

bool AfxParseUnsigned(const QString& fullText, DWORD& value)
{
    const QString text = fullText.left(31);
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    const QChar first = i < text.size() ? text[i] : QChar();
    if (first == QLatin1Char('-'))
        return false;

    qsizetype pos = i;
    if (pos < text.size() && text[pos] == QLatin1Char('+'))
        ++pos;
    std::uint64_t number = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        number = number * 10 + std::uint64_t(text[pos].unicode() - '0');
        if (number > 0xFFFFFFFFull)
            number = 0x100000000ull; // saturated; stays above the limit
        ++pos;
    }
    const DWORD parsed = number > 0xFFFFFFFFull ? 0xFFFFFFFFu : DWORD(number);

    // Zero counts only when written as a zero digit: empty text, letters and "+0" fail.
    if (parsed == 0 && first != QLatin1Char('0'))
        return false;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    if (pos != text.size())
        return false;
    value = parsed;
    return true;
}
