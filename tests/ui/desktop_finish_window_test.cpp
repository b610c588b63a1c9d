// What a user sees on a real desktop: About owned by the main window and its
// messages by About, a status bar that shows where a long text is cut, and
// an even finish of the function buttons and the captions.

#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "ui/face_button.h"
#include "ui/frame_placement.h"
#include "ui/status_label.h"
#include "window_fixture.h"

namespace {

// The bounding box of the pixels of `image` that `ink` picks.
template <class Ink>
QRect InkBox(const QImage& image, Ink ink) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (ink(image.pixelColor(x, y))) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// A widget drawn eight times larger than on screen, as a vector face is.
QImage Magnified(QWidget* widget) {
  constexpr int kScale = 8;
  QImage image(widget->size() * kScale, QImage::Format_ARGB32);
  image.setDevicePixelRatio(kScale);
  image.fill(Qt::white);
  widget->render(&image);
  image.setDevicePixelRatio(1);
  return image;
}

}  // namespace

class DesktopFinishWindowTest : public QObject, public quorvel::testing::WindowFixture {
  Q_OBJECT

  QWidget* About() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == QLatin1String("frmAbout")) return top;
    }
    qFatal("no About window");
  }
  void OpenAbout() { window->findChild<QAction*>("MenuAbout")->trigger(); }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void theTitleBarRuleMeasuresTheFrame() {
    // Only a window whose whole title bar, as high as the frame's top edge,
    // lies off every screen is moved.
    const int title = window->geometry().top() - window->frameGeometry().top();
    QVERIFY2(title > 0, "the offscreen platform gives the window a frame");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const struct {
      QPoint asked, placed;
    } cases[] = {
        {{100, 50}, {100, 50}},
        {{100, screen.top()}, {100, screen.top()}},
        {{100, screen.top() - title + 1}, {100, screen.top() - title + 1}},
        {{100, screen.top() - title}, {100, screen.top()}},
        {{100, screen.top() - 400}, {100, screen.top()}},
        {{-5000, 50}, {screen.left(), 50}},
    };
    for (const auto& c : cases) {
      QCOMPARE(quorvel::ui::FramePositionWithTitleBarOnScreen(*window, c.asked), c.placed);
    }
  }

  void aboutIsOwnedByTheMainWindowAndKeepsItsSize() {
    OpenAbout();
    QWidget* about = About();
    QVERIFY(about->isVisible());
    // The window manager keeps an owned window above its owner.
    QVERIFY(about->windowHandle());
    QCOMPARE(about->windowHandle()->transientParent(), window->windowHandle());
    QVERIFY(about->isEnabled());
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QCOMPARE(about->size(), about->minimumSize());
    // Its texts fit the fixed size.
    QVERIFY(about->height() >= about->layout()->totalMinimumSize().height());
  }

  void aboutOpensWithTheFocusOnOkEveryTime() {
    for (int opening = 0; opening < 3; ++opening) {
      OpenAbout();
      QWidget* about = About();
      QVERIFY(QTest::qWaitForWindowExposed(about));
      // The control that has the focus while the window is active.
      QCOMPARE(about->focusWidget(), about->findChild<QWidget*>("cmdOK"));
      // The user moves on before closing it.
      about->findChild<QWidget*>(opening == 0 ? "CmdSLA" : "cmdSysInfo")->setFocus();
      about->close();
    }
  }

  void aMessageOfAboutBelongsToAbout() {
    OpenAbout();
    QWidget* about = About();
    QWidget* owner = nullptr;
    QWindow* native_owner = nullptr;
    QTimer::singleShot(0, this, [&] {
      QWidget* box = QApplication::activeModalWidget();
      if (!box) return;
      owner = box->parentWidget();
      native_owner = box->windowHandle() ? box->windowHandle()->transientParent() : nullptr;
      box->close();
    });
    platform->QtPlatform::ShowMessage("System Information Is Unavailable At This Time",
                                      "Quorvel Calculator");
    QCOMPARE(owner, about);
    QCOMPARE(native_owner, about->windowHandle());
    about->close();

    // With About closed, messages belong to the main window again.
    QTimer::singleShot(0, this, [&] {
      QWidget* box = QApplication::activeModalWidget();
      owner = box ? box->parentWidget() : nullptr;
      if (box) box->close();
    });
    platform->QtPlatform::ShowMessage("x", "Quorvel Calculator");
    QCOMPARE(owner, window.get());
  }

  void aLongStatusEndsInAnEllipsisAndIsTheTooltip() {
    auto* status = Find<quorvel::ui::StatusLabel>("Label4");
    QCOMPARE(status->toolTip(), QStringLiteral("Status Bar"));
    const struct {
      const char* keys;
      bool cut;
    } cases[] = {
        {"Num1Command NumPlusCommand Num2Command NumEqCommand", false},
        // M with a 15-digit number, then M+ another: a formula wider than the bar.
        {"Num1Command Num2Command Num3Command Num4Command Num5Command Num6Command Num7Command "
         "Num8Command Num9Command Num0Command Num1Command Num2Command Num3Command Num4Command "
         "Num5Command NumMCommand Num9Command Num8Command Num7Command Num6Command Num5Command "
         "Num4Command Num3Command Num2Command Num1Command NumMPlusCommand",
         true},
        {"NumACCommand Num4Command NumPlusCommand Num4Command NumEqCommand", false},
    };
    for (const auto& c : cases) {
      Click(c.keys);
      const QString text = status->text();
      QVERIFY2(!text.isEmpty(), c.keys);
      QCOMPARE(status->IsCut(), c.cut);
      const QString shown = status->ShownText();
      QVERIFY(status->fontMetrics().horizontalAdvance(shown) <= status->contentsRect().width());
      if (c.cut) {
        QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
        QVERIFY(text.startsWith(shown.chopped(1)));
        QCOMPARE(status->toolTip(), text);
      } else {
        QCOMPARE(shown, text);
        QCOMPARE(status->toolTip(), QStringLiteral("Status Bar"));
      }
    }
  }

  void legendsShareOneSizeThatFitsTheLongest() {
    // Legends of capitals only: their letters stand equally high, and every
    // legend stays inside its button.
    const QStringList capitals = {"CommandEffect",  "CommandNominal",   "CommandPV",
                                  "CommandFV",      "CommandPMT",       "CommandPPMT",
                                  "CommandIPMT",    "CommandPrincipal", "CommandInterestPaid",
                                  "CommandBalance", "CommandIRR",       "CommandMIRR",
                                  "CommandNPV"};
    auto blue = [](const QColor& c) { return c.blue() - c.red() > 90 && c.green() < 120; };
    int height = -1;
    for (const QString& name : capitals) {
      QWidget* button = Find(qPrintable(name));
      const QImage face = Magnified(button);
      const QRect ink = InkBox(face, blue);
      QVERIFY2(!ink.isEmpty(), qPrintable(name));
      // Inside the button's frame (three pixels, eight times larger).
      QVERIFY2(ink.left() >= 24 && ink.right() < face.width() - 24, qPrintable(name));
      if (height < 0) height = ink.height();
      QVERIFY2(
          std::abs(ink.height() - height) <= 4,
          qPrintable(
              QStringLiteral("%1: %2 px high, not %3").arg(name).arg(ink.height()).arg(height)));
    }
    // The cash-flow legend is as high as the others, not a smaller print.
    auto magenta = [](const QColor& c) {
      return c.red() - c.green() > 90 && c.blue() - c.green() > 90;
    };
    const QRect cf = InkBox(Magnified(Find("CommandCF")), magenta);
    QVERIFY(!cf.isEmpty());
    QVERIFY2(std::abs(cf.height() - height) <= 4,
             qPrintable(QStringLiteral("CF %1 px high, legends %2").arg(cf.height()).arg(height)));
  }

  void perAndReinvestRateStandApart() {
    auto* per = Find<QLabel>("Label5");
    auto* reinvest = Find<QLabel>("Label11");
    const QFontMetrics metrics = per->fontMetrics();
    const int per_ends = per->geometry().left() + per->contentsRect().left() +
                         metrics.horizontalAdvance(per->text().trimmed());
    const int reinvest_starts = reinvest->geometry().left() + reinvest->contentsRect().left();
    QVERIFY2(
        reinvest_starts - per_ends >= metrics.horizontalAdvance(QLatin1Char(' ')),
        qPrintable(QStringLiteral("%1 px between the captions").arg(reinvest_starts - per_ends)));
    // The whole caption still fits its label.
    QVERIFY(reinvest->fontMetrics().horizontalAdvance(reinvest->text()) <=
            reinvest->contentsRect().width());
  }
};

QTEST_MAIN(DesktopFinishWindowTest)
#include "desktop_finish_window_test.moc"
