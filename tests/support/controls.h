#pragma once
// A control of a window, by its object name (the design's control name):
// the windows keep their controls private, so a test finds them as a user
// would, by what they are called. A missing control fails the test.
#include <gtest/gtest.h>
#include <QString>
#include <QWidget>

namespace tavo::test {

template <class T>
T* child(const QWidget* window, const char* name) {
  T* control = window->findChild<T*>(QString::fromLatin1(name));
  if (!control) ADD_FAILURE() << "no control " << name << " on " << window->objectName().toStdString();
  return control;
}

template <class T>
T* child(const QWidget& window, const char* name) {
  return child<T>(&window, name);
}

}  // namespace tavo::test
