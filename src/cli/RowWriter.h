#pragma once

#include <QString>
#include <functional>

class DocumentTableModel;

/// Writes the document table as text for other programs: tab-separated values or JSON, piece by
/// piece, so that a large table is never held a second time as text.
class RowWriter {
public:
    /// Takes the next piece of text; false when it could not be written, which ends the writing.
    using Sink = std::function<bool(const QString&)>;

    /// The captions, then one line per row with the display values, each escaped as EscapeTsv
    /// says. Lines end in LF. False when the sink failed.
    static bool WriteTsv(const DocumentTableModel& table, const Sink& sink);
    /// An array of {"path", "cells": [{"caption", "display", "raw"}]}, raw null for column 1,
    /// indented. False when the sink failed.
    static bool WriteJson(const DocumentTableModel& table, const Sink& sink);
    /// A value with "\", tab, CR and LF written "\\", "\t", "\r" and "\n", and every other
    /// control character as "\x" and two hex digits (ESC as "\x1B"), so that a value can neither
    /// break the lines nor command a terminal.
    static QString EscapeTsv(const QString& value);
};
