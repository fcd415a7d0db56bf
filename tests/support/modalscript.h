#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// Answers modal dialogs in order: each step waits for the dialog of its object name to be the
// active modal widget and then acts on it. Start it before the click that opens the first one.
class ModalScript {
public:
    using Action = std::function<void(QWidget*)>;

    ModalScript& then(const QString& dialog, Action action) {
        steps_.push_back({dialog, std::move(action)});
        return *this;
    }

    void start() {
        timer_ = std::make_unique<QTimer>();
        timer_->setInterval(20);
        QObject::connect(timer_.get(), &QTimer::timeout, [this] { poll(); });
        timer_->start();
    }

    bool finished() const { return next_ == steps_.size(); }

    // Common actions.
    static Action click(const QString& button) {
        return [button](QWidget* dialog) {
            if (auto* b = dialog->findChild<QAbstractButton*>(button))
                b->click();
        };
    }
    static Action typeNumberAndName(const QString& number, const QString& name) {
        return [number, name](QWidget* dialog) {
            dialog->findChild<QLineEdit*>("EditNo")->setText(number);
            dialog->findChild<QLineEdit*>("EditName")->setText(name);
            dialog->findChild<QAbstractButton*>("OkButton")->click();
        };
    }

private:
    void poll() {
        if (finished()) {
            timer_->stop();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == steps_[next_].dialog && modal->isVisible()) {
            const Action action = steps_[next_].action;
            ++next_;
            action(modal);
        }
    }

    struct Step {
        QString dialog;
        Action action;
    };
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::unique_ptr<QTimer> timer_;
};
