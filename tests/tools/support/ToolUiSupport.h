#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QString>
#include <functional>
#include <string>

#include "CompoundReader.h"
#include "FakeOrderPadConnection.h"
#include "ToolDatabase.h"
#include "data/DialogContext.h"
#include "data/InformationPages.h"
#include "tools/orderpad/OrderPad.h"
#include "tools/orderpad/OrderPadLine.h"

namespace veritom::test {

// The staged database with the pages a tool dialog borrows, and an order pad over a fake
// connection that keeps the documents sent.
class CToolContext : public IPageLocations {
public:
    explicit CToolContext(const std::string& changes = "", const std::string& language = "EN")
        : m_db(changes, language), m_pages(m_db.Db(), *this), m_orderPad(connection) {}

    std::string GetNetPath() const override { return VERITOM_STAGE_DIR "/share/veritom/"; }
    std::string GetReferenceDir() const override {
        return VERITOM_STAGE_DIR "/share/veritom/Reference/EN";
    }
    CDialogContext Context() { return {m_db.Db(), m_pages, false}; }
    COrderPadTarget OrderPad() { return {&m_orderPad, nullptr, "EN"}; }
    IDatabase& Db() { return m_db.Db(); }

    // The streams of the one part sent, by name ("Part Number", "Division", ...).
    std::map<std::string, std::string> SentPart() const {
        std::map<std::string, std::string> part;
        if (connection.documents.size() == 1) {
            for (const auto& [name, text] : ReadCompound(connection.documents.front())) {
                if (name.rfind("Part*0/", 0) == 0) {
                    part[name.substr(7)] = text;
                }
            }
        }
        return part;
    }

    test::FakeOrderPadConnection connection;

private:
    CToolDatabase m_db;
    CInformationPages m_pages;
    COrderPad m_orderPad;
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
