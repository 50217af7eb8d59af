#pragma once

#include "Form1.h"
#include "ReadController.h"
#include "TestFiles.h"

#include <QLineEdit>
#include <QTest>

inline const QString kConfigFolder = QStringLiteral(VYPISKA_SOURCE_DIR "/config");

/// A payment document with the requisites the window tests look at; empty ones are left out.
inline QByteArray Document(const QString& number, const QString& date, const QString& amount,
                           const QString& payer = {}, const QString& inn = {})
{
    QString text = QStringLiteral("<ПлатежноеПоручение>");
    const std::pair<const char*, QString> fields[] = {{"НомерДок", number},
                                                      {"ДатаДок", date},
                                                      {"СуммаДок", amount},
                                                      {"НаимПлат", payer},
                                                      {"ИННПлат", inn}};
    for (const auto& [name, value] : fields) {
        if (!value.isEmpty())
            text += QStringLiteral("<%1>%2</%1>").arg(QString::fromUtf8(name), value);
    }
    return (text + QStringLiteral("</ПлатежноеПоручение>")).toUtf8();
}

/// Puts a path into the input box and runs the read cycle at once, as the timer's tick would.
inline void ReadNow(Form1& window, const QString& path)
{
    window.TxtFileIn->setText(path);
    window.findChild<ReadController*>()->RunCycle();
}
