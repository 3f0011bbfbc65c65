// Finding a window's widgets by their object names, as the tests drive windows through them.
#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

namespace zeph::test {

// The child of `root` with that object name and type; a test failure (and null) when missing.
template <typename T>
T* Child(const QObject& root, const QString& name)
{
    T* child = root.findChild<T*>(name);
    if (!child) ADD_FAILURE() << "no child named " << name.toStdString();
    return child;
}

}  // namespace zeph::test
