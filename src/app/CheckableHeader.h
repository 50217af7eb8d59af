#pragma once

#include <QHeaderView>

/// A horizontal header that draws a check box in every section whose model header data carries a
/// check state, and reports clicks on it.
class CheckableHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit CheckableHeader(QWidget* parent = nullptr);

    /// The check state the section shows, or -1 when it has no check box.
    int CheckState(int logicalIndex) const;

signals:
    /// The user clicked the check box of a section; state is the state it asks for.
    void CheckBoxToggled(int logicalIndex, Qt::CheckState state);

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap CheckBoxPixmap(Qt::CheckState state) const;
    QRect CheckBoxRect(int logicalIndex) const;
};
