// The About window and the help viewer.

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include "ui/help_viewer.h"
#include "window_fixture.h"

class AboutHelpWindowTest : public QObject, public quorvel::testing::WindowFixture {
  Q_OBJECT

  QWidget* TopLevel(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == QLatin1String(name)) return top;
    }
    return nullptr;
  }
  template <class T>
  T* In(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
  }
  QAction* Action(const char* name) { return window->findChild<QAction*>(name); }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void aboutHoldsTheMainWindowUntilItCloses() {
    Action("MenuAbout")->trigger();
    QWidget* about = TopLevel("frmAbout");
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Quorvel Calculator"));
    QVERIFY(!window->isEnabled());
    QCOMPARE(In<QLabel>(about, "lblVersion")->text(), QStringLiteral("Version : 1.0.4"));
    QCOMPARE(In<QLabel>(about, "Label1Description")->text(),
             QStringLiteral("Released Date : 17th Feb 2005"));
    QVERIFY(In<QLabel>(about, "EmailHyperLink")->text().contains(QStringLiteral("mailto:")));
    QVERIFY(In<QLabel>(about, "EmailHyperLink")->openExternalLinks());
    QCOMPARE(In<QPushButton>(about, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    for (const char* name : {"picIcon", "lblTitle", "lblDescription", "EmailLabel", "HomePageLabel",
                             "HomePageHyperLink", "Line1", "lblDisclaimer", "cmdOK", "CmdSLA"}) {
      QVERIFY2(about->findChild<QWidget*>(QString::fromLatin1(name)), name);
    }
    QTest::mouseClick(In<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    QVERIFY(window->isEnabled());

    Action("MenuAbout")->trigger();
    QVERIFY(!window->isEnabled());
    about->close();  // its close box
    QVERIFY(window->isEnabled());
  }

  void aMessageCanBeAnsweredWhileAboutIsOpen() {
    Action("MenuAbout")->trigger();
    bool answerable = false;
    QTimer::singleShot(0, this, [&] {
      QWidget* box = QApplication::activeModalWidget();
      answerable = box && box->isEnabled();
      if (box) box->close();
    });
    // The program's own message box, as System Info shows it.
    platform->QtPlatform::ShowMessage("System Information Is Unavailable At This Time",
                                      "Quorvel Calculator");
    QVERIFY(answerable);
    TopLevel("frmAbout")->close();
  }

  void readSlaOpensTheLicenceInTheViewer() {
    Action("MenuAbout")->trigger();
    QTest::mouseClick(In<QPushButton>(TopLevel("frmAbout"), "CmdSLA"), Qt::LeftButton);
    QWidget* viewer = TopLevel("HelpViewer");
    QVERIFY(viewer && viewer->isVisible());
    auto* page = In<QTextBrowser>(viewer, "HelpPage");
    QCOMPARE(page->source().path(), QStringLiteral("/html Docs/License Agreement.htm"));
    QVERIFY(page->toPlainText().contains(QStringLiteral("MIT License")));
    TopLevel("frmAbout")->close();
    viewer->close();
  }

  void helpTopicsOpensTheContentsAndFollowsLinks() {
    Action("MenuHelpTopics")->trigger();
    QWidget* viewer = TopLevel("HelpViewer");
    QVERIFY(viewer && viewer->isVisible());
    QVERIFY(In<QTreeWidget>(viewer, "HelpContents")->topLevelItemCount() > 5);
    QVERIFY(In<QListWidget>(viewer, "HelpIndex")->count() > 10);
    auto* page = In<QTextBrowser>(viewer, "HelpPage");
    QCOMPARE(page->source().path(), QStringLiteral("/html Docs/Welcome.htm"));
    // A link of the page, as a click on it would follow it.
    page->setSource(page->source().resolved(QUrl(QStringLiteral("PMT%20Function.htm"))));
    QCOMPARE(page->source().path(), QStringLiteral("/html Docs/PMT Function.htm"));
    QVERIFY(page->toPlainText().contains(QStringLiteral("-88.85")));
    page->backward();
    QCOMPARE(page->source().path(), QStringLiteral("/html Docs/Welcome.htm"));
    // Pictures and style sheets come from inside the help file.
    const QVariant image =
        page->loadResource(QTextDocument::ImageResource,
                           quorvel::ui::HelpViewer::PageUrl("/html Docs/cash-flow-timeline.png"));
    QVERIFY(!image.value<QImage>().isNull());
    const QVariant css = page->loadResource(
        QTextDocument::StyleSheetResource, quorvel::ui::HelpViewer::PageUrl("/html Docs/calc.css"));
    QVERIFY(!css.toString().isEmpty());
    // Asked again, the same viewer comes back.
    Action("MenuHelpTopics")->trigger();
    int viewers = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == QLatin1String("HelpViewer")) ++viewers;
    }
    QCOMPARE(viewers, 1);
    viewer->close();
  }

  void searchFindsPagesByTheirText() {
    quorvel::ui::HelpViewer viewer;
    viewer.ShowContents(QUORVEL_PROGRAM_DIR "/CalcHelp.chm");
    auto* box = In<QLineEdit>(&viewer, "HelpSearchBox");
    box->setText(QStringLiteral("reinvest"));
    QTest::keyClick(box, Qt::Key_Return);
    auto* results = In<QListWidget>(&viewer, "HelpSearchResults");
    QVERIFY(results->count() >= 1);
    bool mirr = false;
    for (int i = 0; i < results->count(); ++i) {
      mirr = mirr || results->item(i)->text().contains(QStringLiteral("MIRR"));
    }
    QVERIFY(mirr);
  }

  void missingFileOrPageIsSaidInTheViewer() {
    quorvel::ui::HelpViewer viewer;
    viewer.ShowContents("/nonexistent/CalcHelp.chm");
    auto* page = In<QTextBrowser>(&viewer, "HelpPage");
    QVERIFY(page->toPlainText().contains(QStringLiteral("Help is not available")));
    viewer.ShowTopic(QUORVEL_PROGRAM_DIR "/CalcHelp.chm", "/html Docs/No Such Page.htm");
    QVERIFY(page->toPlainText().contains(QStringLiteral("Page not found")));
    viewer.ShowTopic(QUORVEL_PROGRAM_DIR "/CalcHelp.chm", "/html Docs/Memory.htm");
    QVERIFY(page->toPlainText().contains(QStringLiteral("M+")));
  }

  void theCalculatorKeepsItsStateWhenHelpFails() {
    Click("Num4Command Num2Command NumPlusCommand");
    platform->program_directory = "/nonexistent";  // no help file beside the program
    Action("MenuHelpTopics")->trigger();
    QWidget* viewer = TopLevel("HelpViewer");
    QVERIFY(viewer);
    QVERIFY(In<QTextBrowser>(viewer, "HelpPage")
                ->toPlainText()
                .contains(QStringLiteral("Help is not available")));
    viewer->close();
    // The pending addition, the display and the focus are as they were.
    QCOMPARE(Text("Text1"), QStringLiteral("42"));
    QCOMPARE(Caption("Label1"), QStringLiteral("+"));
    QCOMPARE(Focused(), Find("Text1"));
    QVERIFY(platform->messages.empty());
    Click("Num8Command NumEqCommand");
    QCOMPARE(Text("Text1"), QStringLiteral("50"));
    QCOMPARE(Caption("Label4"), QStringLiteral("42  +  8"));
  }
};

QTEST_MAIN(AboutHelpWindowTest)
#include "about_help_window_test.moc"
