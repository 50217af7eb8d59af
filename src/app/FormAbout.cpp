#include "FormAbout.h"

#include "AppVersion.h"
#include "ArchiveLibrary.h"
#include "Twips.h"
#include "WindowDrag.h"

#include <QLabel>
#include <QPushButton>
#include <QtGlobal>

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

FormAbout::FormAbout(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    const Twips twips(this);
    setFixedSize(twips.ToPixels(6420), twips.ToPixels(7200));

    AlphaLogo = new QLabel(this);
    AlphaLogo->setGeometry(twips.Rect(-60, 12, 6516, 2472));
    AlphaLogo->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    AlphaLogo->setScaledContents(true);
    const QString product = QString::fromUtf8(kProductName);
    LabelW2 = MakeLabel(this, product, twips.Rect(0, 2820, 6420, 432));
    QFont large = LabelW2->font();
    large.setPointSize(12);
    LabelW2->setFont(large);
    LabelW1 = MakeLabel(this, VersionText(), twips.Rect(0, 3276, 6420, 336));
    LabelW3 = MakeLabel(this, QStringLiteral("© 2026 Разработчики %1").arg(product),
                        twips.Rect(0, 3672, 6420, 336));
    LabelW4 = new QLabel(InformationText(), this);
    LabelW4->setGeometry(twips.Rect(168, 4176, 6072, 2232));
    LabelW4->setWordWrap(true);
    LabelW4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Command1 = new QPushButton(QStringLiteral("Ok"), this);
    Command1->setGeometry(twips.Rect(2448, 6576, 1560, 396));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    // Fonts wider than the design's Tahoma need more lines: the box grows rather than cutting text.
    const int extra = LabelW4->heightForWidth(LabelW4->width()) - LabelW4->height();
    if (extra > 0) {
        LabelW4->resize(LabelW4->width(), LabelW4->height() + extra);
        Command1->move(Command1->x(), Command1->y() + extra);
        setFixedSize(width(), height() + extra);
    }
    new WindowDrag(AlphaLogo, [](QPoint) { return true; });
}

QString FormAbout::VersionText()
{
    return QStringLiteral("Версия: %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

QString FormAbout::InformationText()
{
    const QString qt = QString::fromLatin1(qVersion());
    // No-break spaces keep each quoted phrase on one line, whatever the width of the font.
    return QStringLiteral("Данная программа предоставляется по принципу \"как\u00A0есть\" "
                          "(\"AS\u00A0IS\"). Автор не даёт никаких гарантий и не несёт никакой "
                          "ответственности. Продолжая пользоваться программой, вы принимаете "
                          "данные условия.") +
           QStringLiteral("\r\n\r\nСторонние библиотеки в составе продукта:") +
           QStringLiteral("\r\n- Qt Widgets ") + qt + QStringLiteral("\r\n- Qt GUI ") + qt +
           QStringLiteral("\r\n- Qt Core ") + qt + QStringLiteral("\r\n- Qt D-Bus ") + qt +
           QStringLiteral("\r\n- libzip ") + ArchiveLibraryVersion();
}
