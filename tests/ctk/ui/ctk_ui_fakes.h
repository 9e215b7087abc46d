#pragma once

#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/shell.h"

#include <QStringList>

#include <deque>

// Small recording fakes for the CTK widget tests.
namespace ctk_ui_testing {

class RecordingDialogs final : public platform::Dialogs {
public:
    QStringList informed;
    QStringList asked;
    std::deque<Answer> answers;  // next answers of ask(); Yes when none left
    std::optional<QString> nextFile;
    QStringList lastFilters;
    QString lastSuffix;
    QString lastStartFolder;

    void inform(QWidget*, const QString& text) override { informed << text; }
    Answer ask(QWidget*, const QString& text, Buttons) override
    {
        asked << text;
        if (answers.empty())
            return Answer::Yes;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> openFileName(QWidget*, const QString& startFolder,
                                        const QStringList& filters) override
    {
        lastStartFolder = startFolder;
        lastFilters = filters;
        return nextFile;
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QStringList& filters,
                                        const QString& defaultSuffix) override
    {
        lastFilters = filters;
        lastSuffix = defaultSuffix;
        return nextFile;
    }
};

class FakeDesktop final : public platform::Desktop {
public:
    QPoint pointer{-1000, -1000};
    QStringList windowTitles;

    QRect screenGeometry() const override { return {0, 0, 1920, 1080}; }
    QRect workArea() const override { return {0, 0, 1920, 1040}; }
    bool capsLockOn() const override { return false; }
    void toggleCapsLock() override {}
    QPoint cursorPos() const override { return pointer; }
    void setCursorPos(const QPoint& pos) override { pointer = pos; }
    void tapKey(Key) override {}
    bool hasWindowTitled(const QString& title) const override
    {
        return windowTitles.contains(title);
    }
};

class FakeShell final : public platform::Shell {
public:
    QStringList opened;
    bool canOpen = true;
    QString desktop = QStringLiteral("/home/user/Desktop");

    bool openFile(const QString& path) override
    {
        opened << path;
        return canOpen;
    }
    QString desktopFolder() const override { return desktop; }
};

}  // namespace ctk_ui_testing
