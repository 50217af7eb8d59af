#pragma once

#include "CheckableHeader.h"
#include "DocumentTableModel.h"
#include "Form1.h"
#include "ReadController.h"
#include "StatusBar.h"
#include "TestFiles.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

/// Lets failure messages name texts.
inline std::ostream& operator<<(std::ostream& out, const QString& text)
{
    return out << text.toStdString();
}

inline const QString kConfigFolder = QStringLiteral(VYPISKA_SOURCE_DIR "/config");

/// A payment document with its number, date, amount, payer and INN; empty ones are left out.
inline QByteArray Document(const QStringList& values)
{
    const QStringList names = {"НомерДок", "ДатаДок", "СуммаДок", "НаимПлат", "ИННПлат"};
    QString text;
    for (int i = 0; i < values.size(); ++i)
        text += values[i].isEmpty() ? "" : QString("<%1>%2</%1>").arg(names[i], values[i]);
    return ("<ПлатежноеПоручение>" + text + "</ПлатежноеПоручение>").toUtf8();
}

/// The texts of one column of a model, top to bottom.
inline QStringList ColumnTexts(const QAbstractItemModel* model, int column,
                               int role = Qt::DisplayRole)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, column).data(role).toString());
    return texts;
}

/// Puts a path into the input box and runs the read cycle at once, as the timer's tick would.
inline void ReadNow(Form1& window, const QString& path)
{
    window.TxtFileIn->setText(path);
    window.findChild<ReadController*>()->RunCycle();
}

/// Runs action; answer gets the pop-up menu or modal dialog it opens, or nullptr, and closes it.
inline void Answering(const std::function<void(QWidget*)>& answer,
                      const std::function<void()>& action)
{
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        answer(popup ? popup : QApplication::activeModalWidget());
    });
    action();
    QCoreApplication::processEvents();
}

/// Hands an event straight to an event filter; true when the filter takes it.
inline bool Filtered(QObject* filter, QObject* watched, QEvent&& event)
{
    return filter->eventFilter(watched, &event);
}
