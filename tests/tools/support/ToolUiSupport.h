#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QString>
#include <functional>
#include <string>

#include "ToolDatabase.h"
#include "data/DialogContext.h"
#include "data/InformationPages.h"

namespace veritom::test {

// The staged database with the pages a tool dialog borrows.
class CToolContext : public IPageLocations {
public:
    explicit CToolContext(const std::string& changes = "", const std::string& language = "EN")
        : m_db(changes, language), m_pages(m_db.Db(), *this) {}

    std::string GetNetPath() const override { return VERITOM_STAGE_DIR "/share/veritom/"; }
    std::string GetReferenceDir() const override {
        return VERITOM_STAGE_DIR "/share/veritom/Reference/EN";
    }
    CDialogContext Context() { return {m_db.Db(), m_pages, false}; }
    IDatabase& Db() { return m_db.Db(); }

private:
    CToolDatabase m_db;
    CInformationPages m_pages;
};

// Lets posted requests run until done() holds or three seconds have passed.
inline bool WaitUntil(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 3000) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Types text into widget key by key, as the keyboard does.
inline void TypeKeys(QWidget& widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&widget, &release);
    }
}

inline void PressKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(&widget, &release);
}

}  // namespace veritom::test
