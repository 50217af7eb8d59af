#include "FormAbout.h"
#include "Form1.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(FormAbout, ShowsVersionDisclaimerAndLibraries)
{
    FormAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(about.LabelW2->text(), QStringLiteral("XML-Выписка"));
    EXPECT_EQ(about.LabelW1->text(), QStringLiteral("Версия: 1.0.0"));
    EXPECT_EQ(about.Command1->text(), QStringLiteral("Ok"));

    const QStringList lines = FormAbout::InformationText().split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 5);
    // No-break spaces keep the quoted words on one line.
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral(
        "Данная программа предоставляется по принципу \"как\u00A0есть\" (\"AS\u00A0IS\").")));
    EXPECT_TRUE(lines[0].endsWith(
        QStringLiteral("Продолжая пользоваться программой, вы принимаете данные условия.")));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("Сторонние библиотеки в составе продукта:"));
    for (int i = 3; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("- "))) << lines[i].toStdString();
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("- libzip ")));
    EXPECT_TRUE(FormAbout::InformationText().contains(QStringLiteral("- Qt Widgets ")));
    EXPECT_EQ(FormAbout::InformationText().count(QStringLiteral("\r\n\r\n")), 1);
}

TEST(FormAbout, DraggingTheLogoMovesTheBoxWithTheLeftButtonOnly)
{
    FormAbout about;
    about.move(100, 100);
    about.show();
    const QPoint start = about.pos();
    QTest::mousePress(about.AlphaLogo, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseMove(about.AlphaLogo, QPoint(60, 40));
    QTest::mouseRelease(about.AlphaLogo, Qt::RightButton, {}, QPoint(60, 40));
    EXPECT_EQ(about.pos(), start);
    QTest::mousePress(about.AlphaLogo, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 40), about.AlphaLogo->mapToGlobal(QPointF(60, 40)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(about.AlphaLogo, &move);
    EXPECT_EQ(about.pos(), start + QPoint(50, 30));
}

TEST(FormAbout, ClickingTheMainLogoOpensTheBoxModally)
{
    Form1 window(QStringLiteral(VYPISKA_SOURCE_DIR "/config"));
    window.show();
    QString title;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<FormAbout*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        modal = box->isModal();
        box->Command1->click();
    });
    QTest::mouseClick(window.AlphaLogo, Qt::LeftButton);
    EXPECT_EQ(title, QStringLiteral("О программе"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(window.AlphaLogo->cursor().shape(), Qt::PointingHandCursor);
}
