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

/// A payment document with the requisites the window tests look at; empty ones are left out.
inline QByteArray Document(const QString& number, const QString& date, const QString& amount,
                           const QString& payer = {}, const QString& inn = {})
{
    const QString names[] = {"НомерДок", "ДатаДок", "СуммаДок", "НаимПлат", "ИННПлат"};
    const QString values[] = {number, date, amount, payer, inn};
    QString text;
    for (int i = 0; i < 5; ++i)
        text += values[i].isEmpty() ? QString() : QString("<%1>%2</%1>").arg(names[i], values[i]);
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

/// Runs action, which may open a pop-up menu or a modal dialog; answer deals with what is open
/// (nullptr when nothing is) from the event loop, and must close it.
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
