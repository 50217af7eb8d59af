#include "InputSelection.h"
#include "WindowTestSupport.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTreeView>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Delivers a drag and a drop of the urls to a widget; true when the drag was accepted.
bool DropOn(QWidget* target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return enter.isAccepted();
}

} // namespace

TEST(InputSelection, DropsOnTheBoxOrTheListTakeTheFirstAcceptablePath)
{
    QTemporaryDir root;
    const QString zip = WriteTestFile(root.filePath("PACK.Zip"), "x");
    const QString xml = WriteTestFile(root.filePath("doc.XML"), "x");
    const QString txt = WriteTestFile(root.filePath("a.txt"), "x");
    QDir().mkpath(root.filePath("in.2024"));
    const QString folder = root.filePath("in.2024");
    const struct {
        QList<QUrl> urls;
        QString expected; // empty: the box keeps its text
    } cases[] = {
        {{QUrl::fromLocalFile(zip)}, zip},
        {{QUrl::fromLocalFile(xml)}, xml},
        {{QUrl::fromLocalFile(folder)}, folder},
        {{QUrl::fromLocalFile(folder + "/")}, folder},
        {{QUrl::fromLocalFile(xml), QUrl::fromLocalFile(zip), QUrl::fromLocalFile(folder)}, xml},
        {{QUrl::fromLocalFile(txt)}, {}},
        {{QUrl::fromLocalFile(root.filePath("missing.xml"))}, {}},
        {{QUrl::fromLocalFile(txt), QUrl::fromLocalFile(zip)}, {}},
        {{QUrl("https://example.org/a.xml")}, {}},
    };
    for (const bool onList : {false, true}) {
        for (const auto& c : cases) {
            Form1 window(kConfigFolder);
            window.TxtFileIn->setText("before");
            QWidget* target =
                onList ? window.List->viewport() : static_cast<QWidget*>(window.TxtFileIn);
            EXPECT_EQ(DropOn(target, c.urls), !c.expected.isEmpty())
                << c.urls.first().toString().toStdString();
            EXPECT_EQ(window.TxtFileIn->text(),
                      c.expected.isEmpty() ? QString("before") : c.expected)
                << c.urls.first().toString().toStdString()
                << (onList ? " on the list" : " on the box");
        }
    }
}
