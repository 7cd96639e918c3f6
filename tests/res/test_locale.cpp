#include "res_test_util.h"

#include <QProcess>
#include <QProcessEnvironment>

// The language is taken once from the system locale of the process: each case runs the
// probe in a child with its own environment.

TEST(SystemLocale, ChosenOnceFromTheEnvironment)
{
    struct Case
    {
        const char* lcAll;
        const char* lang;
        const char* expected; // language, Output's prompt, language after a change
    };
    const Case cases[] = {
        {nullptr, "ja_JP.UTF-8", "ja ﾌｧｲﾙを印刷 ja"},
        {nullptr, "en_US.UTF-8", "en Output en"},
        {nullptr, "de_DE.UTF-8", "en Output en"},
        {nullptr, "C", "en Output en"},
        {nullptr, nullptr, "en Output en"},
        {"ja_JP.UTF-8", "de_DE.UTF-8", "ja ﾌｧｲﾙを印刷 ja"},
        {"de_DE.UTF-8", "ja_JP.UTF-8", "en Output en"},
    };
    for (const Case& c : cases) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& key : env.keys()) {
            if (key.startsWith(QLatin1String("LC_")) || key == QLatin1String("LANG") ||
                key == QLatin1String("LANGUAGE"))
                env.remove(key);
        }
        if (c.lcAll)
            env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(c.lcAll));
        if (c.lang)
            env.insert(QStringLiteral("LANG"), QString::fromLatin1(c.lang));
        const std::string trace =
            std::string("LC_ALL=") + (c.lcAll ? c.lcAll : "") + " LANG=" + (c.lang ? c.lang : "");
        SCOPED_TRACE(trace);

        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(RAWCAST_LOCALE_PROBE), {});
        ASSERT_TRUE(probe.waitForFinished(10000));
        ASSERT_EQ(probe.exitCode(), 0);
        EXPECT_EQ(QString::fromUtf8(probe.readAllStandardOutput()).trimmed().toStdString(),
                  c.expected);
    }
}
