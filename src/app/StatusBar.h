#pragma once

#include "StatusMessage.h"

#include <QStatusBar>

class QLabel;

/// The status bar's single panel: a text whose colour is kept until a message sets another.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    void Show(const QString& text, StatusColor color);
    QString Text() const;
    /// The colour of the text as 0x00BBGGRR.
    qint32 Color() const;

private:
    QLabel* m_panel;
};
