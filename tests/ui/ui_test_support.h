#pragma once

// Shared pieces of the window tests: a message-box recorder, a script for the modal dialogs
// that the code under test opens, and an application started in a temporary folder.

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "ui/lajes_application.h"
#include "ui/message_boxes.h"

namespace lajes::test {

struct ShownMessage {
    enum Kind { Information, Warning, Question, Error } kind;
    QString text;
};

// Records every box instead of showing it; questions are answered from a queue (default No).
class RecordingMessageBoxes final : public MessageBoxes {
public:
    std::vector<ShownMessage> shown;
    std::deque<bool> answers;

    void information(QWidget*, const QString& text) override {
        shown.push_back({ShownMessage::Information, text});
    }
    void warning(QWidget*, const QString& text) override {
        shown.push_back({ShownMessage::Warning, text});
    }
    bool confirm(QWidget*, const QString& text) override {
        shown.push_back({ShownMessage::Question, text});
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void error(QWidget*, const QString& text) override {
        shown.push_back({ShownMessage::Error, text});
    }
    // Answered from saveAnswers (default Cancel), recorded as a question.
    std::deque<SaveAnswer> saveAnswers;
    SaveAnswer askSave(QWidget*, const QString& text) override {
        shown.push_back({ShownMessage::Question, text});
        if (saveAnswers.empty())
            return SaveAnswer::Cancel;
        const SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    QStringList texts() const {
        QStringList list;
        for (const ShownMessage& message : shown)
            list << message.text;
        return list;
    }
};

// Answers modal dialogs in order: each time a dialog is shown, the next step runs on it once
// its modal loop is running. A dialog shown with no step left is recorded and rejected, so a
// test never hangs on an unexpected dialog, and the test fails when the script ends.
class ModalScript final : public QObject {
public:
    using Step = std::function<void(QDialog*)>;

    ModalScript() {
        qApp->installEventFilter(this);
        ++active();
    }
    ~ModalScript() override {
        --active();
        qApp->removeEventFilter(this);
        if (!unexpected.isEmpty())
            QTest::qFail(qPrintable(QStringLiteral("unexpected dialog(s): ") +
                                    unexpected.join(QStringLiteral(", "))),
                         __FILE__, __LINE__);
    }

    void then(Step step) { steps_.push_back(std::move(step)); }
    int remaining() const { return static_cast<int>(steps_.size()); }
    QStringList shownDialogs; // object names, in the order of showing
    QStringList unexpected;   // dialogs shown after the script ran out

    // Scripts alive now; while there is none, the application's guard answers the dialogs.
    static int& active() {
        static int count = 0;
        return count;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            // As a window manager does: the window under a closing dialog becomes active again.
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && dialog->isWindow() && dialog->parentWidget())
                QApplication::setActiveWindow(dialog->parentWidget()->window());
        }
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && dialog->isWindow()) {
                shownDialogs << dialog->objectName();
                QTimer::singleShot(0, dialog, [this, dialog] { runNext(dialog); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void runNext(QDialog* dialog) {
        if (!dialog->isVisible())
            return;
        if (steps_.empty()) {
            unexpected << describe(dialog);
            dialog->reject();
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        // Let the platform deliver the dialog's own activation first, so that it cannot
        // arrive after the dialog has closed.
        QCoreApplication::processEvents();
        QApplication::setActiveWindow(dialog);
        step(dialog);
    }
    static QString describe(const QDialog* dialog) {
        return dialog->objectName().isEmpty()
                   ? QString::fromLatin1(dialog->metaObject()->className())
                   : dialog->objectName();
    }
    std::deque<Step> steps_;
};

// Outside any script, a modal dialog is unexpected: it is rejected (the test goes on instead
// of hanging) and the test fails when the application it belongs to is destroyed.
class UnexpectedDialogGuard final : public QObject {
public:
    UnexpectedDialogGuard() { qApp->installEventFilter(this); }
    ~UnexpectedDialogGuard() override {
        qApp->removeEventFilter(this);
        if (!rejected_.isEmpty())
            QTest::qFail(qPrintable(QStringLiteral("unexpected dialog(s): ") +
                                    rejected_.join(QStringLiteral(", "))),
                         __FILE__, __LINE__);
    }
    UnexpectedDialogGuard(const UnexpectedDialogGuard&) = delete;
    UnexpectedDialogGuard& operator=(const UnexpectedDialogGuard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || ModalScript::active() > 0)
            return false;
        auto* dialog = qobject_cast<QDialog*>(watched);
        // The splash screen is the start-up's own modal window.
        if (!dialog || !dialog->isWindow() || !dialog->isModal() ||
            dialog->objectName() == QStringLiteral("AberturaForm"))
            return false;
        QTimer::singleShot(0, dialog, [this, dialog] {
            if (!dialog->isVisible())
                return;
            rejected_ << (dialog->objectName().isEmpty()
                              ? QString::fromLatin1(dialog->metaObject()->className())
                              : dialog->objectName());
            dialog->reject();
        });
        return false;
    }

private:
    QStringList rejected_;
};

// The application started as the program starts, in an empty temporary folder, with the
// message boxes recorded.
struct StartedApplication {
    UnexpectedDialogGuard guard;
    QTemporaryDir folder;
    RecordingMessageBoxes* messages = nullptr;
    std::unique_ptr<LajesApplication> app;

    // `configuration`: the bytes of a Quenvor.cfg already in the folder, if any.
    explicit StartedApplication(const QByteArray& configuration = QByteArray()) {
        if (!configuration.isNull()) {
            QFile file(configPath());
            if (!file.open(QIODevice::WriteOnly) || file.write(configuration) < 0)
                qFatal("cannot prepare the configuration file");
        }
        auto recorder = std::make_unique<RecordingMessageBoxes>();
        messages = recorder.get();
        app = std::make_unique<LajesApplication>(std::move(recorder),
                                                 std::filesystem::path(configPath().toStdString()));
        // The recent files go to this folder, never to the developer's own settings.
        app->setProgramSettingsFile(programSettingsPath());
        app->start();
    }
    QString configPath() const { return folder.filePath(QStringLiteral("Quenvor.cfg")); }
    QString programSettingsPath() const { return folder.filePath(QStringLiteral("Lajes.ini")); }
};

// Makes `window` the active window, so that focus changes inside it send focus events.
inline bool activate(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

inline QLocale commaLocale() {
    return QLocale(QLocale::Portuguese, QLocale::Brazil);
}

// The two decimal separators every number test runs under.
inline void addLocaleColumn() {
    QTest::addColumn<QLocale>("locale");
}

} // namespace lajes::test
