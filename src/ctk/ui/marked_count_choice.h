#pragma once

#include <QWidget>

class QButtonGroup;
class QRadioButton;

namespace ctk::ui {

// The 3BOX choice of the count column written into a CTK file: three radio buttons captioned
// with the wire sizes under the label "マーキング / 個数列". The first is chosen initially and
// again whenever the list becomes empty.
class MarkedCountChoice final : public QWidget {
    Q_OBJECT
public:
    explicit MarkedCountChoice(QWidget* parent = nullptr);

    void setWireSizes(const QStringList& sizes);
    int column() const;  // 0, 1 or 2
    QString caption() const;
    void chooseFirst();
    QRadioButton* button(int column) const;

private:
    QButtonGroup* group_;
};

}  // namespace ctk::ui
