#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include "HostileInputs.h"
#include "core/playdb/PlayDB.h"
#include "core/playdb/PlayDBFile.h"
#include "core/text/Diagnostics.h"
#include "gui/app/MainFrm.h"
#include "gui/app/TabFrame.h"
#include "gui/app/YardbookApp.h"
#include "gui/app/YardbookDoc.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/ParserMessages.h"
#include "gui/framework/TabWindow.h"
#include "gui/playdb/PDBView.h"
#include "gui/playdb/PlayDBTabWin.h"

using namespace gridtally;
using namespace gridtally::gui;

namespace {

// No file may keep the program busy longer than this, in the sanitizer build too.
constexpr qint64 kMillisecondsBound = 30000;

// Keeps the messages shown and discards changes on closing.
struct Messages : DialogRunner {
    QStringList shown;
    QStringList openFiles;
    QString saveName;
    int Exec(QDialog&) override { return QDialog::Rejected; }
    QStringList GetOpenFileNames(QWidget*, const QString&, const QString&, bool) override {
        return openFiles;
    }
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                            const QString&) override {
        return saveName;
    }
    void ShowMessage(QWidget*, const QString&, const QString& text) override { shown << text; }
    SaveChoice AskSaveChanges(QWidget*, const QString&, const QString&) override {
        return SaveChoice::Discard;
    }
};

// Shows every tab of every tab window under `widget`, and paints it, as a user
// clicking through the window would.
void VisitTabs(QWidget* widget) {
    for (QTabWidget* tabs : widget->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            tabs->widget(i)->grab();
        }
    }
}

std::string SmallDB() {
    PlayDB db;
    db.diagnostics = &NoDiagnostics();
    std::set<std::string> teams;
    std::string log = hostile::kSituation + hostile::Play("") + hostile::HugeNumbers();
    db.AddLog(&log, teams);
    return SerializePlayDB(db);
}

}  // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;

    struct Case {
        QString name;
        QByteArray bytes;
        bool opens;    // a window opens
        int messages;  // shown before or while it opens
    };

    // Opens `path` in the program and looks at all its window holds.
    void Open(const QString& path, bool opens, int messages) {
        CYardbookApp app;
        app.InitInstance();
        CMainFrame& main = *app.mainFrame();
        main.show();
        Messages answers;
        ScopedDialogRunner scope(answers);
        DiagnosticsCapture quiet;
        SetParserMessages(&quiet);

        QElapsedTimer clock;
        clock.start();
        main.OpenDocumentFile(path);
        QList<QMdiSubWindow*> windows = main.mdiArea()->subWindowList();
        for (QMdiSubWindow* window : windows) VisitTabs(window);
        QApplication::processEvents();
        QVERIFY2(clock.elapsed() < kMillisecondsBound, qPrintable(path));

        QCOMPARE(windows.size(), opens ? 1 : 0);
        // However long a line, the log view lays out rows it can lay out in time.
        for (QPlainTextEdit* text : main.findChildren<QPlainTextEdit*>()) {
            for (QTextBlock row = text->document()->begin(); row.isValid(); row = row.next()) {
                QVERIFY(row.length() <= int(CYardbookDoc::kLongestShownRow) + 1);
            }
        }
        QCOMPARE(answers.shown.size(), messages);
        for (const QString& text : answers.shown)
            QVERIFY2(text.contains(QFileInfo(path).fileName()), qPrintable(text));
        main.close();
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        // Settings of its own: the recent files these opens leave must not reach the
        // shell tests, which may run at the same time.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
        qputenv("GRIDTALLY_SOCKET", QByteArray("gridtally-hostile-test-") +
                                        QByteArray::number(QCoreApplication::applicationPid()));
    }

    void everyHostileLogGivesAMessageOrAWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("gameLog");
        for (const hostile::HostileFile& file : hostile::HostileLogs()) {
            QTest::newRow(file.name.c_str()) << QString::fromStdString(file.name) << file.gameLog;
        }
    }
    void everyHostileLogGivesAMessageOrAWindow() {
        QFETCH(QString, name);
        QFETCH(bool, gameLog);
        QTemporaryDir dir;
        for (const hostile::HostileFile& file : hostile::HostileLogs()) {
            if (QString::fromStdString(file.name) != name) continue;
            QFile out(dir.filePath(name));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file.bytes.data(), static_cast<qint64>(file.bytes.size()));
        }
        Open(dir.filePath(name), gameLog, gameLog ? 0 : 1);
    }

    // Added to a season all at once: the game logs are added, the rest named in one
    // message, and the season saves and opens again cleanly.
    void aSeasonTakesTheGamesAndNamesTheRest() {
        QTemporaryDir dir;
        Messages answers;
        for (const hostile::HostileFile& file : hostile::HostileLogs()) {
            QFile out(dir.filePath(QString::fromStdString(file.name)));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file.bytes.data(), static_cast<qint64>(file.bytes.size()));
            answers.openFiles << out.fileName();
        }
        answers.openFiles << dir.filePath("missing.log") << dir.path();
        QFile(dir.filePath("season.pdb")).open(QIODevice::WriteOnly);
        answers.saveName = dir.filePath("season.pdb");
        ScopedDialogRunner scope(answers);
        DiagnosticsCapture quiet;
        SetParserMessages(&quiet);
        {
            CYardbookApp app;
            app.InitInstance();
            auto* window =
                dynamic_cast<PlayDBTabWin*>(app.mainFrame()->OpenDocumentFile(answers.saveName));
            QVERIFY(window);
            QElapsedTimer clock;
            clock.start();
            window->form->AddFiles();
            QVERIFY(clock.elapsed() < kMillisecondsBound);
            QCOMPARE(answers.shown.size(), 1);
            for (const hostile::HostileFile& file : hostile::HostileLogs()) {
                QCOMPARE(answers.shown[0].contains(QString::fromStdString(file.name)),
                         !file.gameLog);
            }
            QVERIFY(answers.shown[0].contains("missing.log"));
            QVERIFY(window->form->Save());
            VisitTabs(window);
            app.mainFrame()->close();
        }
        Open(answers.saveName, true, 0);
    }

    void filesThatAreNoneOrOfTheOtherKind() {
        QTemporaryDir dir;
        auto write = [&](const QString& name, const std::string& bytes) {
            QFile out(dir.filePath(name));
            out.open(QIODevice::WriteOnly);
            out.write(bytes.data(), static_cast<qint64>(bytes.size()));
            return dir.filePath(name);
        };
        std::string db = SmallDB();
        std::string log = hostile::kSituation + hostile::Play("");
        QDir(dir.path()).mkdir("folder.log");
        QDir(dir.path()).mkdir("folder.pdb");
        Open(dir.filePath("missing.log"), false, 1);
        Open(dir.filePath("missing.pdb"), false, 1);
        Open(dir.filePath("folder.log"), false, 1);
        Open(dir.filePath("folder.pdb"), false, 1);
        Open(write("db-as-log.log", db), false, 1);
        Open(write("empty.pdb", ""), true, 0);       // an empty DB is a DB
        Open(write("log-as-db.pdb", log), true, 1);  // opens, after saying it is damaged
        Open(write("random.pdb", hostile::RandomBytes(1 << 16, 3)), true, 1);
        // Cut inside and at the end of records.
        for (std::size_t size : {std::size_t{1}, std::size_t{100}, std::size_t{257},
                                 std::size_t{258}, db.size() / 2, db.size() - 1}) {
            Open(write("cut.pdb", db.substr(0, size)), true, size % 257 == 0 ? 0 : 1);
        }
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    HostileFilesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "HostileFilesTest.moc"
