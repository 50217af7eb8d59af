#include "TemplateSection.h"

#include <optional>

namespace {

// No directive is longer; longer text in "{=" … "}" stays as it is, unreported.
constexpr qsizetype kLongestDirective = 512;
// Only names of sane length are reported, and only so many: the report goes into one line of
// status text.
constexpr qsizetype kLongestReportedName = 64;
constexpr qsizetype kMostReported = 20;

bool IsNameLike(QStringView inner)
{
    if (inner.isEmpty() || inner.size() > kLongestReportedName)
        return false;
    for (const QChar c : inner) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('_'))
            return false;
    }
    return true;
}

std::optional<StampKind> StampNamed(QStringView name)
{
    if (name.compare(QLatin1String("MakeDate"), Qt::CaseInsensitive) == 0)
        return StampKind::MakeDate;
    if (name.compare(QLatin1String("MakeTime"), Qt::CaseInsensitive) == 0)
        return StampKind::MakeTime;
    if (name.compare(QLatin1String("ACC"), Qt::CaseInsensitive) == 0)
        return StampKind::Account;
    return std::nullopt;
}

TemplatePiece TextPiece(const QString& text)
{
    TemplatePiece piece;
    piece.text = text;
    return piece;
}

struct TotalWord {
    const char* word;
    TotalKind kind;
    bool takesColumn;
};

constexpr TotalWord kTotals[] = {
    {"count", TotalKind::Count, false},     {"sum", TotalKind::Sum, true},
    {"min", TotalKind::Min, true},          {"max", TotalKind::Max, true},
    {"debits", TotalKind::Debits, true},    {"credits", TotalKind::Credits, true},
    {"opening", TotalKind::Opening, false}, {"closing", TotalKind::Closing, true},
};

} // namespace

TemplateSection::TemplateSection(QStringView text, SectionKind kind, const ColumnNames& names)
    : m_kind(kind), m_names(names)
{
    qsizetype copied = 0;
    qsizetype close = -1;
    for (qsizetype open = text.indexOf(QLatin1Char('{')); open >= 0;
         open = text.indexOf(QLatin1Char('{'), open + 1)) {
        // One search for the closing brace serves every opening brace before it.
        if (close < open && (close = text.indexOf(QLatin1Char('}'), open)) < 0)
            break;
        const QStringView inner = text.mid(open + 1, close - open - 1);
        AddText(text.mid(copied, open - copied));
        copied = open;
        const bool taken = inner.startsWith(QLatin1Char('=')) ? TakeDirective(inner.mid(1))
                                                              : TakePlaceholder(inner);
        if (taken) {
            copied = close + 1;
            open = close;
        }
    }
    AddText(text.mid(copied));
    for (const qsizetype condition : std::as_const(m_open)) {
        m_pieces[condition].end = m_pieces.size();
        Report(m_pieces[condition].text);
    }
}

bool TemplateSection::TakePlaceholder(QStringView inner)
{
    TemplatePiece piece;
    if (m_kind == SectionKind::Header) {
        const std::optional<StampKind> stamp = StampNamed(inner);
        if (!stamp)
            return false;
        piece.kind = TemplatePiece::Kind::Stamp;
        piece.stamp = *stamp;
        Add(piece);
        return true;
    }
    if (m_kind == SectionKind::Footer)
        return false;
    piece.column = m_names.Find(inner);
    if (piece.column < 0) {
        if (IsNameLike(inner))
            Report(QLatin1Char('{') + inner.toString() + QLatin1Char('}'));
        return false;
    }
    piece.kind = TemplatePiece::Kind::Column;
    Add(piece);
    return true;
}

bool TemplateSection::TakeDirective(QStringView body)
{
    if (body.size() > kLongestDirective)
        return false;
    const QString words = body.toString().simplified();
    const qsizetype space = words.indexOf(QLatin1Char(' '));
    const QString word = words.left(space).toLower();
    const QStringView argument = space < 0 ? QStringView() : QStringView(words).mid(space + 1);
    if (TakeTotal(word, argument) || TakeCondition(word, argument) || TakeAmount(word, argument))
        return true;
    Report(QLatin1String("{=") + words + QLatin1Char('}'));
    return false;
}

bool TemplateSection::TakeTotal(const QString& word, QStringView argument)
{
    for (const TotalWord& total : kTotals) {
        if (word != QLatin1String(total.word))
            continue;
        TemplatePiece piece;
        piece.kind = TemplatePiece::Kind::Total;
        piece.total = total.kind;
        if (total.takesColumn) {
            piece.column = ColumnOf(argument);
            if (piece.column < 0)
                return false;
        } else if (total.kind == TotalKind::Count && !argument.isEmpty()) {
            piece.forms = argument.toString().split(QLatin1Char(' '));
            if (piece.forms.size() != 3)
                return false;
        } else if (!argument.isEmpty()) {
            return false;
        }
        Add(piece);
        return true;
    }
    return false;
}

bool TemplateSection::TakeCondition(const QString& word, QStringView argument)
{
    if (m_kind != SectionKind::Document)
        return false;
    TemplatePiece piece;
    if (word == QLatin1String("end") && argument.isEmpty()) {
        if (m_open.isEmpty())
            return false;
        m_pieces[m_open.takeLast()].end = m_pieces.size();
        piece.kind = TemplatePiece::Kind::End;
        Add(piece);
        return true;
    }
    if (word == QLatin1String("debit") && argument.isEmpty()) {
        piece.test = TestKind::Debit;
    } else if (word == QLatin1String("credit") && argument.isEmpty()) {
        piece.test = TestKind::Credit;
    } else if (word == QLatin1String("if")) {
        piece.test = TestKind::HasValue;
        piece.column = ColumnOf(argument);
        if (piece.column < 0)
            return false;
    } else {
        return false;
    }
    piece.kind = TemplatePiece::Kind::Condition;
    // Kept to name the condition should its {=end} be missing.
    piece.text = QLatin1String("{=") + word +
                 (argument.isEmpty() ? QString() : QLatin1Char(' ') + argument.toString()) +
                 QLatin1Char('}');
    m_open.append(m_pieces.size());
    Add(piece);
    return true;
}

bool TemplateSection::TakeAmount(const QString& word, QStringView argument)
{
    if (m_kind != SectionKind::Document || word != QLatin1String("amount"))
        return false;
    TemplatePiece piece;
    piece.kind = TemplatePiece::Kind::Column;
    piece.column = ColumnOf(argument);
    piece.asAmount = true;
    if (piece.column < 0)
        return false;
    Add(piece);
    return true;
}

int TemplateSection::ColumnOf(QStringView name) const
{
    // A directive always names its column; a tag string's empty name is for "{}" alone.
    return name.isEmpty() ? -1 : m_names.Find(name);
}

void TemplateSection::AddText(QStringView text)
{
    if (text.isEmpty())
        return;
    if (!m_pieces.isEmpty() && m_pieces.last().kind == TemplatePiece::Kind::Text)
        m_pieces.last().text += text;
    else
        Add(TextPiece(text.toString()));
}

void TemplateSection::Add(const TemplatePiece& piece)
{
    m_pieces.append(piece);
}

void TemplateSection::Report(const QString& text)
{
    if (m_unfilled.size() < kMostReported && !m_unfilled.contains(text))
        m_unfilled.append(text);
}
