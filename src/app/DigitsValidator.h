#pragma once

#include <QValidator>

/// Keeps a box to the digits 0 to 9, at most maxDigits of them: whatever else is typed or pasted
/// (spaces, dashes, letters, other scripts' digits) is dropped, and of an insertion that would
/// overflow the box only the digits that fit are kept.
class DigitsValidator : public QValidator {
    Q_OBJECT
public:
    DigitsValidator(int maxDigits, QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

private:
    int m_maxDigits;
};
