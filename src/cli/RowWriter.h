#pragma once

#include <QString>

class DocumentTableModel;

/// Writes the document table as text for other programs: tab-separated values or JSON.
class RowWriter {
public:
    /// The captions, then one line per row with the display values; "\", tab, CR and LF inside a
    /// value are written "\\", "\t", "\r" and "\n". Lines end in LF.
    static QString Tsv(const DocumentTableModel& table);
    /// An array of {"path", "cells": [{"caption", "display", "raw"}]}, raw null for column 1.
    static QString Json(const DocumentTableModel& table);
    /// A value with the tab-separated escapes applied.
    static QString EscapeTsv(const QString& value);
};
