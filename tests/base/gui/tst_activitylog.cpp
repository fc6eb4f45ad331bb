#include "base/gui/ActivityLog.h"
#include "support/WindowRules.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

struct Span {
    QString text;
    QColor colour;
    bool bold = false;
    bool italic = false;
};

// The runs of one line, split where the format changes.
QList<Span> Spans(const QTextBlock& block) {
    QList<Span> spans;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        spans.append({it.fragment().text(), format.foreground().color(), format.fontWeight() == QFont::Bold,
                      format.fontItalic()});
    }
    return spans;
}

QStringList Lines(const QPlainTextEdit& pane) {
    QStringList lines;
    for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}

} // namespace

class TestActivityLog : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        window.reset();
        VerifyNoWindowLeftOpen();
    }
    void init();
    void routing_data();
    void routing();
    void oneLinePerCallAndTimeStamp();
    void batchGivesTheSameLines();
    void emptyLineFirstIsKept();
    void viewFollowsTheEndWithoutTakingFocus();

  private:
    std::unique_ptr<QWidget> window;
    QPlainTextEdit* createProcessLog = nullptr;
    QPlainTextEdit* logRichEdit = nullptr;
};

void TestActivityLog::init() {
    window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    createProcessLog = new QPlainTextEdit(window.get());
    logRichEdit = new QPlainTextEdit(window.get());
    layout->addWidget(createProcessLog);
    layout->addWidget(logRichEdit);
}

void TestActivityLog::routing_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("toLogTab");
    QTest::addColumn<QColor>("shownColour");
    QTest::newRow("plain black") << QStringLiteral("hello") << uint(clBlack) << 0 << false << QColor(0, 0, 0);
    QTest::newRow("blue (BGR)") << QStringLiteral("cmd") << uint(clBlue) << 0 << false << QColor(0, 0, 0xFF);
    QTest::newRow("green bold") << QStringLiteral("ExitCode=0") << uint(clGreen) << int(fsBold) << false
                                << QColor(0, 0x80, 0);
    QTest::newRow("warning any case")
        << QStringLiteral("A WARNING here") << uint(clBlue) << int(fsBold) << true << QColor(0xFF, 0xFF, 0);
    QTest::newRow("error") << QStringLiteral("read Error") << uint(clGreen) << 0 << true
                           << QColor(0xFF, 0, 0);
    QTest::newRow("warning wins over error")
        << QStringLiteral("warning: error") << uint(clBlack) << 0 << true << QColor(0xFF, 0xFF, 0);
}

void TestActivityLog::routing() {
    QFETCH(QString, text);
    QFETCH(uint, colour);
    QFETCH(int, style);
    QFETCH(bool, toLogTab);
    QFETCH(QColor, shownColour);
    ActivityLog log(createProcessLog, logRichEdit);
    log.WriteLog(text, colour, style);

    const QList<Span> spans = Spans(createProcessLog->document()->lastBlock());
    QVERIFY(!spans.isEmpty());
    if (toLogTab) {
        // Only the time stamp stays in the output pane.
        QVERIFY(!createProcessLog->toPlainText().contains(text));
        QCOMPARE(Lines(*logRichEdit), QStringList{text});
        const QList<Span> tab = Spans(logRichEdit->document()->firstBlock());
        QCOMPARE(tab.size(), 1);
        QCOMPARE(tab.first().colour, shownColour);
        QVERIFY(!tab.first().bold);
    } else {
        QVERIFY(logRichEdit->toPlainText().isEmpty());
        const Span last = spans.last();
        QVERIFY(last.text.endsWith(text)); // one run with the stamp when both are plain black
        QCOMPARE(last.colour, shownColour);
        QCOMPARE(last.bold, (style & fsBold) != 0);
        QCOMPARE(spans.first().colour, QColor(0, 0, 0)); // the time stamp
    }
}

void TestActivityLog::oneLinePerCallAndTimeStamp() {
    ActivityLog log(createProcessLog, logRichEdit);
    log.WriteLog(QStringLiteral("first"));
    log.WriteLog(QStringLiteral("a warning"));
    log.WriteLog(QString());
    log.WriteLog(QStringLiteral("last"), clRed, fsItalic);
    log.WriteLogTab(QStringLiteral("tab line"), clBlue, fsBold);
    const QStringList lines = Lines(*createProcessLog);
    QCOMPARE(lines.size(), 4);
    const QRegularExpression stamp(QStringLiteral("^\\d{1,2}:\\d\\d:\\d\\d( [AaPp][Mm])? "));
    for (const QString& line : lines)
        QVERIFY2(stamp.match(line).hasMatch(), qPrintable(line));
    QVERIFY(lines.first().endsWith(QStringLiteral(" first")));
    QVERIFY(lines.last().endsWith(QStringLiteral(" last")));
    QCOMPARE(Lines(*logRichEdit), (QStringList{QStringLiteral("a warning"), QStringLiteral("tab line")}));
    const Span tab = Spans(logRichEdit->document()->lastBlock()).first();
    QCOMPARE(tab.colour, QColor(0, 0, 0xFF));
    QVERIFY(tab.bold);
    QVERIFY(Spans(createProcessLog->document()->lastBlock()).last().italic);
}

void TestActivityLog::batchGivesTheSameLines() {
    QPlainTextEdit otherLog, otherTab;
    ActivityLog batched(createProcessLog, logRichEdit);
    ActivityLog direct(&otherLog, &otherTab);
    const QStringList texts{QStringLiteral("one"), QStringLiteral("an error"), QStringLiteral("three")};
    {
        ActivityLogBatch outer(batched);
        ActivityLogBatch inner(batched);
        for (const QString& text : texts)
            batched.WriteLog(text);
    }
    for (const QString& text : texts)
        direct.WriteLog(text);
    QCOMPARE(createProcessLog->toPlainText(), otherLog.toPlainText());
    QCOMPARE(logRichEdit->toPlainText(), otherTab.toPlainText());
    // After the batch, lines go out at once again.
    batched.WriteLog(QStringLiteral("after"));
    QVERIFY(createProcessLog->document()->lastBlock().text().endsWith(QStringLiteral(" after")));
}

void TestActivityLog::emptyLineFirstIsKept() {
    ActivityLog log(createProcessLog, logRichEdit);
    // A game's start on a Log tab that is empty, at start-up and after the pane was cleared.
    for (int round = 0; round < 2; ++round) {
        log.WriteLogTab(QString());
        log.WriteLogTab(QStringLiteral("Pong"), clBlue, fsBold);
        log.WriteLogTab(QString());
        QCOMPARE(Lines(*logRichEdit), (QStringList{QString(), QStringLiteral("Pong"), QString()}));
        logRichEdit->clear();
    }
}

void TestActivityLog::viewFollowsTheEndWithoutTakingFocus() {
    auto* other = new QPlainTextEdit(window.get());
    window->layout()->addWidget(other);
    window->resize(400, 300);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    other->setFocus();
    ActivityLog log(createProcessLog, logRichEdit);
    for (int i = 0; i < 200; ++i)
        log.WriteLog(QStringLiteral("line %1").arg(i));
    QScrollBar* bar = createProcessLog->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0 && bar->value() == bar->maximum());
    QVERIFY(other->hasFocus());
    // The user scrolls up; the next line brings the end back into view.
    bar->setValue(0);
    log.WriteLog(QStringLiteral("one more"));
    QTRY_COMPARE(bar->value(), bar->maximum());
}

QTEST_MAIN(TestActivityLog)
#include "tst_activitylog.moc"
