#pragma once
// Finding a window's control by its name, the way the tests name them; a missing control fails
// the test (and gives nullptr).

#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace zb::test {

template <class T = QWidget>
T* FindControl(const QWidget* window, const QString& name) {
    T* found = window ? window->findChild<T*>(name) : nullptr;
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

}  // namespace zb::test
