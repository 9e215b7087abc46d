#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;

namespace app {
class SettingsFile;
}
namespace ctk::ui {
class DestinationTableBox;
}

namespace generator {

class GeneratorPanel;

// "連番作成": the twenty boxes that hold the serial buttons' definitions (arranged like the
// buttons), with the explanation of their forms, the three wire-size labels of the 3BOX
// layout and the table transfer destination. Shown in place of the registers while "設定"
// is checked.
class SerialSettingsPanel final : public QWidget {
    Q_OBJECT

public:
    explicit SerialSettingsPanel(GeneratorPanel& panel, QWidget* parent = nullptr);
    ~SerialSettingsPanel() override;

    // Slot 1 .. 20.
    QLineEdit* definitionBox(int slot) const { return definitions_.at(slot - 1); }
    // k = 0 .. 2: "個数1" .. "個数3".
    QComboBox* wireSizeBox(int k) const { return wireSizes_.at(k); }
    ctk::ui::DestinationTableBox* destinationBox() const { return destination_; }
    // The destination heading, explanation and box, hidden without the table file.
    QWidget* destinationArea() const { return destinationArea_; }

    // The boxes receive settings lines 0-19; the destination box line 46 when it holds text.
    void load(const app::SettingsFile& settings);
    // Lines 0-19 from the boxes and line 46 from the destination box.
    void store(app::SettingsFile& settings) const;

    // The destination box's text, one of "Table 0" .. "Table 20" or empty.
    QString destinationTable() const;
    void setDestinationTable(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isOwnBox(const QObject* object) const;

    GeneratorPanel& panel_;
    std::array<QLineEdit*, 20> definitions_{};
    std::array<QComboBox*, 3> wireSizes_{};
    QWidget* destinationArea_ = nullptr;
    ctk::ui::DestinationTableBox* destination_ = nullptr;
};

}  // namespace generator
