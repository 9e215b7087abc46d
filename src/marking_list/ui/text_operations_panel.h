#pragma once

#include "marking_list/text_operations.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace marking_list::ui {

class OperationField;

// The panel shown while the grid's edit mode is on: replace, insert or delete a string in
// the cells of the selection's left column. It gathers the fields; the grid-mode controller
// runs the operation on the list and offers its undo through the panel's "取消" buttons.
class TextOperationsPanel final : public QWidget {
    Q_OBJECT
public:
    enum class Operation { Replace, Insert, Delete };
    Q_ENUM(Operation)

    explicit TextOperationsPanel(QWidget* parent = nullptr);

    // The characters the target, replacement and insert-text fields take (empty: any); the
    // controller gives the rule of the selection's left column.
    void setCellCharacters(std::function<QString()> accepted);

    Operation operation() const;
    void chooseOperation(Operation operation);

    struct ReplaceInput {
        std::string target;
        int occurrence = 0;
        std::string replacement;
    };
    struct DeleteInput {
        std::string target;
        int occurrence = 0;
    };
    ReplaceInput replaceInput() const;
    InsertRequest insertInput() const;
    DeleteInput deleteInput() const;

    // The three "取消" buttons (the one-step undo of the operations).
    void setUndoEnabled(bool enabled);
    bool isUndoEnabled() const;

    enum class Field {
        ReplaceTarget, ReplaceOccurrence, Replacement,
        InsertText, InsertPosition, InsertKeyword, InsertOccurrence,
        DeleteTarget, DeleteOccurrence,
    };
    OperationField* field(Field which) const;
    QPushButton* okButton(Operation operation) const;
    QPushButton* undoButton(Operation operation) const;
    QRadioButton* byKeywordChoice() const { return insertByKeyword_; }
    QRadioButton* byPositionChoice() const { return insertByPosition_; }
    QRadioButton* afterChoice() const { return insertAfter_; }

Q_SIGNALS:
    void okClicked(Operation operation);
    void undoClicked();

private:
    QWidget* buildReplacePage();
    QWidget* buildInsertPage();
    QWidget* buildDeletePage();
    void chooseInsertWay(bool byKeyword);
    OperationField* makeField(const QString& accepted, int maxLength, const QString& hint = {});
    QPushButton* makeOk(Operation operation);
    QPushButton* makeUndo();

    std::function<QString()> cellCharacters_;
    QRadioButton* choices_[3] = {};
    QStackedWidget* pages_ = nullptr;
    OperationField* replaceTarget_ = nullptr;
    OperationField* replaceOccurrence_ = nullptr;
    OperationField* replacement_ = nullptr;
    OperationField* insertText_ = nullptr;
    OperationField* insertPosition_ = nullptr;
    OperationField* insertKeyword_ = nullptr;
    OperationField* insertOccurrence_ = nullptr;
    OperationField* deleteTarget_ = nullptr;
    OperationField* deleteOccurrence_ = nullptr;
    QLabel* positionLabel_ = nullptr;
    QLabel* keywordOccurrenceLabel_ = nullptr;
    QRadioButton* insertByPosition_ = nullptr;
    QRadioButton* insertByKeyword_ = nullptr;
    QRadioButton* insertBefore_ = nullptr;
    QRadioButton* insertAfter_ = nullptr;
    QPushButton* ok_[3] = {};
    QList<QPushButton*> undo_;
};

}  // namespace marking_list::ui
