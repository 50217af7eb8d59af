#include "INIStorage.h"
#include "OptionsDlg.h"
#include "WindowTestSupport.h"

TEST(OptionsDlg, DigitsOnlyAWrongInnMarkedButStoredAndTheBalanceAnAmountOrNothing)
{
    QTemporaryDir dir;
    INIStorage settings(dir.path());
    const auto Stored = [&](const char* k) { return settings.ReadVal(1, k, "<none>").toString(); };
    OptionsDlg dialog(settings);
    EXPECT_FALSE(dialog.CommandButtonW3->isEnabled()) << "nothing to apply before an edit";
    dialog.show();
    QTest::keyClicks(dialog.txtACC, "4070281043800001234512345");
    EXPECT_EQ(dialog.txtACC->text(), "40702810438000012345");
    // A paste keeps its digits up to the box's limit; the cursor stands after what was taken.
    const std::tuple<QString, int, QString, QString, int> pastes[] = {
        {"", 0, " 7707083893 ", "7707083893", 10},
        {"", 0, "ИНН: 500100732259, КПП 770101001", "500100732259", 12},
        {"77", 2, "07083893", "7707083893", 10},
        {"123456789012", 6, "99", "123456789012", 6}, // a full box takes nothing more
        {"1234567890", 5, "555", "123455567890", 7},  // the overflow is cut from the paste's end
    };
    for (const auto& [before, cursor, pasted, after, cursorAfter] : pastes) {
        dialog.txtINN->setText(before);
        dialog.txtINN->setCursorPosition(cursor);
        QApplication::clipboard()->setText(pasted);
        dialog.txtINN->paste();
        EXPECT_EQ(dialog.txtINN->text() + "|" + QString::number(dialog.txtINN->cursorPosition()),
                  after + "|" + QString::number(cursorAfter));
    }
    const QString length = OptionsDlg::InnLengthText(), digits = OptionsDlg::WrongInnText();
    // The number, whether the box has lost the focus since, the tool tip (none: not marked).
    const std::tuple<QString, bool, QString> cases[] = {
        {"770123456", false, {}},      {"770123456", true, length},
        {"77012345601", true, length}, {"7701234561", true, digits},
        {"7701234560", true, {}},      {"500100732258", true, digits},
        {"500100732259", true, {}},    {"", true, {}}};
    for (const auto& [inn, left, tip] : cases) {
        dialog.txtINN->setText(inn);
        QFocusEvent out(QEvent::FocusOut);
        if (left)
            QApplication::sendEvent(dialog.txtINN, &out);
        EXPECT_EQ(dialog.txtINN->toolTip(), tip) << inn << " " << left;
        EXPECT_EQ(dialog.txtINN->styleSheet().contains("color"), !tip.isEmpty()) << inn;
    }
    dialog.txtINN->setText("77012345611");
    dialog.CommandButtonW3->click();
    EXPECT_EQ(Stored("INN"), "77012345611");
    dialog.txtINN->setText("7701234560");
    dialog.CommandButtonW2->click();
    EXPECT_TRUE(!dialog.isVisible() && Stored("INN") == "77012345611") << "Cancel drops edits";
    EXPECT_EQ(OptionsDlg(settings).txtINN->toolTip(), length)
        << "a stored number is judged at once";

    // The balance typed, what the box takes, what Ok stores (refused: nothing, the dialog stays).
    const std::tuple<QString, QString, QString> balances[] = {{"1 234,5", "1 234,5", "1234.50"},
                                                              {"-250.05", "-250.05", "-250.05"},
                                                              {"12,345", "12,34", "12.34"},
                                                              {"1e5", "15", "15.00"},
                                                              {"", "", "<none>"},
                                                              {"-", "-", "refused"}};
    for (const auto& [typed, shown, stored] : balances) {
        dialog.show();
        dialog.txtBalance->clear();
        QTest::keyClicks(dialog.txtBalance, typed);
        dialog.txtOrgName->setText("Ромашка" + typed);
        EXPECT_EQ(dialog.txtBalance->text(), shown) << typed;
        const QString before = Stored("OpeningBalance");
        dialog.CommandButtonW1->click();
        const bool refused = stored == "refused";
        EXPECT_TRUE(dialog.isVisible() == refused &&
                    dialog.txtBalance->styleSheet().contains("color") == refused &&
                    (dialog.txtBalance->toolTip() == OptionsDlg::WrongBalanceText()) == refused)
            << typed;
        EXPECT_EQ(Stored("OpeningBalance"), refused ? before : stored) << typed;
        EXPECT_EQ(Stored("Name"), "Ромашка" + (refused ? "" : typed)) << typed;
    }
    WriteTestFile(dir.filePath("CONFIG.INI"), "[Organization]\r\nOpeningBalance= -7.00 \r\n");
    EXPECT_EQ(OptionsDlg(settings).txtBalance->text(), "-7.00");
}
