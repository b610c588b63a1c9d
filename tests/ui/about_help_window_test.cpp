// The About window and the help viewer.

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include "ui/help_process.h"
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
  QAction* Action(const char* name) {
    auto* action = window->findChild<QAction*>(name);
    if (!action) qFatal("no action %s", name);
    return action;
  }

  // Starting a program and reading a help file take a moment on a busy
  // machine; this only bounds a wait that normally ends far sooner.
  static constexpr int kViewerTimeout = 60000;
  QTemporaryDir report_dir_;

  // The viewers this test starts are the program's viewer with a scripted user.
  void UseDriver() {
    platform->SetHelpViewerProgram(QStringLiteral(QUORVEL_HELP_VIEWER_DRIVER), {});
    qputenv("QUORVEL_HELP_REPORT", ReportPath().toLocal8Bit());
  }
  QString ReportPath() { return report_dir_.filePath(QStringLiteral("report")); }
  // Waits for the viewer to end and returns what it showed.
  QMap<QString, QString> WaitForViewer() {
    QMap<QString, QString> shown;
    [&] { QTRY_VERIFY_WITH_TIMEOUT(!platform->HelpViewerRunning(), kViewerTimeout); }();
    QCoreApplication::processEvents();
    QFile report(ReportPath());
    if (report.open(QIODevice::ReadOnly)) {
      for (const QString& line : QString::fromUtf8(report.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0) shown.insert(line.left(equals), line.mid(equals + 1));
      }
      report.remove();
    }
    return shown;
  }

 private slots:
  void init() {
    Open();
    for (const char* name : {"QUORVEL_HELP_SEARCH", "QUORVEL_HELP_DIE", "QUORVEL_HELP_REPORT"}) {
      qunsetenv(name);
    }
  }
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
    UseDriver();
    Action("MenuAbout")->trigger();
    QTest::mouseClick(In<QPushButton>(TopLevel("frmAbout"), "CmdSLA"), Qt::LeftButton);
    const QMap<QString, QString> shown = WaitForViewer();
    QCOMPARE(shown.value("page"), QStringLiteral("/html Docs/License Agreement.htm"));
    QVERIFY(platform->messages.empty());
    TopLevel("frmAbout")->close();
  }

  void helpTopicsRunsTheViewerInAProcessOfItsOwn() {
    UseDriver();
    Action("MenuHelpTopics")->trigger();
    const QMap<QString, QString> shown = WaitForViewer();
    QCOMPARE(shown.value("title"), QStringLiteral("Quorvel Calculator Help"));
    QCOMPARE(shown.value("page"), QStringLiteral("/html Docs/Welcome.htm"));
    QVERIFY(shown.value("contents").toInt() > 5);
    QVERIFY(shown.value("index").toInt() > 10);
    QVERIFY(!TopLevel("HelpViewer"));
    QVERIFY(platform->messages.empty());
    // The toolbar's Help button and a second request each start a viewer.
    Action("Toolbar1Help")->trigger();
    QCOMPARE(WaitForViewer().value("page"), QStringLiteral("/html Docs/Welcome.htm"));
    QVERIFY(platform->messages.empty());
  }

  void theProgramItselfIsTheViewerWithASwitch() {
    // The real program on a damaged file: it ends as a viewer that found the
    // file damaged, and the calculator says so once.
    QTemporaryDir dir;
    QVERIFY(QFile::copy(QUORVEL_DAMAGED_HELP_DIR "/divide-by-zero.chm",
                        dir.filePath(QStringLiteral("CalcHelp.chm"))));
    platform->program_directory = dir.path().toStdString();
    platform->SetHelpViewerProgram(QStringLiteral(QUORVEL_PROGRAM_DIR "/quorvel-calculator"),
                                   {QString::fromLatin1(quorvel::ui::kHelpViewerSwitch)});
    Action("MenuHelpTopics")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!platform->HelpViewerRunning(), kViewerTimeout);
    QCOMPARE(platform->messages.size(), std::size_t{1});
    QCOMPARE(platform->messages[0].text, std::string(quorvel::ui::kHelpDamagedMessage));
  }

  void aDamagedHelpFileLeavesTheCalculatorAsItWas_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("how");
    for (const char* file : {"divide-by-zero.chm", "bad-pointer.chm", "search-overflow.chm"}) {
      for (const char* how : {"Help Topics", "Help button", "Read SLA", "Search"}) {
        QTest::addRow("%s, %s", file, how) << QString::fromLatin1(file) << QString::fromLatin1(how);
      }
    }
    // A viewer that dies, whatever of.
    QTest::addRow("the viewer dies") << QStringLiteral("CalcHelp.chm") << QStringLiteral("die");
  }
  void aDamagedHelpFileLeavesTheCalculatorAsItWas() {
    QFETCH(QString, file);
    QFETCH(QString, how);
    QTemporaryDir dir;
    const QString source = file == QLatin1String("CalcHelp.chm")
                               ? QStringLiteral(QUORVEL_PROGRAM_DIR "/CalcHelp.chm")
                               : QStringLiteral(QUORVEL_DAMAGED_HELP_DIR "/") + file;
    QVERIFY(QFile::copy(source, dir.filePath(QStringLiteral("CalcHelp.chm"))));
    platform->program_directory = dir.path().toStdString();
    UseDriver();
    if (how == QLatin1String("Search")) qputenv("QUORVEL_HELP_SEARCH", "rate");
    if (how == QLatin1String("die")) qputenv("QUORVEL_HELP_DIE", "1");

    // 7 in memory, and 42 + 5 pending.
    Click("Num7Command NumMCommand Num4Command Num2Command NumPlusCommand Num5Command");
    const QString display = Text("Text1");
    const QStringList labels = {Caption("Label1"), Caption("Label2"), Caption("Label3")};

    if (how == QLatin1String("Read SLA")) {
      Action("MenuAbout")->trigger();
      QTest::mouseClick(In<QPushButton>(TopLevel("frmAbout"), "CmdSLA"), Qt::LeftButton);
    } else if (how == QLatin1String("Help button")) {
      Action("Toolbar1Help")->trigger();
    } else {
      Action("MenuHelpTopics")->trigger();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!platform->HelpViewerRunning(), kViewerTimeout);
    QCoreApplication::processEvents();
    QCOMPARE(platform->messages.size(), std::size_t{1});
    QCOMPARE(platform->messages[0].text, std::string(quorvel::ui::kHelpDamagedMessage));
    QCOMPARE(platform->messages[0].title, std::string("Quorvel Calculator"));
    if (QWidget* about = TopLevel("frmAbout")) about->close();

    QVERIFY(window->isVisible());
    QCOMPARE(Text("Text1"), display);
    QCOMPARE((QStringList{Caption("Label1"), Caption("Label2"), Caption("Label3")}), labels);
    Click("NumEqCommand");
    QCOMPARE(Text("Text1"), QStringLiteral("47"));
    Click("NumMRCommand");
    QCOMPARE(Text("Text1"), QStringLiteral("7"));
    QCOMPARE(platform->messages.size(), std::size_t{1});
  }

  void theUndamagedFileStillSearches() {
    UseDriver();
    qputenv("QUORVEL_HELP_SEARCH", "rate");
    Action("MenuHelpTopics")->trigger();
    const QMap<QString, QString> shown = WaitForViewer();
    QVERIFY(shown.value("results").toInt() > 3);
    QVERIFY(platform->messages.empty());
  }

  void theViewerFollowsLinksInsideTheFile() {
    quorvel::ui::HelpViewer viewer;
    viewer.ShowContents(QUORVEL_PROGRAM_DIR "/CalcHelp.chm");
    QVERIFY(In<QTreeWidget>(&viewer, "HelpContents")->topLevelItemCount() > 5);
    QVERIFY(In<QListWidget>(&viewer, "HelpIndex")->count() > 10);
    auto* page = In<QTextBrowser>(&viewer, "HelpPage");
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
    viewer.ShowTopic(QUORVEL_PROGRAM_DIR "/CalcHelp.chm", "/html Docs/License Agreement.htm");
    QVERIFY(page->toPlainText().contains(QStringLiteral("MIT License")));
  }

  void contentsAndIndexEntriesAreShownWhole() {
    quorvel::ui::HelpViewer viewer;
    viewer.ShowContents(QUORVEL_PROGRAM_DIR "/CalcHelp.chm");
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    auto* contents = In<QTreeWidget>(&viewer, "HelpContents");
    auto* index = In<QListWidget>(&viewer, "HelpIndex");
    const QFontMetrics metrics(contents->font());
    int checked = 0;
    for (QTreeWidgetItemIterator it(contents); *it; ++it, ++checked) {
      const QRect cell = contents->visualItemRect(*it);
      QVERIFY2(
          cell.left() + metrics.horizontalAdvance((*it)->text(0)) <= contents->viewport()->width(),
          qPrintable((*it)->text(0)));
    }
    QVERIFY(checked > 20);
    In<QTabWidget>(&viewer, "HelpTabs")->setCurrentWidget(index->parentWidget());
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    for (int i = 0; i < index->count(); ++i) {
      QVERIFY2(index->visualItemRect(index->item(i)).left() +
                       metrics.horizontalAdvance(index->item(i)->text()) <=
                   index->viewport()->width(),
               qPrintable(index->item(i)->text()));
    }
  }

  void theContentsMarkThePageShown() {
    quorvel::ui::HelpViewer viewer;
    viewer.ShowTopic(QUORVEL_PROGRAM_DIR "/CalcHelp.chm", "/html Docs/PMT Function.htm");
    auto* contents = In<QTreeWidget>(&viewer, "HelpContents");
    auto marked = [&] {
      const QList<QTreeWidgetItem*> selected = contents->selectedItems();
      return selected.size() == 1 ? selected[0]->data(0, Qt::UserRole).toString() : QString();
    };
    QCOMPARE(marked(), QStringLiteral("/html Docs/PMT Function.htm"));
    auto* page = In<QTextBrowser>(&viewer, "HelpPage");
    // A link followed, and back again.
    page->setSource(page->source().resolved(QUrl(QStringLiteral("Memory.htm"))));
    QCOMPARE(marked(), QStringLiteral("/html Docs/Memory.htm"));
    page->backward();
    QCOMPARE(marked(), QStringLiteral("/html Docs/PMT Function.htm"));
    // A page that is not in the contents marks nothing.
    viewer.ShowTopic(QUORVEL_PROGRAM_DIR "/CalcHelp.chm", "/html Docs/No Such Page.htm");
    QCOMPARE(marked(), QString());
  }

  void theViewerHandsOnADamagedFile() {
    for (const char* file : {"divide-by-zero.chm", "bad-pointer.chm", "search-overflow.chm"}) {
      const std::string path = std::string(QUORVEL_DAMAGED_HELP_DIR "/") + file;
      int damaged = 0;
      quorvel::ui::HelpViewer viewer;
      viewer.SetDamageHandler([&] { ++damaged; });
      viewer.ShowContents(path);
      QCOMPARE(damaged, 1);
      // Without a handler it says so in its page view.
      quorvel::ui::HelpViewer plain;
      plain.ShowContents(path);
      QVERIFY(In<QTextBrowser>(&plain, "HelpPage")
                  ->toPlainText()
                  .contains(QStringLiteral("Help is not available")));
      plain.close();
      viewer.close();
    }
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

  void aMissingHelpFileIsTheViewersBusiness() {
    UseDriver();
    Click("Num4Command Num2Command NumPlusCommand");
    platform->program_directory = "/nonexistent";
    Action("MenuHelpTopics")->trigger();
    WaitForViewer();
    // The viewer says so in its own window; the calculator says nothing and
    // its pending addition goes on.
    QCOMPARE(Text("Text1"), QStringLiteral("42"));
    QCOMPARE(Caption("Label1"), QStringLiteral("+"));
    QVERIFY(platform->messages.empty());
    Click("Num8Command NumEqCommand");
    QCOMPARE(Text("Text1"), QStringLiteral("50"));
    QCOMPARE(Caption("Label4"), QStringLiteral("42  +  8"));
  }
};

QTEST_MAIN(AboutHelpWindowTest)
#include "about_help_window_test.moc"
