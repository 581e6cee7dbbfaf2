#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "MessageRecorder.h"
#include "base/DialogResult.h"
#include "tools/units/ui/UnitConverter.h"

namespace veritom {
namespace {

void Type(QWidget& widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&widget, &press);
    }
}

template <typename T>
T& Child(QDialog& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        throw std::runtime_error(std::string("no child ") + name);
    }
    return *child;
}

void Choose(QComboBox& list, const QString& text) {
    const int index = list.findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    list.setCurrentIndex(index);
}

// Runs action on the converter once it is the active modal dialog.
void WhenOpen(std::function<void(QDialog&)> action) {
    QTimer::singleShot(0, qApp, [action] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "the converter is not open";
            return;
        }
        action(*dialog);
    });
}

TEST(UnitConverter, ConvertsWhatIsTypedFromOneUnitIntoAnother) {
    test::MessageRecorder messages;
    CUnitConverter converter;
    QStringList seen;
    WhenOpen([&](QDialog& dialog) {
        auto& categories = Child<QComboBox>(dialog, "categoryList");
        auto& input = Child<QLineEdit>(dialog, "inputBox");
        auto& from = Child<QComboBox>(dialog, "fromUnitList");
        auto& to = Child<QComboBox>(dialog, "toUnitList");
        auto& result = Child<QLineEdit>(dialog, "resultBox");
        seen << categories.currentText() << from.currentText() << to.currentText() << result.text();

        Choose(categories, QStringLiteral("Temperature"));
        EXPECT_EQ(from.currentIndex(), 0);
        EXPECT_EQ(to.currentIndex(), 0);
        Type(input, QStringLiteral("212"));
        Choose(to, QStringLiteral("°C"));
        seen << result.text();
        Choose(from, QStringLiteral("°C"));  // 212 °C in °C
        seen << result.text();
        input.clear();
        Type(input, QStringLiteral("-40"));
        Choose(to, QStringLiteral("°F"));
        seen << result.text();
        input.setText(QStringLiteral("32"));
        Choose(from, QStringLiteral("°F"));
        Choose(to, QStringLiteral("°C"));
        seen << result.text();  // 0 leaves the box empty

        Choose(categories, QStringLiteral("Distance"));  // both lists start again at the top
        seen << from.currentText() << to.currentText();
        Choose(from, QStringLiteral("in"));
        Choose(to, QStringLiteral("mm"));
        input.setText(QStringLiteral("1"));
        seen << result.text();
        Child<QPushButton>(dialog, "okButton").click();
    });
    EXPECT_EQ(converter.Run(), IDOK);
    EXPECT_EQ(seen,
              (QStringList{QStringLiteral("Absolute Viscosity"), QStringLiteral("Poise"),
                           QStringLiteral("Poise"), QString(), QStringLiteral("100"),
                           QStringLiteral("212"), QStringLiteral("-40"), QString(),
                           QStringLiteral("m"), QStringLiteral("m"), QStringLiteral("25.4")}));
    EXPECT_EQ(converter.Conversion().Result().Unit(), "MM");
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(UnitConverter, EscapeClosesItToo) {
    test::MessageRecorder messages;
    CUnitConverter converter;
    WhenOpen([](QDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(converter.Run(), IDCANCEL);
}

}  // namespace
}  // namespace veritom
