// The yardstick for Quorvan's start-up: a Qt Widgets program that shows one empty window, the
// size of Quorvan's first window, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(473, 303);
  window.show();
  return app.exec();
}
