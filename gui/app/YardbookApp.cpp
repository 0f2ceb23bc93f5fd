#include "gui/app/YardbookApp.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QScreen>
#include <QTextStream>
#include <QUrl>
#include <cerrno>

#include "core/game/PlayFilter.h"
#include "core/playdb/Season.h"
#include "core/text/Latin1.h"
#include "gui/app/AboutBox.h"
#include "gui/app/AppIcon.h"
#include "gui/app/LogView.h"
#include "gui/app/MainFrm.h"
#include "gui/app/SeasonDoc.h"
#include "gui/app/SeasonFrame.h"
#include "gui/app/TabFrame.h"
#include "gui/app/YardbookDoc.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/DocTemplate.h"
#include "gui/framework/PagePainter.h"
#include "gui/framework/Printing.h"
#include "gui/framework/RecentFileList.h"
#include "gui/playdb/PDBView.h"
#include "gui/playdb/PlayDBDoc.h"
#include "gui/playdb/PlayDBTabWin.h"

namespace gridtally::gui {
std::unique_ptr<DocTemplate> MakeLogDocTemplate() {
    return std::make_unique<DocTemplate>(
        CYardbookApp::kLogResource, CYardbookApp::kLogDocStrings,
        [] { return std::make_unique<CYardbookDoc>(); },
        [](const CreateContext&) { return std::make_unique<CTabFrame>(); });
}

std::unique_ptr<DocTemplate> MakeSeasonDocTemplate() {
    auto made = std::make_unique<DocTemplate>(
        CYardbookApp::kSeasonResource, CYardbookApp::kSeasonDocStrings,
        [] { return std::make_unique<SeasonDoc>(); },
        [](const CreateContext&) { return std::make_unique<SeasonFrame>(); });
    made->SetOpensFolders(true);
    return made;
}

std::unique_ptr<DocTemplate> MakePlayDBDocTemplate() {
    return std::make_unique<DocTemplate>(
        CYardbookApp::kPlayDBResource, CYardbookApp::kPlayDBDocStrings,
        [] { return std::make_unique<PlayDBDoc>(); },
        [](const CreateContext&) { return std::make_unique<PlayDBTabWin>(); });
}

const QString CYardbookApp::kLogDocStrings = QStringLiteral(
    "Gridtally\n\nTurflog\nYardbk Files (*.log)\n.log\nYardbook.Document\nTurflog Document");

const QString CYardbookApp::kPlayDBDocStrings = QStringLiteral(
    "Gridtally\n\nPlayDB\nPlayDB Files  (*.pdb)\n.pdb\nPlayDB.Document\nPlayDB Document");

const QString CYardbookApp::kSeasonDocStrings =
    QStringLiteral("Gridtally\n\nSeason\n\n\nSeason.Document\nSeason");

CYardbookApp::CYardbookApp() = default;

bool CYardbookApp::TakeCommand(int id, bool run) {
    switch (id) {
        case kNewPlayDB:
            return Take(run, [this] { OnNewPlayDB(); });
        case kOpenSeason:
            return Take(run, [this] { OnOpenSeason(); });
        case command::kFilePrintSetup:
            return Take(run, [this] { PrinterSetup(ProgramPrinter(), mainFrame_.get()); });
        case command::kAppExit:
            return Take(run, [this] { mainFrame_->close(); });
        case command::kAppAbout:
            return Take(run, [this] {
                AboutBox about(mainFrame_.get());
                CurrentDialogRunner().Exec(about);
            });
        default:
            return false;
    }
}

CYardbookApp::~CYardbookApp() = default;

bool CYardbookApp::InitInstance(const QStringList& files) {
    // Every window of the program, the document windows and dialogs too, shows its icon.
    QApplication::setWindowIcon(AppIcon());
    mainFrame_ = std::make_unique<CMainFrame>();
    mainFrame_->recentFiles().ReadList(*ProgramSettings());
    logDocTemplate = &mainFrame_->AddDocTemplate(MakeLogDocTemplate());
    playDBDocTemplate = &mainFrame_->AddDocTemplate(MakePlayDBDocTemplate());
    seasonDocTemplate = &mainFrame_->AddDocTemplate(MakeSeasonDocTemplate());
    mainFrame_->SetApplicationTarget(this);
    mainFrame_->LoadFrame();
    // Where the user left the window; on a first start, the top-left of the screen. Never
    // larger than the screen, whatever its scale.
    bool restored =
        mainFrame_->restoreGeometry(ProgramSettings()->value(kGeometryKey).toByteArray());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect available = screen->availableGeometry();
        if (!restored) mainFrame_->move(available.topLeft());
        mainFrame_->resize(mainFrame_->size().boundedTo(available.size()));
    }
    mainFrame_->show();
    mainFrame_->UpdateActions();
    OfferRecovery();
    for (const QString& file : files) mainFrame_->OpenDocumentFile(file);
    ListenForFiles();
    return true;
}

QString DisplayName(const QString& platformName) {
    if (platformName == QLatin1String("xcb")) {
        QString display = qEnvironmentVariable("DISPLAY");
        static const QRegularExpression screen(QStringLiteral("^(.*:\\d+)\\.\\d+$"));
        QRegularExpressionMatch match = screen.match(display);
        return match.hasMatch() ? match.captured(1) : display;
    }
    if (platformName.startsWith(QLatin1String("wayland"))) {
        return qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    }
    return {};
}

bool IsPrivateFolder(const QString& path) {
    QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (lstat(name.constData(), &info) != 0) {
        if (errno != ENOENT || mkdir(name.constData(), 0700) != 0) return false;
        if (lstat(name.constData(), &info) != 0) return false;
    }
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

QString InstanceServerName(const QString& displayName) {
    if (displayName.isEmpty()) return {};
    // A Wayland display may be a path: its slashes must not make folders.
    QString socket = QStringLiteral("gridtally-") +
                     QString::fromLatin1(QUrl::toPercentEncoding(displayName, ":"));
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // The session's folder is the session's to make; ours is made only under /tmp.
    if (QDir::isAbsolutePath(runtime) && QFileInfo::exists(runtime) && IsPrivateFolder(runtime))
        return runtime + '/' + socket;
    QString shared = QStringLiteral("/tmp/gridtally-%1").arg(geteuid());
    return IsPrivateFolder(shared) ? shared + '/' + socket : QString();
}

QString InstanceServerName() {
    QString name = qEnvironmentVariable("GRIDTALLY_SOCKET");
    if (!name.isEmpty()) return name;
    return InstanceServerName(DisplayName(QGuiApplication::platformName()));
}

void CYardbookApp::ListenForFiles() {
    QString name = InstanceServerName();
    if (name.isEmpty()) return;  // no display of ours to show handed files on
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        // A socket left behind by a program that ended without closing it.
        QLocalServer::removeServer(name);
        if (!server_->listen(name)) return;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::disconnected, client, [this, client] {
                const QStringList paths =
                    QString::fromUtf8(client->readAll()).split('\n', Qt::SkipEmptyParts);
                for (const QString& path : paths) mainFrame_->OpenDocumentFile(path);
                if (!paths.isEmpty()) {
                    mainFrame_->raise();
                    mainFrame_->activateWindow();
                }
                client->deleteLater();
            });
        }
    });
}

bool HandFilesToRunningInstance(const QStringList& files) {
    QString name = InstanceServerName();
    if (name.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(1000)) return false;
    QByteArray message;
    for (const QString& file : files) message += QFileInfo(file).absoluteFilePath().toUtf8() + '\n';
    socket.write(message);
    socket.waitForBytesWritten(3000);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(3000);
    return true;
}

void CYardbookApp::OfferRecovery() {
    for (const PlayDBDoc::Recovery& recovery : PlayDBDoc::LeftRecoveries()) {
        QString name =
            recovery.original.isEmpty() ? QObject::tr("a Play DB never saved") : recovery.original;
        bool restore = CurrentDialogRunner().Confirm(
            mainFrame_.get(), QApplication::applicationDisplayName(),
            QObject::tr("Gridtally stopped while %1 had changes that were not saved.\n\n"
                        "Restore them? (No discards them.)")
                .arg(name));
        ChildFrame* frame =
            restore && playDBDocTemplate ? mainFrame_->NewDocument(*playDBDocTemplate) : nullptr;
        auto* db = frame ? dynamic_cast<PlayDBDoc*>(frame->document()) : nullptr;
        if (!db || !db->Recover(recovery)) {
            PlayDBDoc::Forget(recovery);
            continue;
        }
        db->UpdateAllViews(nullptr);
        mainFrame_->DocumentSaved(*frame);  // its file's name in the titles
    }
}

void CYardbookApp::OnOpenSeason() {
    if (!mainFrame_) return;
    QString folder = CurrentDialogRunner().GetExistingDirectory(
        mainFrame_.get(), QObject::tr("Open Season: the folder of the game logs"));
    if (!folder.isEmpty()) mainFrame_->OpenDocumentFile(folder);
}

void CYardbookApp::OnNewPlayDB() {
    if (mainFrame_ && playDBDocTemplate) mainFrame_->NewDocument(*playDBDocTemplate);
}

namespace {

// The printing jobs' one way to fail: "gridtally: MESSAGE" on `err`, and the exit status.
int Refuse(QTextStream& err, const QString& message, int status = 1) {
    err << "gridtally: " << message << '\n';
    return status;
}

// Pages made without a window, printed as a view's would be.
class PagesView : public View {
public:
    PagesView(std::vector<PrintoutPage> pages, QString document)
        : pages_(std::move(pages)), document_(std::move(document)) {}
    bool OnPreparePrinting(PrintInfo& info) override {
        info.maxPage = static_cast<int>(pages_.size());
        return !pages_.empty();
    }
    void OnPrint(QPainter& painter, PrintInfo& info) override {
        PrintPage(painter, info, pages_[static_cast<std::size_t>(info.currentPage - 1)]);
    }
    QString PrintedDocumentName() const override { return document_; }

private:
    std::vector<PrintoutPage> pages_;
    QString document_;
};

}  // namespace

int PrintPlayDBToPdf(const QString& dbPath, const QString& pdfPath, const QString& team) {
    QTextStream err(stderr);
    Failure problem;
    std::optional<std::string> name = Latin1Argument("--team", team.toStdString(), &problem);
    if (!name) return Refuse(err, QString::fromStdString(problem.reason), 2);
    QString error;
    std::unique_ptr<DocTemplate> dbTemplate = MakePlayDBDocTemplate();
    std::unique_ptr<ChildFrame> frame = dbTemplate->OpenDocumentFile(dbPath, &error);
    auto* window = dynamic_cast<PlayDBTabWin*>(frame.get());
    auto* db = window ? dynamic_cast<PlayDBDoc*>(window->document()) : nullptr;
    if (!db || !window->form) {
        return Refuse(err, QStringLiteral("cannot open %1: %2").arg(dbPath, error));
    }
    if (!db->HasTeam(*name)) {
        return Refuse(err, QStringLiteral("no team named \"%1\" in %2").arg(team, dbPath));
    }
    db->currentTeam = *name;
    db->UpdateAllViews(window->form);
    if (!PrintViewToPdf(*window->form, pdfPath, &error)) {
        return Refuse(err, error);
    }
    return 0;
}

int PrintGameToPdf(const QString& logPath, const QString& pdfPath) {
    QTextStream err(stderr);
    QString error;
    std::unique_ptr<DocTemplate> logTemplate = MakeLogDocTemplate();
    std::unique_ptr<ChildFrame> frame = logTemplate->OpenDocumentFile(logPath, &error);
    auto* game = dynamic_cast<CTabFrame*>(frame.get());
    if (!game || !game->logView) {
        return Refuse(err, QStringLiteral("cannot open %1: %2").arg(logPath, error));
    }
    if (!PrintViewToPdf(*game->logView, pdfPath, &error)) {
        return Refuse(err, error);
    }
    return 0;
}

int PrintSeasonToPdf(const QString& folder, const QString& pdfPath, const QString& team,
                     const QList<QPair<QString, QString>>& filters) {
    QTextStream err(stderr);
    Failure problem;
    std::optional<std::string> club = Latin1Argument("--team", team.toStdString(), &problem);
    PlayFilter filter;
    bool typedWell = club.has_value();
    for (auto typed = filters.begin(); typedWell && typed != filters.end(); ++typed) {
        typedWell = AddFilterOption(filter, ("--" + typed->first).toStdString(),
                                    typed->second.toStdString(), &problem);
    }
    if (!typedWell) return Refuse(err, QString::fromStdString(problem.reason), 2);
    Season season;
    season.Read({QFile::encodeName(folder).toStdString()});
    if (season.games().empty()) {
        return Refuse(err, QStringLiteral("no game log in %1").arg(folder));
    }
    if (!season.HasClub(*club)) {
        return Refuse(err,
                      QStringLiteral("no club named \"%1\" in the season of %2").arg(team, folder));
    }
    std::vector<PrintoutPage> pages = season.Club(*club, filter)->Pages();
    QString document = QFileInfo(folder).fileName();
    std::string described = filter.Describe();
    if (!described.empty()) document += " - " + QString::fromStdString(Latin1ToUtf8(described));
    QString error;
    PagesView printed(std::move(pages), document);
    if (!PrintViewToPdf(printed, pdfPath, &error)) {
        return Refuse(err, error);
    }
    return 0;
}

}  // namespace gridtally::gui
