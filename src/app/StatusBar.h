#pragma once

#include "StatusMessage.h"

#include <QStatusBar>

class QFontMetrics;
class QLabel;

/// The status bar's single panel: a text whose colour is kept until a message sets another. A text
/// too long for the panel loses the middle of its quoted path, and the whole text is the status
/// bar's tool tip.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    void Show(const QString& text, StatusColor color);
    /// The whole text, as it was given.
    QString Text() const { return m_text; }
    /// The text as the panel shows it.
    QString ShownText() const;
    /// The colour of the text as 0x00BBGGRR.
    qint32 Color() const;

    /// The text cut to width pixels of the font: the middle of its part between the first and the
    /// last "'" gives way to "…"; a text without one, or whose path cannot shrink enough, loses
    /// its end.
    static QString Fit(const QString& text, const QFontMetrics& metrics, int width);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowFitted();

    QLabel* m_panel;
    QString m_text;
};
