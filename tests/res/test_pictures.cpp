#include "res/resource.h"
#include "res_test_util.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

// The pictures are XPM text; the Widgets side turns them into pixmaps. Here the text
// is read by hand, to keep Qt Gui out.

namespace {

struct Xpm
{
    int width = 0;
    int height = 0;
    int colours = 0;
    bool transparent = false;
};

// Parses an XPM array; reports the first flaw as a test failure.
Xpm parseXpm(const char* const* xpm)
{
    Xpm image;
    int cpp = 0;
    const QStringList header = QString::fromLatin1(xpm[0]).split(' ', Qt::SkipEmptyParts);
    EXPECT_EQ(header.size(), 4) << xpm[0];
    if (header.size() != 4)
        return {};
    image.width = header[0].toInt();
    image.height = header[1].toInt();
    image.colours = header[2].toInt();
    cpp = header[3].toInt();
    EXPECT_EQ(cpp, 1) << xpm[0];
    if (cpp != 1 || image.colours < 1 || image.colours > 256)
        return {};

    static const QRegularExpression colourLine(QStringLiteral("^(.) c (None|#[0-9A-Fa-f]{6})$"));
    QSet<QChar> keys;
    for (int i = 1; i <= image.colours; ++i) {
        const auto match = colourLine.match(QString::fromLatin1(xpm[i]));
        EXPECT_TRUE(match.hasMatch()) << xpm[i];
        if (!match.hasMatch())
            return {};
        EXPECT_FALSE(keys.contains(match.captured(1)[0])) << "colour key twice: " << xpm[i];
        keys.insert(match.captured(1)[0]);
        image.transparent |= match.captured(2) == QLatin1String("None");
    }
    for (int row = 0; row < image.height; ++row) {
        const QString pixels = QString::fromLatin1(xpm[1 + image.colours + row]);
        EXPECT_EQ(pixels.size(), image.width) << "row " << row;
        for (QChar pixel : pixels)
            EXPECT_TRUE(keys.contains(pixel))
                << "row " << row << " uses '" << pixel.toLatin1() << "'";
    }
    return image;
}

} // namespace

TEST(Pictures, XpmSourcesHoldAsManyRowsAsTheirHeaderSays)
{
    // The arrays give no length, so the row count is checked on the files they include.
    const QDir dir(QStringLiteral(RAWCAST_SOURCE_DIR "/res/ja"));
    const QStringList files = dir.entryList({QStringLiteral("*.xpm")});
    ASSERT_EQ(files.size(), 3);
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]*)\""));
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << str(name);
        QStringList strings;
        for (const auto& match : quoted.globalMatch(QString::fromLatin1(file.readAll())))
            strings << match.captured(1);
        ASSERT_FALSE(strings.isEmpty()) << str(name);
        const QStringList header = strings[0].split(' ', Qt::SkipEmptyParts);
        ASSERT_EQ(header.size(), 4) << str(name);
        EXPECT_EQ(strings.size(), 1 + header[2].toInt() + header[1].toInt()) << str(name);
    }
}

TEST(Pictures, ToolbarBitmapAndIconHaveTheirSizesAndSixteenColoursAtMost)
{
    AfxSetResourceLanguage(ResourceLanguage::English);
    const ToolBarTemplate* toolbar = AfxFindToolBar(IDR_MAINFRAME);
    const BitmapResource* bitmap = AfxFindBitmap(IDR_MAINFRAME);
    const IconResource* icon = AfxFindIcon(IDR_MAINFRAME);
    ASSERT_TRUE(toolbar && bitmap && icon);

    EXPECT_EQ(toolbar->version, 1);
    const auto buttons = std::count_if(toolbar->items.begin(), toolbar->items.end(),
                                       [](WORD command) { return command != ID_SEPARATOR; });
    const Xpm strip = parseXpm(bitmap->xpm);
    EXPECT_EQ(strip.width, toolbar->width * buttons);
    EXPECT_EQ(strip.height, toolbar->height);
    EXPECT_EQ(strip.width, 48);
    EXPECT_EQ(strip.height, 15);
    EXPECT_LE(strip.colours, 16);

    // Large image first, then the small one; both with a transparent mask.
    ASSERT_EQ(icon->images.size(), 2u);
    const int sizes[] = {32, 16};
    for (size_t i = 0; i < icon->images.size(); ++i) {
        const Xpm image = parseXpm(icon->images[i]);
        EXPECT_EQ(image.width, sizes[i]);
        EXPECT_EQ(image.height, sizes[i]);
        EXPECT_LE(image.colours, 16);
        EXPECT_TRUE(image.transparent);
    }
}

TEST(Pictures, DesktopIconsHaveTheirSizes)
{
    for (int size : {16, 32, 48, 64, 128}) {
        QFile file(QStringLiteral(RAWCAST_SOURCE_DIR "/res/icons/rawcast-%1.png").arg(size));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << size;
        const QByteArray head = file.read(24);
        ASSERT_EQ(head.size(), 24);
        ASSERT_TRUE(head.startsWith("\x89PNG\r\n\x1a\n") && head.mid(12, 4) == "IHDR") << size;
        const auto be32 = [&](int at) {
            return (quint32(quint8(head[at])) << 24) | (quint32(quint8(head[at + 1])) << 16) |
                   (quint32(quint8(head[at + 2])) << 8) | quint32(quint8(head[at + 3]));
        };
        EXPECT_EQ(be32(16), quint32(size));
        EXPECT_EQ(be32(20), quint32(size));
    }
}
