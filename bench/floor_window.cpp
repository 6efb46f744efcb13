// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

// The floor for start-up: a bare window of the calculator's size with the
// same widgets and no logic, colours, layout table or settings.
int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Floor");
  window.setFixedSize(412, 208);
  for (int i = 0; i < 9; ++i) (new QLineEdit(&window))->setGeometry(10 + 40 * i, 10, 36, 19);
  for (int i = 0; i < 6; ++i) (new QPushButton("x", &window))->setGeometry(10 + 60 * i, 60, 50, 30);
  for (int i = 0; i < 3; ++i) (new QLabel("+", &window))->setGeometry(10 + 60 * i, 120, 40, 30);
  window.show();
  return QApplication::exec();
}
