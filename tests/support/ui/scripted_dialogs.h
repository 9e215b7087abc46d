#pragma once

#include "platform/dialogs.h"

#include <QStringList>

#include <deque>
#include <optional>

namespace testing_support {

// Dialogs that answer from queues and record every text shown. With an empty queue a
// question is answered as if the box were closed (Cancel or No) and a file dialog cancelled.
class ScriptedDialogs final : public platform::Dialogs {
public:
    std::deque<Answer> answers;
    std::deque<QString> fileNames;
    QStringList informed;  // texts of OK message boxes
    QStringList asked;     // texts of questions

    void inform(QWidget*, const QString& text) override { informed.append(text); }

    Answer ask(QWidget*, const QString& text, Buttons buttons) override
    {
        asked.append(text);
        if (answers.empty())
            return buttons == Buttons::YesCancel ? Answer::Cancel : Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<QString> openFileName(QWidget*, const QString&, const QStringList&) override
    {
        return nextFileName();
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QStringList&,
                                        const QString&) override
    {
        return nextFileName();
    }

private:
    std::optional<QString> nextFileName()
    {
        if (fileNames.empty())
            return std::nullopt;
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

}  // namespace testing_support
