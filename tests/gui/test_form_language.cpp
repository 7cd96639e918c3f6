// The built window in each language: the locale picks the form's template, its font and
// texts, the menu and the strings; the Japanese-only keys and toolbar serve every locale.
// A language is chosen once, so each locale gets a program of its own.
#include "form_test.h"

#include "platform/strings.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QMenuBar>
#include <QToolBar>

namespace {

struct LanguageCase
{
    const char* locale;
    short formWidth; // dialog units; every form is 168 high
    QFontDatabase::WritingSystem script;
    const char* fileList;
    const char* targetPort;
    const char* output;
    const char* group;
    const char* filePopup;
    const char* rejection;
    const char* newTip;
};

const LanguageCase kCases[] = {
    {"en_US.UTF-8", 255, QFontDatabase::Latin, "File List", "Target Port", "Output",
     "Output Block Size", "&File", "Please enter a positive integer.", "New"},
    {"ja_JP.UTF-8", 231, QFontDatabase::Japanese, "ﾌｧｲﾙﾘｽﾄ", "出力先", "出力", "出力ﾌﾞﾛｯｸｻｲｽﾞ ",
     "ﾌｧｲﾙ(&F)", "正の整数を入力してください。", "新規ﾌｧｲﾙ"},
    {"de_DE.UTF-8", 255, QFontDatabase::Latin, "File List", "Target Port", "Output",
     "Output Block Size", "&File", "Please enter a positive integer.", "New"},
};

class FormLanguageTest : public FormTest, public ::testing::WithParamInterface<LanguageCase>
{
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        AfxSetResourceLanguage(AfxLanguageFromLocaleName(QString::fromLatin1(GetParam().locale)));
        ASSERT_TRUE(Start());
    }
    void TearDown() override
    {
        FormTest::TearDown();
        AfxSetResourceLanguage(ResourceLanguage::English);
    }
    QStringList LabelTexts() const
    {
        QStringList texts;
        for (const QLabel* label : View()->GetFormWidget()->findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }
};

TEST_P(FormLanguageTest, TheFormIsBuiltFromItsTemplateInItsFont)
{
    const LanguageCase& c = GetParam();
    QWidget* form = View()->GetFormWidget();

    // Dialog units: x·cx/4 and y·cy/8, with the average character cell of the font.
    const QFontMetrics metrics(form->font());
    const int cx = (metrics.horizontalAdvance(
                        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                        26 +
                    1) /
                   2;
    const int cy = metrics.height();
    EXPECT_EQ(form->size(), QSize(c.formWidth * cx / 4, 168 * cy / 8));
    EXPECT_EQ(
        Item(IDC_FILE_LIST)->geometry(),
        QRect(8 * cx / 4, 18 * cy / 8, (c.formWidth == 255 ? 180 : 154) * cx / 4, 70 * cy / 8));

    // The face that stands in for the template's covers the language's script.
    const QString family = QFontInfo(form->font()).family();
    EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(c.script)) << family.toStdString();
    EXPECT_EQ(form->font().pointSize(), 9);

    EXPECT_EQ(qobject_cast<QPushButton*>(Item(IDC_OUTPUT))->text(), QString::fromUtf8(c.output));
    for (const auto& [id, text] : {std::pair{IDC_ADD, "Add"}, {IDC_INS, "Ins"}, {IDC_DEL, "Del"}})
        EXPECT_EQ(qobject_cast<QPushButton*>(Item(id))->text(), text);
    const QStringList labels = LabelTexts();
    EXPECT_TRUE(labels.contains(QString::fromUtf8(c.fileList)));
    EXPECT_TRUE(labels.contains(QString::fromUtf8(c.targetPort)));
    EXPECT_TRUE(labels.contains(QStringLiteral("KBytes")));
    const auto* group = form->findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QString::fromUtf8(c.group));
}

TEST_P(FormLanguageTest, NoTextIsCutOff)
{
    QWidget* form = View()->GetFormWidget();
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
            << label->text().toStdString();
        EXPECT_LE(metrics.height(), label->height()) << label->text().toStdString();
    }
    for (const QPushButton* button : form->findChildren<QPushButton*>()) {
        const QFontMetrics metrics(button->font());
        EXPECT_LT(metrics.horizontalAdvance(button->text()), button->width() - 4)
            << button->text().toStdString();
    }
    // The title sits on the frame line, a character in from the corner.
    const auto* group = form->findChild<QGroupBox*>();
    const QFontMetrics metrics(group->font());
    EXPECT_LE(metrics.horizontalAdvance(group->title()) + 2 * metrics.averageCharWidth(),
              group->width());
}

TEST_P(FormLanguageTest, MenuAndStringsFollowTheLocale)
{
    const LanguageCase& c = GetParam();
    const QList<QAction*> menus = Frame()->GetMainWindow()->menuBar()->actions();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.front()->text(), QString::fromUtf8(c.filePopup));

    BlockSizeBox()->setText(QStringLiteral("x"));
    EXPECT_FALSE(View()->UpdateData(true));
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_EQ(m_boxes.boxes[0].text, QString::fromUtf8(c.rejection));
    EXPECT_EQ(m_boxes.boxes[0].caption, "Rawcast");
}

TEST_P(FormLanguageTest, TheJapaneseKeysAndToolbarServeEveryLocale)
{
    const QList<QAction*> buttons = Frame()->m_wndToolBar.GetToolBar()->actions();
    ASSERT_EQ(buttons.size(), 4);
    EXPECT_EQ(buttons[0]->data().toUInt(), ID_FILE_NEW);
    EXPECT_EQ(buttons[1]->data().toUInt(), ID_FILE_OPEN);
    EXPECT_TRUE(buttons[2]->isSeparator());
    EXPECT_EQ(buttons[3]->data().toUInt(), ID_FILE_PRINT);
    for (int i : {0, 1, 3})
        EXPECT_FALSE(buttons[i]->icon().isNull()) << i;
    EXPECT_EQ(buttons[0]->toolTip(), QString::fromUtf8(GetParam().newTip));

    // Ctrl+P sends the list; Ctrl+N empties it.
    Fill({m_files.write("one.prn", 100)});
    QTest::keyClick(Item(IDC_FILE_LIST), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(m_spooler.writes, std::vector<std::size_t>{100});
    QTest::keyClick(Item(IDC_FILE_LIST), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(Entries().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Locales, FormLanguageTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             return std::string(info.param.locale).substr(0, 2);
                         });

} // namespace
