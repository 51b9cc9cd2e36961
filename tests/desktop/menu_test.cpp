// Qt's own menus in the window speak Bulgarian like the window: the context menus of the text
// boxes and of the scroll bars, opened with a right click as the user opens them.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "desktop/main_window.h"
#include "desktop/translations.h"
#include "suites.h"
#include "window_test_case.h"

namespace {

const QString kCatalogue = QStringLiteral("qtbase_bg");

// Action texts of the menu that a right click in the middle of `widget` opens, without their
// shortcuts; the menu is closed again. Empty when no menu opens.
QStringList contextMenuTexts(QWidget* widget) {
  QStringList texts;
  bool opened = false;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr || opened) {
      return;
    }
    opened = true;
    for (const QAction* action : menu->actions()) {
      if (!action->isSeparator()) {
        texts << action->text().section(QLatin1Char('\t'), 0, 0);
      }
    }
    menu->close();
  });
  poll.start();
  // Through the window, as the platform delivers it: the window turns the right press into the
  // context menu request.
  QWidget* window = widget->window();
  QTest::mouseClick(window->windowHandle(), Qt::RightButton, Qt::NoModifier,
                    widget->mapTo(window, widget->rect().center()));
  return QTest::qWaitFor([&] { return opened; }, 2000) ? texts : QStringList();
}

}  // namespace

class MenuTest : public WindowTestCase {
  Q_OBJECT

 private slots:
  void initTestCase() {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(folder + QLatin1Char('/') + kCatalogue + QStringLiteral(".qm"))) {
      QSKIP("Qt's Bulgarian catalogue qtbase_bg.qm is missing (package qt6-translations-l10n).");
    }
    QVERIFY(reference_.load(kCatalogue, folder));
    installed_ = nf::installTranslations(*qApp);
    QVERIFY(installed_ != nullptr);
  }
  void cleanupTestCase() {
    if (installed_ != nullptr) {
      QApplication::removeTranslator(installed_);
      delete installed_;
    }
  }

  void contextMenusAreBulgarian_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("onScrollBar");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("english");
    const auto row = [](const char* name, const char* control, bool onScrollBar,
                        const char* context, const char* english) {
      QTest::newRow(name) << QString::fromLatin1(control) << onScrollBar
                          << QString::fromLatin1(context) << QString::fromLatin1(english);
    };
    row("result box: copy", "Text1_0", false, "QWidgetTextControl", "&Copy");
    row("row label box: copy", "Text2_0", false, "QLineEdit", "&Copy");
    row("result box's scroll bar", "Text1_0", true, "QScrollBar", "Scroll here");
    row("value selector's scroll bar", "List1_0", true, "QScrollBar", "Page down");
  }
  // Each menu shows the catalogue's text for the action, and no action stays English.
  void contextMenusAreBulgarian() {
    QFETCH(QString, control);
    QFETCH(bool, onScrollBar);
    QFETCH(QString, context);
    QFETCH(QString, english);
    const QString bulgarian = reference_.translate(qPrintable(context), qPrintable(english));
    QVERIFY2(!bulgarian.isEmpty() && bulgarian != english, "the catalogue lacks the text");

    QWidget* widget = driver().control(control);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
      widget = onScrollBar ? static_cast<QWidget*>(area->verticalScrollBar()) : area->viewport();
    }
    const QStringList texts = contextMenuTexts(widget);
    QVERIFY2(texts.contains(bulgarian), qPrintable(texts.join(QStringLiteral(" | "))));
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    for (const QString& text : texts) {
      QVERIFY2(text.contains(cyrillic), qPrintable(text));
    }
  }

 private:
  QTranslator reference_;
  QTranslator* installed_ = nullptr;
};

std::unique_ptr<QObject> makeMenuTest() {
  return std::make_unique<MenuTest>();
}

#include "menu_test.moc"
