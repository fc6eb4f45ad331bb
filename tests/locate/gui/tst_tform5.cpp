#include "base/AppState.h"
#include "locate/VersionCheck.h"
#include "locate/gui/LocateCommands.h"
#include "locate/gui/TForm5.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowRules.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

void putLE(QByteArray& bytes, int at, quint64 value, int width) {
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

// A runnable file; with a version, a small ELF carrying the build's version text.
void makeExecutable(const QString& path, const QString& version = QString()) {
    QDir().mkpath(QFileInfo(path).path());
    QByteArray bytes("#!/bin/sh\n");
    if (!version.isEmpty()) {
        bytes = QByteArray(64, '\0');
        bytes.replace(0, 4,
                      "\x7F"
                      "ELF");
        putLE(bytes, 4, 0x010102, 3);
        bytes += QByteArray(1, '\0') + version.toLatin1() + " (test)" + QByteArray(1, '\0');
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a fixture");
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

const QString chooserCaption = QStringLiteral("Select folder where MAME.EXE or MAME64.EXE is located.");
const QString downloadQuestion = QStringLiteral(
    "\n\nDo you want to browse to the MAME website where you can download the latest version of MAME?");

} // namespace

class TestTForm5 : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir;
    QString root; // a tree with a good, an old and a version-less emulator
    AppState state;
    ScriptedDialogs dialogs;
    QStringList accepted;

    std::unique_ptr<TForm5> makeForm() {
        return std::make_unique<TForm5>(state, dialogs,
                                        [this](const QString& path) { accepted.append(path); });
    }
    QStringList lines(const TForm5& form) const {
        QStringList result;
        for (int row = 0; row < form.ListBox1->count(); ++row)
            result.append(form.ListBox1->item(row)->text());
        return result;
    }

  private slots:
    void initTestCase() {
        root = dir.path() + QStringLiteral("/tree/");
        makeExecutable(root + QStringLiteral("good/mame64"), QStringLiteral("0.180"));
        makeExecutable(root + QStringLiteral("old/mame"), QStringLiteral("0.150"));
        makeExecutable(root + QStringLiteral("unknown/mame"));
        makeExecutable(root + QStringLiteral(".cache/mame"), QStringLiteral("0.200"));
    }
    void init() {
        state = AppState();
        state.MAMEPath = QStringLiteral("/before/");
        dialogs.clear();
        accepted.clear();
    }
    void cleanup() {
        dialogs.checkAnswered();
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        VerifyNoWindowLeftOpen();
    }

    void layout() {
        auto form = makeForm();
        QCOMPARE(form->windowTitle(), QStringLiteral("Search for MAME"));
        QVERIFY(form->SelectBitBtn->isDefault());
        QVERIFY(form->SelectedEdit->isReadOnly());
        QCOMPARE(form->ListBox1->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(form->DriveComboBox1->toolTip(), QStringLiteral("Select a drive to search."));
        QVERIFY(form->DriveComboBox1->count() > 0);
        QCOMPARE(form->DriveComboBox1->itemData(0).toString(), QStringLiteral("/"));
    }

    void searchPathListsEachExecutableWithItsVersion() {
        auto form = makeForm();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        dialogs.expectFolder(chooserCaption, dir.path() + QStringLiteral("/tree")); // no trailing "/"
        bool enabledDuringWalk = true;
        // Runs inside the walk, after the first match: nothing may start, take or close meanwhile.
        QTimer::singleShot(0, form.get(), [&] {
            enabledDuringWalk = form->SelectBitBtn->isEnabled() || form->CloseBitBtn->isEnabled() ||
                                form->SearchDriveButton->isEnabled() || form->SearchPathButton->isEnabled() ||
                                form->DriveComboBox1->isEnabled();
            form->CloseBitBtnClick();
            form->close();
        });
        form->SearchPath();

        QCOMPARE(dialogs.records().size(), 1);
        QCOMPARE(dialogs.records()[0].root, QDir::homePath());
        QVERIFY(!enabledDuringWalk);
        QVERIFY(form->isVisible());
        QCOMPARE(lines(*form), (QStringList{
                                   root + QStringLiteral("good/mame64 (Version 0.180.0.0)"),
                                   root + QStringLiteral("old/mame (Version 0.150.0.0 OLD VERSION)"),
                                   root + QStringLiteral("unknown/mame (Version 0.0.0.0 UNKNOWN VERSION)"),
                               }));
        QCOMPARE(form->StatusBar1->currentMessage(), QStringLiteral("Finished."));
        QVERIFY(form->SelectBitBtn->isEnabled() && form->CloseBitBtn->isEnabled() &&
                form->DriveComboBox1->isEnabled());

        // Taking results: the good one by Select, the version-less one by a double-click.
        form->ListBox1->setCurrentRow(0);
        form->SelectPath();
        QCOMPARE(form->SelectedEdit->text(), root + QStringLiteral("good/"));
        QCOMPARE(state.MAMEPath, root + QStringLiteral("good/"));
        QCOMPARE(form->StatusBar1->currentMessage(), root + QStringLiteral("good/ selected."));

        form->ListBox1->setCurrentRow(2);
        emit form->ListBox1->itemDoubleClicked(form->ListBox1->item(2));
        QCOMPARE(state.MAMEPath, root + QStringLiteral("unknown/"));
        QCOMPARE(accepted, (QStringList{root + QStringLiteral("good/"), root + QStringLiteral("unknown/")}));
        QCOMPARE(dialogs.records().size(), 1);
        QVERIFY(form->isVisible()); // stays open until Close

        // A new search starts clean.
        form->SearchForMAME(dir.path() + QStringLiteral("/tree/good/"));
        QCOMPARE(lines(*form).size(), 1);
        QVERIFY(form->SelectedEdit->text().isEmpty());

        form->CloseBitBtnClick();
        QVERIFY(!form->isVisible());
    }

    void oldVersionIsRefused_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes opens the download page") << int(mrYes);
        QTest::newRow("No") << int(mrNo);
    }
    void oldVersionIsRefused() {
        QFETCH(int, answer);
        auto form = makeForm();
        form->SearchForMAME(root + QStringLiteral("old/"));
        form->ListBox1->setCurrentRow(0);
        dialogs.expectMessage(
            QStringLiteral("The selected M.A.M.E. application file is an old version.\nThe minimum required "
                           "version is 0.172.0.0") +
                downloadQuestion,
            answer);
        if (answer == mrYes)
            dialogs.expectOpenUrl(QUrl(MAMEDownloadURL).toString());
        form->SelectPath();
        QCOMPARE(dialogs.records()[0].type, mtWarning);
        QCOMPARE(dialogs.records()[0].buttons, mbYes | mbNo);
        QCOMPARE(state.MAMEPath, QStringLiteral("/before/"));
        QVERIFY(accepted.isEmpty());
        QVERIFY(form->SelectedEdit->text().isEmpty());
    }

    void nothingFoundAndNothingSelected() {
        auto form = makeForm();
        QTemporaryDir empty;
        form->SearchForMAME(empty.path());
        QCOMPARE(form->ListBox1->count(), 0);
        QCOMPARE(form->StatusBar1->currentMessage(), QStringLiteral("Finished."));
        form->SelectPath();

        // Results without a selection are not taken either.
        form->SearchForMAME(root);
        QCOMPARE(form->ListBox1->count(), 3);
        form->ListBox1->clearSelection();
        form->SelectPath();
        QVERIFY(accepted.isEmpty());
        QCOMPARE(state.MAMEPath, QStringLiteral("/before/"));
    }

    void cancellingTheChooserStartsNothing() {
        auto form = makeForm();
        form->SearchForMAME(root + QStringLiteral("good/"));
        dialogs.expectFolder(chooserCaption, QString());
        form->SearchPath();
        QCOMPARE(form->ListBox1->count(), 1);
        QCOMPARE(form->StatusBar1->currentMessage(), QStringLiteral("Finished."));
    }

    // ---- choosing the folder by hand ----

    void chooseFolder_data() {
        QTest::addColumn<QString>("mame");   // version text of "mame"; "none" for no file, "" for no version
        QTest::addColumn<QString>("mame64"); // the same for "mame64"
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("taken");
        const QString found = QStringLiteral("The M.A.M.E. program file found is currently version ");
        const QString minimum =
            QStringLiteral("\nThe minimum version required is 0.172.0.0") + downloadQuestion;
        QTest::newRow("no emulator") << "none"
                                     << "none"
                                     << "MAME.EXE or MAME64.EXE was not found in %1" << false;
        QTest::newRow("good mame") << "0.251"
                                   << "none"
                                   << "" << true;
        QTest::newRow("mame64 old decides over a good mame")
            << "0.251"
            << "0.150" << found + QStringLiteral("0.150.0.0") + minimum << false;
        QTest::newRow("mame64 good decides over an old mame") << "0.150"
                                                              << "0.251"
                                                              << "" << true;
        QTest::newRow("exactly the minimum") << "0.172"
                                             << "none"
                                             << "" << true;
        QTest::newRow("no version information") << ""
                                                << "none"
                                                << "" << true;
    }
    void chooseFolder() {
        QFETCH(QString, mame);
        QFETCH(QString, mame64);
        QFETCH(QString, message);
        QFETCH(bool, taken);
        QTemporaryDir folder;
        const QString path = folder.path() + QLatin1Char('/');
        if (mame != QLatin1String("none"))
            makeExecutable(path + QStringLiteral("mame"), mame);
        if (mame64 != QLatin1String("none"))
            makeExecutable(path + QStringLiteral("mame64"), mame64);
        state.CurrentPath = QStringLiteral("/program/");
        dialogs.expectFolder(chooserCaption, folder.path());
        if (!message.isEmpty())
            dialogs.expectMessage(message.contains(QLatin1String("%1")) ? message.arg(path) : message,
                                  message.contains(QLatin1String("browse")) ? mrNo : mrOk);

        MAMEDirSelect(state, dialogs, nullptr, QString(), [this](const QString& p) { accepted.append(p); });

        QCOMPARE(dialogs.records()[0].startDir, QStringLiteral("/program/"));
        QCOMPARE(dialogs.records().size(), message.isEmpty() ? 1 : 2);
        if (!message.isEmpty())
            QCOMPARE(dialogs.records()[1].type, mtWarning);
        QCOMPARE(state.MAMEPath, taken ? path : QStringLiteral("/before/"));
        QCOMPARE(accepted, taken ? QStringList{path} : QStringList{});
    }

    void chooseFolderCancelled() {
        dialogs.expectFolder(chooserCaption, QString());
        MAMEDirSelect(state, dialogs, nullptr, QStringLiteral("/shown/"),
                      [this](const QString& p) { accepted.append(p); });
        QCOMPARE(dialogs.records()[0].startDir, QStringLiteral("/shown/"));
        QVERIFY(accepted.isEmpty());
        QCOMPARE(state.MAMEPath, QStringLiteral("/before/"));
    }

    // ---- start-up check ----

    void startupCheck() {
        QTemporaryDir folder;
        state.MAMEPath = folder.path() + QLatin1Char('/');
        makeExecutable(state.MAMEPath + QStringLiteral("mame"), QStringLiteral("0.160"));
        makeExecutable(state.MAMEPath + QStringLiteral("mame64"), QStringLiteral("0.150"));
        const auto text = [](const QString& name, const QString& version) {
            return QStringLiteral("The M.A.M.E. program file ") + name +
                   QStringLiteral(" is currently version ") + version +
                   QStringLiteral("\nThe minimum version required is 0.172.0.0") + downloadQuestion;
        };

        dialogs.expectMessage(text(QStringLiteral("mame64"), QStringLiteral("0.150.0.0")), mrNo);
        dialogs.expectMessage(text(QStringLiteral("mame"), QStringLiteral("0.160.0.0")), mrNo);
        QVERIFY(StartupVersionCheck(state, dialogs, nullptr));
        QCOMPARE(dialogs.records().size(), 2);

        dialogs.clear();
        dialogs.expectMessage(text(QStringLiteral("mame64"), QStringLiteral("0.150.0.0")), mrYes);
        dialogs.expectOpenUrl(QUrl(MAMEDownloadURL).toString());
        QVERIFY(!StartupVersionCheck(state, dialogs, nullptr));
        QCOMPARE(dialogs.records().size(), 2);

        // Good or version-less executables pass silently.
        dialogs.clear();
        makeExecutable(state.MAMEPath + QStringLiteral("mame64"), QStringLiteral("0.251"));
        makeExecutable(state.MAMEPath + QStringLiteral("mame"));
        QVERIFY(StartupVersionCheck(state, dialogs, nullptr));
        QVERIFY(dialogs.records().isEmpty());
    }

    void openFolders() {
        QTemporaryDir data;
        state.UserDataPath = data.path() + QLatin1Char('/');
        state.MAMEPath = data.path() + QStringLiteral("/gone/");
        OpenExplorertoMAMEPath(state, dialogs);
        QVERIFY(dialogs.records().isEmpty());
        dialogs.expectOpenUrl(QUrl::fromLocalFile(state.UserDataPath).toString());
        OpenExplorertoDataPath(state, dialogs);
    }
};

QTEST_MAIN(TestTForm5)
#include "tst_tform5.moc"
