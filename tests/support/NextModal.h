#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace veritom::test {

// Runs check on the next modal window that opens (a dialog's exec() in the code under test),
// then closes it, so a test never waits for a user.
inline void OnNextModal(std::function<void(QWidget*)> check) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, check = std::move(check)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            check(modal);
            modal->close();
        }
    });
    timer->start();
}

}  // namespace veritom::test
