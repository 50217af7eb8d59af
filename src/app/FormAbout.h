#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

/// The about box: logo, product name, version, rights notice, disclaimer and libraries.
class FormAbout : public QDialog {
    Q_OBJECT
public:
    explicit FormAbout(QWidget* parent = nullptr);

    /// The disclaimer, then an empty line and one line per library the program is built with.
    static QString InformationText();
    /// "Версия: " and major.minor.revision.
    static QString VersionText();

    QLabel* AlphaLogo = nullptr;
    QLabel* LabelW1 = nullptr;
    QLabel* LabelW2 = nullptr;
    QLabel* LabelW3 = nullptr;
    QLabel* LabelW4 = nullptr;
    QPushButton* Command1 = nullptr;
};
