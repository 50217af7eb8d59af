#pragma once

#include "TemplateFormats.h"

#include <QString>

/// An export template: its formats, a header written once, a document block written per checked
/// row and a footer, each read from the tag of its name. Missing sections read as empty.
class ExportTemplate {
public:
    /// Reads a Windows-1251 template file; false with errorString() naming it when it cannot be
    /// read, has no <document> section or declares an escape kind that does not exist.
    bool Load(const QString& path);
    /// Takes the sections from a template's text; decimal separator, date and time patterns
    /// default to the user's decimal separator, "dd.MM.yyyy" and "hh:mm" when missing or empty.
    void Parse(const QString& text);

    const TemplateFormats& Formats() const { return m_formats; }
    const QString& Header() const { return m_header; }
    const QString& Document() const { return m_document; }
    const QString& Footer() const { return m_footer; }
    /// True when the text has a <document> section, even an empty one.
    bool HasDocument() const { return m_hasDocument; }
    /// False when <escape> names no known kind; the formats then say EscapeKind::None.
    bool HasKnownEscape() const { return m_knownEscape; }
    QString errorString() const { return m_error; }

private:
    TemplateFormats m_formats;
    QString m_header;
    QString m_document;
    QString m_footer;
    bool m_hasDocument = false;
    bool m_knownEscape = true;
    QString m_error;
};
