// The toolkit's floor: what any version of normal-forms has to load at the least. The same
// window size, title, font and style as the program, and one label; nothing else.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  QWidget window;
  window.setWindowTitle(QStringLiteral("www.example.org Информатика - булеви функции, ДНФ и КНФ"));
  window.setFixedSize(485, 477);
  QFont font(QStringLiteral("Times New Roman"));
  font.setPointSizeF(12.0);
  window.setFont(font);

  // Where the program's first caption sits.
  QLabel label(QStringLiteral("Брой"), &window);
  label.setGeometry(8, 8, 49, 25);

  window.show();
  return QApplication::exec();
}
