// Long cash-flow lists in the real window: the editor shows exactly the
// model's list whatever changed, and long work shows one progress dialog.

#include <QClipboard>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include "ui/work_progress.h"

#include "window_fixture.h"

namespace {

// `count` lines, each `line` with its number put in for "#".
QString Lines(int count, const QString& line, int first = 0) {
  QStringList lines;
  lines.reserve(count);
  for (int i = first; i < first + count; ++i) {
    lines.append(QString(line).replace(QLatin1Char('#'), QString::number(i)));
  }
  return lines.join(QLatin1Char('\n'));
}

std::string ModelText(const QString& shown) {
  return QString(shown).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

}  // namespace

class LongListWindowTest : public QObject, public quorvel::testing::WindowFixture {
  Q_OBJECT

  void SetList(const QString& shown, int caret) {
    window->Route([&] {
      model->TextCF.SetText(ModelText(shown));
      model->TextCF.Select(caret, 0);
    });
  }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void editorShowsTheModelsListAfterAnyChange_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    // Short changes go in one edit; long ones line for line when the
    // number of lines stays, else out and in again, in steps.
    const QString tidy = Lines(40000, QStringLiteral("#.5"));
    QTest::newRow("short edit") << "1\n2\n3"
                                << "1\n22\n3";
    QTest::newRow("line added at the end") << "1\n2"
                                           << "1\n2\n";
    QTest::newRow("long list tidied line for line") << tidy << Lines(40000, QStringLiteral("#.50"));
    QTest::newRow("long list tidied, a line break added at its end")
        << tidy << Lines(40000, QStringLiteral("#.50")) + "\n";
    QTest::newRow("long list pasted into an empty one") << "" << tidy;
    QTest::newRow("long list cleared") << tidy << "";
    QTest::newRow("long list put in the middle") << "-100\n7\n8"
                                                 << "-100\n" + tidy + "\n7\n8";
    QTest::newRow("long list put in the middle of a line") << "-100\n78"
                                                           << "-100\n7" + tidy + "8";
    QTest::newRow("long list, lines changed and fewer")
        << tidy << "x\n" + Lines(30000, QStringLiteral("#.25"), 5000) + "\ny";
    QTest::newRow("long list, every line longer and one more")
        << tidy << Lines(40001, QStringLiteral("-1#00.00"));
    QTest::newRow("long list, only the first and the last line changed")
        << tidy << "-1\n" + Lines(39998, QStringLiteral("#.5"), 1) + "\n-2";
    // U+1F600 and U+1F601 share their first UTF-16 unit: the pair is never
    // split between what stays and what is replaced.
    const QString grin = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString beam = QString::fromUtf8("\xF0\x9F\x98\x81");
    QTest::newRow("characters beyond 16 bits, short") << "1" + grin + "2"
                                                      << "1" + beam + "2";
    QTest::newRow("characters beyond 16 bits, long")
        << Lines(40000, "#" + grin) << Lines(40000, "#" + beam);
  }

  void editorShowsTheModelsListAfterAnyChange() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    auto* list = Find<QPlainTextEdit>("TextCF");
    SetList(before, 0);
    QCOMPARE(list->toPlainText(), before);
    // The caret goes after the first line break of the new list (the
    // model counts characters, and CR LF as two).
    const int first_break = static_cast<int>(after.indexOf(QLatin1Char('\n')));
    SetList(after,
            first_break < 0 ? 0 : static_cast<int>(after.left(first_break).toUcs4().size()) + 2);
    QCOMPARE(list->toPlainText(), after);
    QCOMPARE(list->document()->blockCount(), static_cast<int>(after.count(QLatin1Char('\n'))) + 1);
    QCOMPARE(list->textCursor().position(), first_break < 0 ? 0 : first_break + 1);
    QCOMPARE(list->textCursor().hasSelection(), false);
    // A key typed afterwards edits the model's list where the caret shows.
    list->setFocus();
    window->Route([&] { model->SetFocus(quorvel::Ctl::TextCF); });
    QTest::keyClick(list, Qt::Key_9);
    QString typed = after;
    typed.insert(first_break < 0 ? 0 : first_break + 1, QLatin1Char('9'));
    QCOMPARE(list->toPlainText(), typed);
    QCOMPARE(model->TextCF.Text(), ModelText(typed));
  }

  void lineNumberShowsWholeInALongList_data() {
    QTest::addColumn<int>("lines");
    QTest::newRow("one line") << 1;
    QTest::newRow("four digits") << 9999;
    QTest::newRow("five digits") << 32767;
    QTest::newRow("six digits") << 123456;
  }

  void lineNumberShowsWholeInALongList() {
    QFETCH(int, lines);
    Click("CommandCF");
    auto* number = Find<QLabel>("LabelLineNum");
    const QRect designed = number->geometry();
    SetList(Lines(lines, QStringLiteral("1")), 0);
    QTest::keyClick(Find("TextCF"), Qt::Key_End, Qt::ControlModifier);
    const QString expected = QLatin1Char(' ') + QString::number(lines);
    QCOMPARE(number->text(), expected);
    QVERIFY2(number->contentsRect().width() >= number->fontMetrics().horizontalAdvance(expected),
             "the number is cut");
    QVERIFY(number->parentWidget()->contentsRect().contains(number->geometry()));
    QCOMPARE(number->geometry().top(), designed.top());
    // Back at the first line, the label is where it was designed.
    QTest::keyClick(Find("TextCF"), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(number->text(), QStringLiteral(" 1"));
    QCOMPARE(number->geometry(), designed);
  }

  // Long work reports its progress, and a paste with the showing of its
  // result is one piece of work with one progress dialog.
  void longPasteShowsOneProgressDialogThroughout() {
    platform->SetProgressDelay(0);
    int dialogs = 0;
    QPointer<quorvel::ui::WorkProgress> last;
    std::vector<std::pair<std::size_t, std::size_t>> reports;
    platform->on_progress = [&](std::size_t done, std::size_t total) {
      reports.emplace_back(done, total);
      auto* dialog = window->findChild<quorvel::ui::WorkProgress*>(QStringLiteral("WorkProgress"));
      if (dialog && dialog != last) ++dialogs;
      if (dialog) last = dialog;
    };
    Click("CommandCF");
    QApplication::clipboard()->setText(Lines(100000, QStringLiteral("#.5")));
    QTest::keyClick(Find("TextCF"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Find<QPlainTextEdit>("TextCF")->document()->blockCount(), 100000);
    // The paste itself, then the editor showing its result, each from 0 to
    // its end.
    int starts = 0;
    int ends = 0;
    for (const auto& [done, total] : reports) {
      starts += done == 0 ? 1 : 0;
      ends += done == total ? 1 : 0;
    }
    QCOMPARE(starts, 2);
    QCOMPARE(ends, 2);
    QCOMPARE(dialogs, 1);
    QVERIFY(!window->findChild<quorvel::ui::WorkProgress*>());
    // The window is active again, once the platform has said so.
    QTRY_COMPARE(Focused(), Find("TextCF"));
  }

  void progressDialogLastsAsLongAsTheWork() {
    platform->SetProgressDelay(0);
    auto shown = [&] {
      return window->findChild<quorvel::ui::WorkProgress*>(QStringLiteral("WorkProgress"));
    };
    platform->Progress(0, 10);
    QVERIFY(shown());
    platform->Progress(10, 10);
    QVERIFY(!shown());
    {
      const quorvel::WorkSpan work(*platform);
      platform->Progress(0, 10);
      QPointer<quorvel::ui::WorkProgress> first = shown();
      QVERIFY(first);
      platform->Progress(10, 10);
      platform->Progress(0, 4);
      QCOMPARE(shown(), first.data());
      platform->Progress(4, 4);
      QCOMPARE(shown(), first.data());
    }
    QVERIFY(!shown());
  }
};

QTEST_MAIN(LongListWindowTest)
#include "long_list_window_test.moc"
