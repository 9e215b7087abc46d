#pragma once

#include "marking_list/text_operations.h"

#include <QWidget>

class QPushButton;
class QRadioButton;

namespace marking_list::ui {

class OperationField;

// "多段改行一括入力", shown while the multi-line-break mode is on: puts the line-break mark
// "|" into the marking texts of the selected rows at a byte position or beside a keyword.
class LineBreakPanel final : public QWidget {
    Q_OBJECT
public:
    explicit LineBreakPanel(QWidget* parent = nullptr);

    LineBreakRequest request() const;

    void setUndoEnabled(bool enabled);
    bool isUndoEnabled() const;

    enum class Field { MinLength, Position, Keyword, Occurrence };
    OperationField* field(Field which) const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* undoButton() const { return undo_; }
    QRadioButton* byPositionChoice() const { return byPosition_; }
    QRadioButton* byKeywordChoice() const { return byKeyword_; }
    QRadioButton* afterChoice() const { return after_; }

Q_SIGNALS:
    void okClicked();
    void undoClicked();

private:
    void chooseWay(bool byKeyword);

    OperationField* minLength_;
    OperationField* position_;
    OperationField* keyword_;
    OperationField* occurrence_;
    QRadioButton* byPosition_;
    QRadioButton* byKeyword_;
    QRadioButton* before_;
    QRadioButton* after_;
    QPushButton* ok_;
    QPushButton* undo_;
};

}  // namespace marking_list::ui
