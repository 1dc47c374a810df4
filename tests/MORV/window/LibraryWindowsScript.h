#pragma once
//! What the user does in the modal windows the main window opens: a window shown and made
//! active as its own display would, an action on it, and the property library's two windows
//! of a composition entry filled in.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace morvtest {

//! Shows a modal window, waits until it is the active one, lets the action act on it and
//! checks that the action closed it; returns the window's result.
inline int drive(QDialog& d, const std::function<void(QDialog&)>& action) {
    d.show();
    d.activateWindow();
    QApplication::setActiveWindow(&d);
    static_cast<void>(QTest::qWaitFor([&] { return QApplication::activeWindow() == &d; }));
    action(d);
    EXPECT_FALSE(d.isVisible()) << d.objectName().toStdString() << " left open";
    d.hide();
    return d.result();
}

template <class T> T* child(QDialog& d, const QString& name) {
    T* w = d.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

//! The components typed by number into the choice window's boxes, each with Enter, then "OK".
inline std::function<void(QDialog&)> components(std::vector<int16_t> numbers) {
    return [numbers](QDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("F_Seznam"));
        child<QRadioButton>(d, QStringLiteral("Option1"))->click();
        for (size_t i = 0; i < numbers.size(); ++i) {
            QLineEdit* box = child<QLineEdit>(d, QStringLiteral("T_Smes_%1").arg(i));
            QTest::keyClicks(box, QString::number(numbers[i]));
            QTest::keyClick(box, Qt::Key_Return);
        }
        child<QPushButton>(d, QStringLiteral("C_OK"))->click();
    };
}

//! The mass parts typed into the composition window, each with Enter, then "&Pokračovat".
inline std::function<void(QDialog&)> composition(std::vector<QString> parts) {
    return [parts](QDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("F_Sloz"));
        for (size_t i = 0; i < parts.size(); ++i) {
            QLineEdit* box = child<QLineEdit>(d, QStringLiteral("T_S_%1").arg(i));
            box->clear();
            QTest::keyClicks(box, parts[i]);
            QTest::keyClick(box, Qt::Key_Return);
        }
        child<QPushButton>(d, QStringLiteral("C_OK"))->click();
    };
}

} // namespace morvtest
