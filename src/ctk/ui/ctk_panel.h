#pragma once

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace ctk::ui {

// The CTK controls of the orange-mode window: "マーキング" and "CTK 保存", the 3BOX
// marked-count column choice and the controls that need the marker's table file (table
// choice, work length, feed correction, destination table). Shown as the list and the table
// file allow; the buttons stand disabled until their commands are bound, the table controls
// until the table file is read.
class CtkPanel final : public QWidget {
    Q_OBJECT
public:
    enum class Button { Marking, Save };

    explicit CtkPanel(QWidget* parent = nullptr);

    QPushButton* button(Button which) const;
    void bindButton(Button which, std::function<void()> command);

    // The buttons show while the list has rows (and the layout is not TEXT).
    void setButtonsVisible(bool visible);
    // The 3BOX choice of the column whose counts are marked, named by the wire sizes.
    void setMarkedCountChoiceVisible(bool visible);
    void setWireSizes(const QStringList& sizes);

    // Without the table file every control that needs a table is hidden.
    void setTableControlsVisible(bool visible);
    // The destination table as kept in the settings (line 46).
    QString destinationTable() const;
    void setDestinationTable(const QString& text);

    QWidget* tableControls() const { return tableControls_; }
    QComboBox* markedCountChoice() const { return markedCount_; }

private:
    QPushButton* marking_;
    QPushButton* save_;
    QWidget* markedCountArea_;
    QComboBox* markedCount_;
    QWidget* tableControls_;
    QComboBox* destination_;
};

}  // namespace ctk::ui
