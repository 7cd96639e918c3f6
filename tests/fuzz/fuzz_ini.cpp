// Arbitrary bytes as the profile file, read and edited through the profile functions.
// Beyond "no crash": a write that succeeds reads back, a deleted section is gone, and
// neither disturbs a key of another section.

#include "platform/winapp.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

const char* const kNames[] = {"Default", "BlockSize", "Printer",      "Recent File List",
                              "File1",   "Settings",  "PreviewPages", "default",
                              "",        " Default",  "[Default]",    "Key=Value"};

const char* const kValues[] = {"",    "10",       "cups,queue,ipp://host/q", " spaced ", "a\nb",
                               "x\r", "[Default]"};

// A name from the list above, or one cut from a line of the file so that the edit meets
// what the file holds: a section's name, a key's name or the whole line.
QString pickName(FuzzedDataProvider& control, const QList<QByteArray>& lines)
{
    const auto choice = control.ConsumeIntegralInRange<size_t>(0, std::size(kNames) + 2);
    if (choice < std::size(kNames) || lines.isEmpty())
        return QString::fromUtf8(kNames[choice % std::size(kNames)]);
    QByteArray line = lines[control.ConsumeIntegralInRange<qsizetype>(0, lines.size() - 1)];
    if (choice == std::size(kNames)) {
        const qsizetype open = line.indexOf('['), close = line.indexOf(']');
        if (open >= 0 && close > open)
            line = line.mid(open + 1, close - open - 1);
    } else if (choice == std::size(kNames) + 1) {
        line = line.left(line.indexOf('='));
    }
    return QString::fromUtf8(line.trimmed());
}

QString pickValue(FuzzedDataProvider& control, const QList<QByteArray>& lines)
{
    const auto choice = control.ConsumeIntegralInRange<size_t>(0, std::size(kValues) + 1);
    if (choice < std::size(kValues))
        return QString::fromUtf8(kValues[choice]);
    if (choice == std::size(kValues))
        return QString(5000, QLatin1Char('v'));
    return lines.isEmpty() ? QString() : QString::fromUtf8(lines.front());
}

// Section names match without regard to ASCII case, blanks around them ignored.
bool sameSection(const QString& a, const QString& b)
{
    return a.toUtf8().trimmed().toLower() == b.toUtf8().trimmed().toLower();
}

// In memory where there is a tmpfs: every profile write is synced to disk.
QString scratchTemplate()
{
    const QString shm = QStringLiteral("/dev/shm");
    return (QDir(shm).exists() ? shm : QDir::tempPath()) + QStringLiteral("/fuzz_ini-XXXXXX");
}

struct Profile
{
    QTemporaryDir dir{scratchTemplate()};
    CWinApp app;
    Profile() { app.m_pszProfileName = dir.filePath(QStringLiteral("rawcast.INI")); }
};

Profile& profile()
{
    static Profile p; // removed with its folder when the run ends
    return p;
}

// A broken promise: says which, with the names in play, and stops the run. The folder
// goes first, as a crashing run never reaches the static destructors.
#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "fuzz_ini: %s failed at line %d for [%s] %s / [%s] %s\n",         \
                         #condition, __LINE__, qPrintable(section), qPrintable(key),               \
                         qPrintable(other), qPrintable(otherKey));                                 \
            profile().dir.remove();                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Choices come from the end of the input, the file from the rest.
    const size_t controlBytes = std::min<size_t>(size, 12);
    FuzzedDataProvider choices(data + size - controlBytes, controlBytes);
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size - controlBytes));
    const QList<QByteArray> lines = body.split('\n');

    const QString section = pickName(choices, lines);
    const QString key = pickName(choices, lines);
    const QString other = pickName(choices, lines);
    const QString otherKey = pickName(choices, lines);
    const QString value = pickValue(choices, lines);

    CWinApp& app = profile().app;
    {
        QFile file(app.m_pszProfileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(body);
    }

    const QString absent = QStringLiteral("\x01absent");
    app.GetProfileInt(section, key, 10);
    CHECK(app.GetProfileString(section, key, absent).size() <= 4095);
    const bool independent = !sameSection(section, other);
    const QString otherBefore = app.GetProfileString(other, otherKey, absent);

    if (app.WriteProfileString(section, key, value)) {
        CHECK(app.GetProfileString(section, key, absent) == value.left(4095));
        if (independent)
            CHECK(app.GetProfileString(other, otherKey, absent) == otherBefore);
    }
    if (app.WriteProfileInt(section, key, int(value.size()) - 32)) {
        CHECK(int(app.GetProfileInt(section, key, 10)) == int(value.size()) - 32);
        if (independent)
            CHECK(app.GetProfileString(other, otherKey, absent) == otherBefore);
    }

    CHECK(app.WriteProfileString(section, nullptr, QString()));
    CHECK(app.GetProfileString(section, key, absent) == absent);
    if (independent)
        CHECK(app.GetProfileString(other, otherKey, absent) == otherBefore);
    return 0;
}
