#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace platform {

namespace {

QString caption()
{
    const QString name = QApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Velmora") : name;
}

std::optional<QString> runFileDialog(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void QtDialogs::inform(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, caption(), text, QMessageBox::Ok, parent);
    box.exec();
}

Dialogs::Answer QtDialogs::ask(QWidget* parent, const QString& text, Buttons buttons)
{
    const QMessageBox::StandardButton other =
        buttons == Buttons::YesCancel ? QMessageBox::Cancel : QMessageBox::No;
    QMessageBox box(QMessageBox::Question, caption(), text, QMessageBox::Yes | other, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(other);
    const int result = box.exec();
    if (result == QMessageBox::Yes)
        return Answer::Yes;
    return buttons == Buttons::YesCancel ? Answer::Cancel : Answer::No;
}

std::optional<QString> QtDialogs::openFileName(QWidget* parent, const QString& startFolder,
                                               const QStringList& filters)
{
    QFileDialog dialog(parent, QString(), startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    return runFileDialog(dialog);
}

std::optional<QString> QtDialogs::saveFileName(QWidget* parent, const QString& startFolder,
                                               const QStringList& filters,
                                               const QString& defaultSuffix)
{
    QFileDialog dialog(parent, QString(), startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(defaultSuffix);
    return runFileDialog(dialog);
}

}  // namespace platform
