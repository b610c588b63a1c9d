// Menus, toolbar and clipboard in the real window.

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "temp_dir.h"
#include "window_fixture.h"

class CommandsWindowTest : public QObject, public quorvel::testing::WindowFixture {
  Q_OBJECT

  QClipboard* Clipboard() { return QGuiApplication::clipboard(); }
  QAction* Action(const char* name) {
    auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
    if (!action) qFatal("no action %s", name);
    return action;
  }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void menusAndToolbarAreThere() {
    const QList<QAction*> menus = window->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("Edit"));
    QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("MenuEdit"));
    QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("MenuHelp"));
    QStringList edit, help;
    for (QAction* a : menus[0]->menu()->actions()) edit << a->objectName() + "=" + a->text();
    for (QAction* a : menus[1]->menu()->actions()) help << a->objectName() + "=" + a->text();
    QCOMPARE(edit,
             QStringList({"MenuCut=Cut", "MenuCopy=Copy", "MenuPaste=Paste", "MenuExit=Exit"}));
    QCOMPARE(help, QStringList({"MenuHelpTopics=Help Topics", "MenuAbout=About"}));
    QCOMPARE(Action("MenuCopy")->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    QStringList keys;
    for (QToolButton* b : Find<QToolBar>("Toolbar1")->findChildren<QToolButton*>()) {
      if (!b->objectName().isEmpty() && b->isVisible()) keys << b->objectName();
    }
    QCOMPARE(keys, QStringList({"Cut", "Copy", "Paste", "Help", "Exit"}));
    for (const QString& key : keys) {
      QCOMPARE(Find<QToolBar>("Toolbar1")->findChild<QToolButton*>(key)->focusPolicy(),
               Qt::NoFocus);
    }
  }

  void shortcutsBeatTheTextBoxesOwn() {
    QTest::keyClicks(Find("Text1"), QStringLiteral("1234"));  // after the "0" on display
    Find<QLineEdit>("Text1")->setSelection(2, 2);
    QTest::keyClick(Find("Text1"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard()->text(), QStringLiteral("23"));
    QTest::keyClick(Find("Text1"), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(Text("Text1"), QStringLiteral("014"));
    Clipboard()->setText(QStringLiteral("-1,250.5"));
    QTest::mouseClick(Find("TextPV"), Qt::LeftButton);
    QTest::keyClick(Find("TextPV"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Text("TextPV"), QStringLiteral("-1250.5"));
    Clipboard()->setText(QStringLiteral("words"));
    QTest::keyClick(Find("TextPV"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Text("TextPV"), QStringLiteral("-1250.5"));
    QCOMPARE(Focused(), Find("TextPV"));
  }

  void otherClipboardKeysGoThroughTheCommandsToo() {
    Clipboard()->setText(QStringLiteral("words"));
    QTest::mouseClick(Find("TextPV"), Qt::LeftButton);
    QTest::keyClick(Find("TextPV"), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(Text("TextPV"), QString());
    Clipboard()->setText(QStringLiteral("2,500"));
    QTest::keyClick(Find("TextPV"), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(Text("TextPV"), QStringLiteral("2500"));
  }

  void toolbarWorksOnTheBoxThatHadTheFocus() {
    QTest::mouseClick(Find("TextFV"), Qt::LeftButton);
    QTest::keyClicks(Find("TextFV"), QStringLiteral("250"));
    Find<QLineEdit>("TextFV")->selectAll();
    QTest::mouseClick(Find<QToolBar>("Toolbar1")->findChild<QToolButton*>("Copy"), Qt::LeftButton);
    QCOMPARE(Clipboard()->text(), QStringLiteral("250"));
    QCOMPARE(Focused(), Find("TextFV"));
    QTest::mouseClick(Find("TextPMT"), Qt::LeftButton);
    QTest::mouseClick(Find<QToolBar>("Toolbar1")->findChild<QToolButton*>("Paste"), Qt::LeftButton);
    QCOMPARE(Text("TextPMT"), QStringLiteral("250"));
  }

  void pasteAfterAnOperatorTakesOverTheDisplay() {
    Click("Num1Command Num2Command NumPlusCommand");
    Clipboard()->setText(QStringLiteral("5"));
    QTest::keyClick(Find("Text1"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Text("Text1"), QStringLiteral("125"));
    QCOMPARE(Caption("Label1"), QString());
    Click("NumEqCommand");
    QCOMPARE(Text("Text1"), QStringLiteral("137"));
  }

  // What the program copies pastes back as the same value under a decimal
  // comma; text from elsewhere is read in the user's format, French spaces
  // of every kind included.
  void ownCopyPastesBackInEveryFormat() {
    struct RestoreLocale {
      QLocale before;
      ~RestoreLocale() { QLocale::setDefault(before); }
    } restore;
    const struct {
      const char* locale;
      const char* foreign;
    } cases[] = {{"de_DE", "1.234,5"},
                 {"fr_FR", "1\u00A0234,5"},
                 {"fr_FR", "1 234,5"},
                 {"fr_FR", "1\u202F234,5"}};
    for (const auto& c : cases) {
      QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
      Close();
      Open();
      Click("Num1Command NumPlusCommand Num1Command NumDotCommand Num5Command NumEqCommand");
      QCOMPARE(Text("Text1"), QStringLiteral("2.5"));
      Find<QLineEdit>("Text1")->selectAll();
      QTest::keyClick(Find("Text1"), Qt::Key_C, Qt::ControlModifier);
      QTest::mouseClick(Find("TextPV"), Qt::LeftButton);
      QTest::keyClick(Find("TextPV"), Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(Text("TextPV"), QStringLiteral("2.5"));
      Clipboard()->setText(QString::fromUtf8(c.foreign));
      QTest::mouseClick(Find("TextFV"), Qt::LeftButton);
      QTest::keyClick(Find("TextFV"), Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(Text("TextFV"), QStringLiteral("1234.5"));
    }
  }

  void exitWritesTheSettingsOnce() {
    quorvel::testing::TempDir dir;
    module.SettingsFile = dir / "QuorvelCalc.ini";
    window->move(100, 60);
    Action("MenuExit")->trigger();
    const std::string written = quorvel::testing::TempDir::Read(module.SettingsFile);
    QVERIFY2(written.rfind("[System]\r\nXPosition=", 0) == 0, written.c_str());
    QVERIFY(model->Unloading);
    std::filesystem::remove(module.SettingsFile);
    Close();  // the window goes without its unload: nothing is written again
    QVERIFY(!std::filesystem::exists(dir / "QuorvelCalc.ini"));
    Open();
  }

  void closingWritesTheSettingsOnce() {
    quorvel::testing::TempDir dir;
    module.SettingsFile = dir / "QuorvelCalc.ini";
    window->close();
    QVERIFY(std::filesystem::exists(module.SettingsFile));
    std::filesystem::remove(module.SettingsFile);
    QCoreApplication::processEvents();
    QVERIFY(!std::filesystem::exists(module.SettingsFile));
  }
};

QTEST_MAIN(CommandsWindowTest)
#include "commands_window_test.moc"
