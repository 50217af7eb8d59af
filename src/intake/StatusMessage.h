#pragma once

#include <QString>

/// The colours of the status bar's text, packed as 0x00BBGGRR; Keep leaves the previous colour.
enum class StatusColor : qint32 { Keep = -1, Green = 0x8000, Red = 0xC0 };

/// A text for the status bar with its colour.
struct StatusMessage {
    QString text;
    StatusColor color = StatusColor::Keep;
};
