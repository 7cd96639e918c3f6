#include "res/resource.h"
#include "res_test_util.h"

#include <QFile>
#include <QRegularExpression>

// The desktop entry and the AppStream file carry the version and icon of the resources.

namespace {

QString readSource(const char* path)
{
    QFile file(QString::fromUtf8(RAWCAST_SOURCE_DIR "/res/") + QString::fromUtf8(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return QString::fromUtf8(file.readAll());
}

std::string productVersion()
{
    for (const VersionString& s : AfxResourceSet(ResourceLanguage::English).versions[0].strings) {
        if (std::string(s.key) == "ProductVersion")
            return s.value;
    }
    return {};
}

} // namespace

TEST(Desktop, EntryStartsTheProgramWithItsIcon)
{
    const QString entry = readSource("rawcast.desktop");
    for (const char* line : {"Type=Application", "Name=Rawcast", "Exec=rawcast %F", "Icon=rawcast",
                             "Categories=Utility;Printing;"}) {
        EXPECT_TRUE(entry.contains(QRegularExpression(
            QStringLiteral("(^|\\n)%1(\\n|$)").arg(QRegularExpression::escape(line)))))
            << line;
    }
    for (const char* key : {"Name[ja]=", "Comment=", "Comment[ja]="})
        EXPECT_TRUE(entry.contains(QStringLiteral("\n") + QString::fromUtf8(key))) << key;
}

TEST(Desktop, MetainfoNamesTheReleaseOfTheVersionInformation)
{
    const QString metainfo = readSource("io.github.rawcast.Rawcast.metainfo.xml");
    const auto release =
        QRegularExpression(QStringLiteral("<release version=\"([^\"]+)\"")).match(metainfo);
    ASSERT_TRUE(release.hasMatch());
    EXPECT_EQ(str(release.captured(1)), productVersion());
    EXPECT_TRUE(metainfo.contains(
        QStringLiteral("<launchable type=\"desktop-id\">rawcast.desktop</launchable>")));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<id>io.github.rawcast.Rawcast</id>")));
}
