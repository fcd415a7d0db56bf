#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// Every message box of the program goes through here, so that tests can answer them: a queued
// preset answer is taken instead of showing the box. Without one the real box is shown.
class Messages {
public:
    static void error(QWidget* parent, const QString& text);
    static void warning(QWidget* parent, const QString& text);
    static void information(QWidget* parent, const QString& text);
    // A confirmation with Yes and No; true for Yes.
    static bool question(QWidget* parent, const QString& text);

    // Test hook: the answers the next boxes take, in order, instead of being shown.
    static void presetAnswers(QList<QMessageBox::StandardButton> answers);
    // Test hook: the text of every box asked for so far, shown or answered by a preset.
    static QStringList shownTexts();

private:
    static QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons);
};
