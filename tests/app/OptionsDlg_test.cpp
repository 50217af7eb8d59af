#include "AnsiCodec.h"
#include "INIStorage.h"
#include "OptionsDlg.h"
#include "TestFiles.h"
#include "Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Types text as the keyboard would; QTest's typing knows only Latin-1 keys.
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

class OptionsDlgTest : public ::testing::Test {
protected:
    QString Stored(const char* key) const
    {
        return settings.ReadVal(1, key, QStringLiteral("<none>")).toString();
    }

    QTemporaryDir dir;
    INIStorage settings{dir.path()};
};

} // namespace

TEST_F(OptionsDlgTest, FirstRunShowsEmptyBoxesInTheDesignedLayout)
{
    OptionsDlg dialog(settings);
    EXPECT_TRUE(dialog.txtOrgName->text().isEmpty() && dialog.txtINN->text().isEmpty() &&
                dialog.txtACC->text().isEmpty());
    EXPECT_FALSE(dialog.CommandButtonW3->isEnabled());
    EXPECT_FALSE(dialog.CommandButtonW1->autoDefault() || dialog.CommandButtonW2->autoDefault() ||
                 dialog.CommandButtonW3->autoDefault());
    const Twips twips(&dialog);
    EXPECT_EQ(dialog.size(), QSize(twips.ToPixels(7992), twips.ToPixels(3864)));
    EXPECT_EQ(dialog.txtINN->geometry(), twips.Rect(1716, 888, 3756, 312));
    EXPECT_EQ(dialog.txtBalance->geometry(), twips.Rect(1716, 1800, 3756, 312));
    EXPECT_EQ(dialog.CommandButtonW3->geometry(), twips.Rect(6372, 3300, 1452, 384));
}

TEST_F(OptionsDlgTest, NumberBoxesTakeOnlyDigitsUpToTheirLength)
{
    OptionsDlg dialog(settings);
    dialog.show();
    QTest::keyClicks(dialog.txtINN, "77o1234560 12-345");
    QTest::keyClicks(dialog.txtACC, "4070281043800001234512345");
    EXPECT_EQ(dialog.txtINN->text(), "771234560123");
    EXPECT_EQ(dialog.txtACC->text(), "40702810438000012345");
    dialog.txtACC->clear();
    Type(dialog.txtACC, QStringLiteral("١٢٣"));
    EXPECT_EQ(dialog.txtACC->text(), "") << "digits of other scripts are refused";

    // A paste keeps its digits, separators dropped, up to the box's limit.
    const struct {
        const char* before;
        int cursor;
        const char* pasted;
        const char* after;
    } pastes[] = {
        {"", 0, " 7707083893 ", "7707083893"},
        {"", 0, "7707-083-893", "7707083893"},
        {"", 0, "ИНН: 500100732259, КПП 770101001", "500100732259"},
        {"77", 2, "07083893", "7707083893"},
        {"123456789012", 6, "99", "123456789012"}, // a full box takes nothing more
        {"1234567890", 5, "abc", "1234567890"},
        {"1234567890", 5, "555", "123455567890"}, // the overflow is cut from the paste's end
    };
    for (const auto& p : pastes) {
        dialog.txtINN->setText(p.before);
        dialog.txtINN->setCursorPosition(p.cursor);
        QApplication::clipboard()->setText(QString::fromUtf8(p.pasted));
        dialog.txtINN->paste();
        EXPECT_EQ(dialog.txtINN->text(), p.after) << p.pasted;
    }
}

TEST_F(OptionsDlgTest, StoredValuesAppearTrimmedAndOkWithoutAnEditWritesNothing)
{
    const QByteArray before = AnsiCodec::Encode(
        QStringLiteral("[organization]\r\nname=  Ромашка  \r\ninn=7701234560\r\n"));
    WriteTestFile(dir.filePath("CONFIG.INI"), before);
    OptionsDlg dialog(settings);
    dialog.show();
    EXPECT_EQ(dialog.txtOrgName->text(), "Ромашка");
    EXPECT_EQ(dialog.txtINN->text(), "7701234560");
    EXPECT_FALSE(dialog.CommandButtonW3->isEnabled());
    dialog.CommandButtonW1->click();
    EXPECT_FALSE(dialog.isVisible());
    QFile after(dir.filePath("CONFIG.INI"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

TEST_F(OptionsDlgTest, OkAfterAnEditStoresTheTrimmedValues)
{
    OptionsDlg dialog(settings);
    dialog.show();
    Type(dialog.txtOrgName, QStringLiteral("  ООО «Ромашка»  "));
    EXPECT_TRUE(dialog.CommandButtonW3->isEnabled());
    dialog.CommandButtonW1->click();
    EXPECT_EQ(Stored("Name"), "ООО «Ромашка»");
    EXPECT_EQ(Stored("INN"), "<none>") << "an empty value reads as the default";
    EXPECT_EQ(dialog.txtOrgName->text(), "  ООО «Ромашка»  ");
    EXPECT_FALSE(QFile::exists(dir.filePath("USER.INI")));
}

TEST_F(OptionsDlgTest, AppliedValuesStayWhileUnappliedEditsAreLost)
{
    OptionsDlg dialog(settings);
    dialog.show();
    QTest::keyClicks(dialog.txtACC, "40702810438000012345");
    dialog.CommandButtonW3->click();
    EXPECT_TRUE(dialog.CommandButtonW3->isEnabled());
    QTest::keyClicks(dialog.txtINN, "7701234560");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << "Esc does not close the dialog";
    dialog.CommandButtonW2->click();
    EXPECT_EQ(Stored("ACC"), "40702810438000012345");
    EXPECT_EQ(Stored("INN"), "<none>");
    OptionsDlg again(settings);
    EXPECT_EQ(again.txtACC->text(), "40702810438000012345");
    EXPECT_TRUE(again.txtINN->text().isEmpty());
}

TEST_F(OptionsDlgTest, AnInnOfAWrongLengthOrWithWrongCheckDigitsIsMarkedButStored)
{
    OptionsDlg dialog(settings);
    dialog.show();
    const QString length = OptionsDlg::InnLengthText();
    const QString digits = OptionsDlg::WrongInnText();
    const struct {
        const char* inn;
        bool left; // the box has lost the focus
        QString tip; // empty: not marked
    } cases[] = {
        {"770123456", false, {}}, // still being typed
        {"770123456", true, length},
        {"77012345601", true, length},
        {"7", true, length},
        {"7701234561", true, digits},
        {"7701234560", true, {}},
        {"500100732258", true, digits},
        {"500100732259", true, {}},
        {"", true, {}},
    };
    for (const auto& c : cases) {
        dialog.txtINN->setFocus();
        dialog.txtINN->setText(c.inn);
        if (c.left) {
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(dialog.txtINN, &out);
        }
        EXPECT_EQ(dialog.txtINN->toolTip(), c.tip) << c.inn << " " << c.left;
        EXPECT_EQ(dialog.txtINN->styleSheet().contains("color"), !c.tip.isEmpty()) << c.inn;
    }
    dialog.txtINN->setText("77012345611");
    dialog.CommandButtonW3->click();
    EXPECT_EQ(Stored("INN"), "77012345611");
    OptionsDlg again(settings);
    EXPECT_EQ(again.txtINN->toolTip(), length) << "a stored number is judged at once";
}

TEST_F(OptionsDlgTest, TheOpeningBalanceIsStoredAsAnAmountOrNotAtAll)
{
    const struct {
        const char* typed;
        const char* shown; // what the box took
        const char* stored;
    } cases[] = {
        {"15000", "15000", "15000.00"},
        {"1 234,5", "1 234,5", "1234.50"},
        {"-250.05", "-250.05", "-250.05"},
        {"12,345", "12,34", "12.34"},
        {"1e5руб", "15", "15.00"},
        {"", "", "<none>"},
        {"-", "-", "refused"},
        {",", ",", "refused"},
    };
    for (const auto& c : cases) {
        QFile::remove(dir.filePath("CONFIG.INI"));
        OptionsDlg dialog(settings);
        dialog.show();
        Type(dialog.txtBalance, QString::fromUtf8(c.typed));
        dialog.txtOrgName->setText("Ромашка");
        EXPECT_EQ(dialog.txtBalance->text(), QString::fromUtf8(c.shown)) << c.typed;
        dialog.CommandButtonW1->click();
        const bool refused = QByteArray(c.stored) == "refused";
        EXPECT_EQ(dialog.isVisible(), refused) << c.typed;
        EXPECT_EQ(dialog.txtBalance->toolTip() == OptionsDlg::WrongBalanceText(), refused);
        EXPECT_EQ(Stored("Name"), refused ? "<none>" : "Ромашка") << c.typed;
        EXPECT_EQ(Stored("OpeningBalance"), refused ? "<none>" : QString::fromUtf8(c.stored))
            << c.typed;
    }
    WriteTestFile(dir.filePath("CONFIG.INI"), "[Organization]\r\nOpeningBalance= -7.00 \r\n");
    EXPECT_EQ(OptionsDlg(settings).txtBalance->text(), "-7.00");
}
